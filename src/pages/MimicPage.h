#pragma once

#include "SetupPage.h"

namespace qb {

// Page 20: which mimic display modules are registered, and the "MDM Mode" option.
class MimicPage : public SetupPage {
public:
    using SetupPage::SetupPage;

    static constexpr int kColumnRegister = 1;

    PageId id() const override { return PageId::Mimic; }
    std::u16string title() const override { return u"Mimic Setup"; }
    void draw(WindowState& window) override;
    void doubleClickCell(WindowState& window, int row, int column) override;
    void doubleClickCaption(WindowState& window, int column) override;
    void save() override;
    void cancel() override;

    void clickMdmMode(WindowState& window);
};

} // namespace qb
