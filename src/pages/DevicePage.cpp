#include "DevicePage.h"

#include "ColumnBatchDialog.h"
#include "DialogRunner.h"
#include "PageFileWriter.h"
#include "RegistrationColumn.h"
#include "base/CellLists.h"
#include "base/Prompter.h"
#include "files/DeviceFile.h"
#include "files/FileNames.h"
#include "files/Messages.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"

namespace qb {

namespace {

constexpr int kAddresses = kAddressesPerLoop;
constexpr int kPositionCharacters = 29;

const std::vector<std::u16string> kOutputItems{u"Pulse", u"Constant"};
const std::vector<std::u16string> kWorkItems{u"Normal", u"Fast", u"Slow"};

std::u16string workText(std::uint8_t mode) {
    if (mode == DeviceRecord::kWorkSlow) {
        return u"Slow";
    }
    return mode == DeviceRecord::kWorkNormal ? u"Normal" : u"Fast";
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
    // Without a registered board there is nothing to show: captions only.
    const int rows = m_board == 0 ? 1 : kAddresses + 1;
    grid.reset(
        rows, {u"Addr", u"Reg", u"Equip", u"ProductType", u"Zone", u"Output", u"Work", u"Position"},
        {800, 700, 1500, 1500, 800, 1100, 1000, 3600});
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
        drawRegistration(grid, address, kReg, d.registration, prompter(),
                         messages::format("Error in IOB-%d Loop-%d Addr-%d Registration "
                                          "Information!\nPlease set it correctly!\nThe possible "
                                          "cause of this problem is that the length of the "
                                          "previous information description character exceeds "
                                          "the limit value. The program has automatically "
                                          "truncated it to %d bytes",
                                          m_board, m_loop, address, kPositionCharacters),
                         u"Err");
        grid.setText(address, kEquip, deviceTypeName(d.equipType, types));
        grid.setText(address, kProductType, productTypeName(d.productType));
        grid.setText(address, kZone, numberText(d.zone + 1));
        grid.setText(address, kOutput,
                     d.outputMode == DeviceRecord::kOutputConstant ? u"Constant" : u"Pulse");
        grid.setText(address, kWork, workText(d.workMode));
        grid.setText(address, kPosition, std::u16string(d.position.view()));
    }
}

CellEditor DevicePage::editorFor(const WindowState& window, int row, int column) {
    if (m_board == 0) {
        return {};
    }
    const std::u16string& cell = window.grid.text(row, column);
    switch (column) {
    case kEquip:
        return listEditor(catalogNames(deviceTypeList()), cell);
    case kProductType:
        return listEditor(catalogNames(productTypeList()), cell);
    case kZone:
        return textEditor(cell, 2, true);
    case kOutput:
        return listEditor(kOutputItems, cell);
    case kWork:
        return listEditor(kWorkItems, cell);
    case kPosition:
        return textEditor(cell, static_cast<int>(positionLimitBytes(store().systemCode())), false);
    default:
        return {};
    }
}

void DevicePage::commitText(WindowState& window, const CellEditor& editor,
                            const std::u16string& text) {
    if (m_board == 0) {
        return;
    }
    DeviceRecord& d = device(editor.row);
    if (editor.column == kZone) {
        const long zone = leadingInteger(text);
        if (zone >= 1 && zone <= 32) {
            d.zone = static_cast<std::uint8_t>(zone - 1);
            window.grid.setText(editor.row, editor.column, text);
        }
    } else if (editor.column == kPosition) {
        d.position.assign(text);
        window.grid.setText(editor.row, editor.column, std::u16string(d.position.view()));
    }
}

void DevicePage::commitList(WindowState& window, const CellEditor& editor, int index) {
    if (m_board == 0 || index < 0 || index >= static_cast<int>(editor.items.size())) {
        return;
    }
    DeviceRecord& d = device(editor.row);
    switch (editor.column) {
    case kEquip:
        d.equipType = static_cast<std::uint8_t>(deviceTypeList()[index].code);
        break;
    case kProductType:
        d.productType = static_cast<std::uint8_t>(productTypeList()[index].code);
        break;
    case kOutput:
        d.outputMode = index == 1 ? DeviceRecord::kOutputConstant : 0;
        break;
    case kWork:
        d.workMode = static_cast<std::uint8_t>(index);
        break;
    default:
        return;
    }
    window.grid.setText(editor.row, editor.column, editor.items[index]);
}

void DevicePage::doubleClickCell(WindowState& window, int row, int column) {
    if (m_board != 0 && column == kReg) {
        toggleRegistration(window.grid, row, column,
                           [&](int address, bool on) { device(address).registration = on; });
    }
}

void DevicePage::doubleClickCaption(WindowState& window, int column) {
    if (m_board == 0) {
        return;
    }
    if (column >= kReg && column <= kWork) {
        ColumnBatchDialog dialog(column, prompter().immediate());
        if (!dialogs().runColumnBatch(dialog)) {
            return;
        }
        const int value = dialog.selected();
        for (int address = dialog.range.start(); address <= dialog.range.end(); ++address) {
            DeviceRecord& d = device(address);
            switch (column) {
            case kReg:
                d.registration = static_cast<std::uint8_t>(value);
                break;
            case kEquip:
                d.equipType = static_cast<std::uint8_t>(deviceTypeList()[value].code);
                break;
            case kProductType:
                d.productType = static_cast<std::uint8_t>(productTypeList()[value].code);
                break;
            case kZone:
                d.zone = static_cast<std::uint8_t>(value);
                break;
            case kOutput:
                d.outputMode = static_cast<std::uint8_t>(value);
                break;
            case kWork:
                d.workMode = static_cast<std::uint8_t>(value);
                break;
            }
        }
    } else if (column == kPosition) {
        PositionDescriptionDialog dialog(prompter().immediate());
        if (!dialogs().runPositionDescription(dialog)) {
            return;
        }
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

void DevicePage::save() {
    if (m_board == 0) {
        return;
    }
    ConfigStore& s = store();
    const BuiltFile file =
        buildDeviceFile(s.devices(m_board).working, m_board, s.systemCode(), FileVariant::PageSave);
    const auto path = filePath(s.dataFolder(), s.hostIndex(), deviceFileName(m_board));
    if (writePageFile(path, file, prompter())) {
        s.devices(m_board).takeSavePoint();
    }
}

void DevicePage::cancel() {
    if (m_board != 0) {
        store().devices(m_board).revert();
    }
    m_loop = 1;
}

} // namespace qb
