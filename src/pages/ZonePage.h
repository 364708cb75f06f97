#pragma once

#include "SetupPage.h"
#include "store/ConfigStore.h"

namespace qb {

// Page 1: zone registration and names, and the "Resound" option.
class ZonePage : public SetupPage {
public:
    using SetupPage::SetupPage;

    static constexpr int kColumnRegister = 1;
    static constexpr int kColumnPosition = 2;
    static constexpr int kNameLength = 12;

    PageId id() const override { return PageId::Zone; }
    std::u16string title() const override { return u"Fire Alarm System --> Zone Setup"; }
    std::u16string_view name() const override { return u"Zone"; }
    bool unsaved() const override { return store().zones.modified(); }
    void draw(WindowState& window) override;
    CellEditor editorFor(const WindowState& window, int row, int column) override;
    void commitText(WindowState& window, const CellEditor& editor,
                    const std::u16string& text) override;
    void doubleClickCell(WindowState& window, int row, int column) override;
    void doubleClickCaption(WindowState& window, int column) override;
    void save() override;
    void cancel() override;

    ByteParts editedBytes(int) override {
        ZoneTable& zones = store().zones.working;
        return {bytesOf(zones.zones), bytesOf(zones.resound)};
    }

    void clickResound(WindowState& window);
};

} // namespace qb
