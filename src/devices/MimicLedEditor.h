#pragma once

#include "MimicLedRecords.h"
#include "base/EditorControls.h"
#include "base/PageGrid.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qb {

class ConfigStore;
class Prompter;

// The LED dialog "MDM Setup": what each LED of each mimic module shows. It edits its own copy
// of the LED settings; only Save turns them into records of the working linkage input table.
class MimicLedEditor {
public:
    enum Column { Led = 0, Reg, Cause, Indication, Host, Loop, Addr, Zone, Input, kColumns };

    static constexpr const char* kInvalid = "The operation is invalid";
    static constexpr const char* kNoBatch = "Sorry,This option cannot be set in batch";
    static constexpr const char* kCheckData = "Please check the data";
    static constexpr const char* kNoRoom =
        "The linkage table has no room for more mimic LED records!";

    MimicLedEditor(ConfigStore& store, Prompter& prompter);

    // Loads the LEDs of all 32 modules and shows the first registered module, main board.
    void open();
    // True when the dialog ends with "Save" (the main window then writes both linkage files).
    bool pressSave();
    // "Cancel" and the close box.
    void pressCancel();

    // Controls the view mirrors.
    ListControl modules; // "Mimic": the registered modules, two digits
    ListControl boards;  // "Board"
    const PageGrid& grid() const { return m_grid; }
    const CellEditor& cellEditor() const { return m_editor; }

    // The module (1..32, 0 while none is registered) and board (0..3) on show.
    int module() const { return m_module; }
    int board() const { return m_board; }
    const MimicLed& led(int module, int ledNumber) const;

    // Actions.
    void chooseModule(int index);
    void chooseBoard(int index);
    // The "Mimic" or "Board" list got the focus: checks the grid, true when it is consistent.
    bool focusOnLists();
    // Row 1..32, column as above. Opens the cell's list, toggles "Reg", or refuses.
    void clickCell(int row, int column);
    // The open list lost the focus holding entry `index` (-1: nothing chosen).
    void commitList(int index);
    void closeCellEditor() { m_editor = {}; }

    // What the column batch asks for one column: its prompt and the entries to choose from.
    struct BatchColumn {
        std::u16string prompt;
        std::vector<std::u16string> items;
    };
    // The whole of a column of the shown board was selected. What to choose one value from,
    // or nothing when the column takes no batch (the refusal is already shown).
    std::optional<BatchColumn> beginColumnBatch(int column);
    // Gives rows first..last of the shown board entry `index` of that list, as a click on each
    // cell would: rows whose cause the column does not apply to keep what they have.
    void applyColumnBatch(int column, int index, int firstRow = 1,
                          int lastRow = mimicrecords::kLedsPerBoard);

    // Where the editor's messages go, also those of the dialogs it leads to.
    Prompter& prompter() const { return m_prompter; }

    // The grid check of the shown board.
    bool gridConsistent() const;

private:
    MimicLed& shown(int row);
    const MimicLed& shown(int row) const;
    bool applies(const MimicLed& led, int column) const;
    bool offerable(const MimicLed& led) const;
    int loopCount(const MimicLed& led) const;
    std::vector<std::u16string> hostItems() const;
    std::vector<std::u16string> loopItems(const MimicLed& led) const;
    std::vector<std::u16string> addressItems(const MimicLed& led) const;
    std::vector<std::u16string> zoneItems() const;
    std::vector<std::u16string> listFor(const MimicLed& led, int column) const;
    void storeChoice(MimicLed& led, int column, const std::u16string& item, int index);
    std::u16string addressText(const MimicLed& led) const;
    void draw();

    ConfigStore& m_store;
    Prompter& m_prompter;
    mimicrecords::Settings m_leds{};
    int m_module = 0;
    int m_board = 0;
    PageGrid m_grid;
    CellEditor m_editor;
};

} // namespace qb
