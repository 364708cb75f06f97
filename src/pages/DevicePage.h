#pragma once

#include "SetupPage.h"

#include <vector>

namespace qb {

struct DeviceRecord;

// Page 8: the 324 addressed devices of loop 1 of one IO board, chosen with "Loop-B:"; its
// columns are the ones DeviceColumns.h describes.
class DevicePage : public SetupPage {
public:
    using SetupPage::SetupPage;

    PageId id() const override { return PageId::Devices; }
    std::u16string title() const override { return u"Loop --> Detector/Module Setup"; }
    std::u16string_view name() const override { return u"Detector/Module"; }
    bool unsaved() const override;
    void draw(WindowState& window) override;
    void redraw(WindowState& window) override { fillGrid(window); }
    CellEditor editorFor(const WindowState& window, int row, int column) override;
    void commitText(WindowState& window, const CellEditor& editor,
                    const std::u16string& text) override;
    void commitList(WindowState& window, const CellEditor& editor, int index) override;
    void doubleClickCell(WindowState& window, int row, int column) override;
    void doubleClickCaption(WindowState& window, int column) override;
    void chooseSelector(WindowState& window, int index) override;
    void save() override;
    void cancel() override;

    // Both loops of device file `board`; the page only shows loop 1, so steps need not know it.
    ByteParts editedBytes(int board) override;
    int editedTable() const override { return m_board; }
    // Shows the step's board when the selector offers it, so the installer sees what changed.
    void showStep(WindowState& window, int board) override;

    // The board shown (device file number), 0 when no IO board is registered.
    int board() const { return m_board; }
    // Shows device file `board` when the selector offers it.
    void showBoard(WindowState& window, int board);

private:
    void fillGrid(WindowState& window);
    DeviceRecord& device(int address);

    std::vector<int> m_boards; // the "Loop-B:" entries
    int m_board = 0;
    int m_loop = 1;
};

} // namespace qb
