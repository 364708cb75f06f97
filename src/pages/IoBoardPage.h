#pragma once

#include "SetupPage.h"
#include "store/ConfigStore.h"

namespace qb {

// Page 6: which IO boards (loop cards) are fitted.
class IoBoardPage : public SetupPage {
public:
    using SetupPage::SetupPage;

    static constexpr int kColumnRegister = 1;

    PageId id() const override { return PageId::IoBoard; }
    std::u16string title() const override { return u"Loop -->IO-Board Setup"; }
    std::u16string_view name() const override { return u"IO-Board"; }
    bool unsaved() const override { return store().ioBoards.modified(); }
    void draw(WindowState& window) override;
    void doubleClickCell(WindowState& window, int row, int column) override;
    void doubleClickCaption(WindowState& window, int column) override;
    void save() override;
    void cancel() override;
    // The registrations only: Data export writes the trailer behind them.
    ByteParts editedBytes(int) override {
        return {std::span(store().ioBoards.working.data).first(IoBoardRecord::kBoards)};
    }
};

} // namespace qb
