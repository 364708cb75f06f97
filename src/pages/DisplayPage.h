#pragma once

#include "SetupPage.h"
#include "store/ConfigStore.h"

namespace qb {

// Page 5: the fire display (repeater) panels.
class DisplayPage : public SetupPage {
public:
    using SetupPage::SetupPage;

    static constexpr int kColumnReg = 1;
    static constexpr int kColumnType = 2;
    static constexpr int kColumnZone = 3;
    static constexpr int kColumnPosition = 4;
    static constexpr int kPositionLength = 12;

    PageId id() const override { return PageId::Display; }
    std::u16string title() const override { return u"Fire Alarm System --> Display Setup"; }
    std::u16string_view name() const override { return u"Display"; }
    bool unsaved() const override { return store().displays.modified(); }
    void draw(WindowState& window) override;
    CellEditor editorFor(const WindowState& window, int row, int column) override;
    void commitText(WindowState& window, const CellEditor& editor,
                    const std::u16string& text) override;
    void commitList(WindowState& window, const CellEditor& editor, int index) override;
    void doubleClickCell(WindowState& window, int row, int column) override;
    void doubleClickCaption(WindowState& window, int column) override;
    void save() override;
    void cancel() override;
    ByteParts editedBytes(int) override { return {bytesOf(store().displays.working.displays)}; }
};

} // namespace qb
