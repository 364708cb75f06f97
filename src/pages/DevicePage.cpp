#include "DevicePage.h"

#include "ColumnBatchDialog.h"
#include "DeviceColumns.h"
#include "DialogRunner.h"
#include "PageFileWriter.h"
#include "RegistrationColumn.h"
#include "TypedValueChecks.h"
#include "base/CellLists.h"
#include "base/Prompter.h"
#include "files/DeviceFile.h"
#include "files/FileNames.h"
#include "files/Messages.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"

#include <algorithm>

namespace qb {

namespace {

constexpr int kAddresses = kAddressesPerLoop;
constexpr int kPositionCharacters = 29;

// "1-324", for the name of a step over rows.
std::u16string rangeText(const AddressRange& range) {
    const std::string text = std::to_string(range.start()) + "-" + std::to_string(range.end());
    return {text.begin(), text.end()};
}

} // namespace

DeviceRecord& DevicePage::device(int address) {
    return store().devices(m_board).working.device(m_loop, address);
}

void DevicePage::draw(WindowState& window) {
    const ConfigStore& s = store();
    m_boards.clear();
    for (int i = 1; i <= ioBoardCount(s.systemCode()); ++i) {
        if (s.systemCode() == SystemCode::OneLoop || s.ioBoards.working.registration(i) == 1) {
            m_boards.push_back(i);
        }
    }
    SelectorState& selector = window.firstSelector;
    selector.visible = true;
    selector.label = u"Loop-B:";
    selector.items.clear();
    for (int board : m_boards) {
        selector.items.push_back(numberText(board, 2));
    }
    selector.current = m_boards.empty() ? -1 : 0;
    m_board = m_boards.empty() ? 0 : m_boards.front();
    m_loop = 1;
    fillGrid(window);
}

void DevicePage::fillGrid(WindowState& window) {
    PageGrid& grid = window.grid;
    std::vector<std::u16string> captions;
    std::vector<int> widths;
    for (const DeviceColumn& column : deviceColumns()) {
        captions.emplace_back(column.caption);
        widths.push_back(column.width);
    }
    // Without a registered board there is nothing to show: captions only.
    grid.reset(m_board == 0 ? 1 : kAddresses + 1, std::move(captions), std::move(widths));
    if (m_board == 0) {
        return;
    }
    const DeviceTypeTable& types = store().deviceTypes;
    CutPositions& cut = store().cutPositions(m_board);
    for (int address = 1; address <= kAddresses; ++address) {
        const DeviceRecord& d = device(address);
        const int index = BoardDevices::indexOf(m_loop, address);
        if (cut.test(index)) {
            // Cut to 29 characters when it was loaded; the installer hears of it here, once.
            prompter().inform(messages::format("The Position field information of device "
                                               "IOB-%d Loop-%d Addr-%d  exceeds %d bytes. The "
                                               "program has automatically truncated it.",
                                               m_board, m_loop, address, kPositionCharacters),
                              kProgramName);
            cut.reset(index);
        }
        for (int c = 0; c < grid.columns(); ++c) {
            const DeviceColumn& column = deviceColumns()[c];
            if (column.cell == DeviceColumn::Cell::Registration) {
                drawRegistration(grid, address, c, d.*column.field, prompter(),
                                 messages::format("Error in IOB-%d Loop-%d Addr-%d Registration "
                                                  "Information!\nPlease set it correctly!\nThe "
                                                  "possible cause of this problem is that the "
                                                  "length of the previous information "
                                                  "description character exceeds the limit "
                                                  "value. The program has automatically "
                                                  "truncated it to %d bytes",
                                                  m_board, m_loop, address, kPositionCharacters),
                                 u"Err");
            } else if (column.text) {
                grid.setText(address, c, column.text(d.*column.field, types));
            } else if (column.cell == DeviceColumn::Cell::Position) {
                grid.setText(address, c, std::u16string(d.position.view()));
            }
        }
    }
}

CellEditor DevicePage::editorFor(const WindowState& window, int row, int column) {
    const DeviceColumn* c = deviceColumn(column);
    if (m_board == 0 || !c) {
        return {};
    }
    const std::u16string& cell = window.grid.text(row, column);
    switch (c->cell) {
    case DeviceColumn::Cell::List:
        return listEditor(c->choices(), cell);
    case DeviceColumn::Cell::Number:
        return textEditor(cell, c->maxDigits, true);
    case DeviceColumn::Cell::Position:
        return textEditor(cell, static_cast<int>(positionLimitBytes(store().systemCode())), false);
    default:
        return {};
    }
}

void DevicePage::commitText(WindowState& window, const CellEditor& editor,
                            const std::u16string& text) {
    const DeviceColumn* c = deviceColumn(editor.column);
    if (m_board == 0 || !c) {
        return;
    }
    DeviceRecord& d = device(editor.row);
    if (c->cell == DeviceColumn::Cell::Number) {
        const long number = leadingInteger(text);
        if (numberInRange(number, 1, static_cast<long>(c->choices().size()), toUtf8(c->caption),
                          prompter())) {
            d.*c->field = c->stored(static_cast<int>(number - 1));
            window.grid.setText(editor.row, editor.column, text);
        }
    } else if (c->cell == DeviceColumn::Cell::Position) {
        if (fitsTextField(
                text, positionLimitBytes(store().systemCode()),
                messages::format("IOB-%d Loop-%d Addr-%d Position", m_board, m_loop, editor.row),
                prompter())) {
            d.position.assign(text);
        }
        window.grid.setText(editor.row, editor.column, std::u16string(d.position.view()));
    }
}

void DevicePage::commitList(WindowState& window, const CellEditor& editor, int index) {
    const DeviceColumn* c = deviceColumn(editor.column);
    if (m_board == 0 || !c || c->cell != DeviceColumn::Cell::List || index < 0 ||
        index >= static_cast<int>(editor.items.size())) {
        return;
    }
    device(editor.row).*c->field = c->stored(index);
    window.grid.setText(editor.row, editor.column, editor.items[index]);
}

void DevicePage::doubleClickCell(WindowState& window, int row, int column) {
    const DeviceColumn* c = deviceColumn(column);
    if (m_board != 0 && c && c->cell == DeviceColumn::Cell::Registration) {
        toggleRegistration(window.grid, row, column,
                           [&](int address, bool on) { device(address).*c->field = on; });
    }
}

void DevicePage::doubleClickCaption(WindowState& window, int column) {
    const DeviceColumn* c = deviceColumn(column);
    if (m_board == 0 || !c) {
        return;
    }
    if (c->batchPrompt) {
        ColumnBatchDialog dialog(column, prompter().immediate());
        if (!dialogs().runColumnBatch(dialog)) {
            return;
        }
        nameStep(u"Column Batch: " + std::u16string(c->caption) + u", rows " +
                 rangeText(dialog.range));
        const std::uint8_t stored = c->stored(dialog.selected());
        for (int address = dialog.range.start(); address <= dialog.range.end(); ++address) {
            device(address).*c->field = stored;
        }
    } else if (c->cell == DeviceColumn::Cell::Position) {
        PositionDescriptionDialog dialog(prompter().immediate(),
                                         positionLimitBytes(store().systemCode()));
        if (!dialogs().runPositionDescription(dialog)) {
            return;
        }
        nameStep(u"Position Description: rows " + rangeText(dialog.range));
        const std::u16string text =
            limitLength(dialog.description, PositionDescriptionDialog::kDescriptionLength);
        for (int address = dialog.range.start(); address <= dialog.range.end(); ++address) {
            device(address).position.assign(text);
        }
    } else {
        return;
    }
    fillGrid(window);
}

void DevicePage::chooseSelector(WindowState& window, int index) {
    if (index < 0 || index >= static_cast<int>(m_boards.size())) {
        return;
    }
    window.firstSelector.current = index;
    m_board = m_boards[index];
    m_loop = 1;
    fillGrid(window);
}

void DevicePage::showBoard(WindowState& window, int board) {
    const auto found = std::find(m_boards.begin(), m_boards.end(), board);
    if (found != m_boards.end()) {
        chooseSelector(window, static_cast<int>(found - m_boards.begin()));
    }
}

ByteParts DevicePage::editedBytes(int board) {
    if (board < 1 || board > kDeviceFileCount) {
        return {};
    }
    return {bytesOf(store().devices(board).working.records)};
}

void DevicePage::showStep(WindowState& window, int board) {
    if (board != m_board && std::ranges::find(m_boards, board) != m_boards.end()) {
        showBoard(window, board);
        return;
    }
    fillGrid(window);
}

void DevicePage::save() {
    if (m_board == 0) {
        return;
    }
    ConfigStore& s = store();
    const BuiltFile file =
        buildDeviceFile(s.devices(m_board).working, m_board, s.systemCode(), FileVariant::PageSave);
    if (writeHostFile(deviceFileName(m_board), file)) {
        s.devices(m_board).takeSavePoint();
    }
}

// Any board: an import or a batch placement can leave boards other than the one shown edited.
bool DevicePage::unsaved() const {
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        if (store().devices(j).modified()) {
            return true;
        }
    }
    return false;
}

void DevicePage::cancel() {
    if (m_board != 0) {
        store().devices(m_board).revert();
    }
    m_loop = 1;
}

} // namespace qb
