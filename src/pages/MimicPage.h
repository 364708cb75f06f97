#pragma once

#include "SetupPage.h"
#include "store/ConfigStore.h"

namespace qb {

// Page 20: which mimic display modules are registered, and the "MDM Mode" option.
class MimicPage : public SetupPage {
public:
    using SetupPage::SetupPage;

    static constexpr int kColumnRegister = 1;

    PageId id() const override { return PageId::Mimic; }
    std::u16string title() const override { return u"Mimic Setup"; }
    std::u16string_view name() const override { return u"Mimic"; }
    bool unsaved() const override { return store().mimic.modified(); }
    void draw(WindowState& window) override;
    void doubleClickCell(WindowState& window, int row, int column) override;
    void doubleClickCaption(WindowState& window, int column) override;
    void save() override;
    void cancel() override;

    // The registrations and the MDM mode behind them.
    ByteParts editedBytes(int) override {
        return {std::span(store().mimic.working.data).first(MimicTable::kModeOffset + 1)};
    }

    void clickMdmMode(WindowState& window);
};

} // namespace qb
