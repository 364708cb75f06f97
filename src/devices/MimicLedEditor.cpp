#include "MimicLedEditor.h"
#include "MimicLedNames.h"

#include "base/CellLists.h"
#include "base/CellText.h"
#include "base/Prompter.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/LinkageTables.h"
#include "store/ModuleList.h"

#include <algorithm>
#include <bitset>
#include <memory>

namespace qb {

namespace {

using namespace mimicrecords;

constexpr int kRemoteLoops = 16; // what another host may have fitted, as far as we can know

} // namespace

MimicLedEditor::MimicLedEditor(ConfigStore& store, Prompter& prompter)
    : m_store(store), m_prompter(prompter) {
    boards.items = mimicnames::boards();
    draw();
}

const MimicLed& MimicLedEditor::led(int module, int ledNumber) const {
    return m_leds.at(static_cast<std::size_t>(module - 1))
        .at(static_cast<std::size_t>(ledNumber - 1));
}

MimicLed& MimicLedEditor::shown(int row) {
    return m_leds.at(static_cast<std::size_t>(m_module - 1))
        .at(static_cast<std::size_t>(m_board * kLedsPerBoard + row - 1));
}

const MimicLed& MimicLedEditor::shown(int row) const {
    return led(m_module, m_board * kLedsPerBoard + row);
}

void MimicLedEditor::open() {
    m_leds = load(m_store.linkageInputs.working);
    std::vector<std::u16string> registered;
    for (int m = 1; m <= kModules; ++m) {
        if (m_store.mimic.working.registration(m) == 1) {
            registered.push_back(numberText(m, 2));
        }
    }
    modules = offeredList(std::move(registered), emptyreason::kNoMimicModules);
    modules.select(0);
    m_module = modules.chosen() ? static_cast<int>(leadingInteger(modules.text())) : 0;
    boards.select(0);
    m_board = 0;
    m_editor = {};
    draw();
}

bool MimicLedEditor::pressSave() {
    m_editor = {};
    if (!gridConsistent()) {
        m_prompter.inform(kCheckData, kProgramName);
        return false;
    }
    if (!mimicrecords::store(m_store.linkageInputs.working, m_leds)) {
        m_prompter.inform(kNoRoom, kProgramName);
        return false;
    }
    return true;
}

void MimicLedEditor::pressCancel() {
    // The settings were edited in the dialog's own copy: the tables never saw them.
    m_editor = {};
}

void MimicLedEditor::chooseModule(int index) {
    m_editor = {};
    if (index >= 0 && index < static_cast<int>(modules.items.size())) {
        modules.select(index);
        m_module = static_cast<int>(leadingInteger(modules.text()));
    }
    draw();
}

void MimicLedEditor::chooseBoard(int index) {
    m_editor = {};
    if (index >= 0 && index < kBoards) {
        boards.select(index);
        m_board = index;
    }
    draw();
}

bool MimicLedEditor::focusOnLists() {
    if (gridConsistent()) {
        return true;
    }
    m_prompter.inform(kCheckData, kProgramName);
    return false;
}

bool MimicLedEditor::gridConsistent() const {
    if (m_module == 0) {
        return true;
    }
    for (int row = 1; row <= kLedsPerBoard; ++row) {
        // A row showing "×" needs nothing, whatever it holds.
        const MimicLed& led = shown(row);
        if (!led.consistent() || (led.reg != 0 && !offerable(led))) {
            return false;
        }
    }
    return true;
}

// Loaded records may hold values that no list offers; the row shows them as bare numbers and
// keeps them, but does not pass until the installer picks an entry. Only the cells whose list
// the row's cause opens count: those the installer can mend, the others mean nothing for it.
bool MimicLedEditor::offerable(const MimicLed& led) const {
    if (led.reg > 1 || led.cause >= kCauses) {
        return false;
    }
    const auto fits = [&](int column, bool offered) { return !applies(led, column) || offered; };
    const auto numberUpTo = [&led](int last) { return !led.hasNumber() || led.number <= last; };
    return fits(Indication, led.indication < kIndications) &&
           fits(Host, !led.hasHost() || led.host < NetworkTable::kHosts) &&
           fits(Loop, !led.hasLoop() || led.loop < loopCount(led)) &&
           fits(Addr, numberUpTo(kAddressesPerLoop)) && fits(Zone, numberUpTo(ZoneTable::kZones)) &&
           fits(Input, numberUpTo(mimicnames::kInputs));
}

bool MimicLedEditor::applies(const MimicLed& led, int column) const {
    switch (column) {
    case Reg:
    case Cause:
        return true;
    case Indication:
        return led.cause == MimicLed::Device || led.cause == MimicLed::Zone;
    case Host:
        return led.cause == MimicLed::Device;
    case Loop:
        return led.cause == MimicLed::Device && led.hasHost();
    case Addr:
        return led.cause == MimicLed::Device && led.hasHost() && led.hasLoop();
    case Zone:
        return led.cause == MimicLed::Zone;
    case Input:
        return led.cause == MimicLed::NcInput || led.cause == MimicLed::NoInput;
    default:
        return false;
    }
}

std::vector<std::u16string> MimicLedEditor::hostItems() const {
    std::vector<std::u16string> items;
    for (int h = 1; h <= NetworkTable::kHosts; ++h) {
        if (m_store.network.working.hostRegistration(h) == 1) {
            items.push_back(numberText(h, 3));
        }
    }
    return items;
}

int MimicLedEditor::loopCount(const MimicLed& led) const {
    return led.host == m_store.hostIndex() ? IoBoardRecord::kBoards : kRemoteLoops;
}

std::vector<std::u16string> MimicLedEditor::loopItems(const MimicLed& led) const {
    std::vector<std::u16string> items;
    const bool own = led.host == m_store.hostIndex();
    for (int board = 1; board <= loopCount(led); ++board) {
        if (!own || m_store.ioBoards.working.registration(board) == 1) {
            items.push_back(numberText(board, 2));
        }
    }
    return items;
}

std::vector<std::u16string> MimicLedEditor::addressItems(const MimicLed& led) const {
    std::vector<std::u16string> items;
    if (led.host != m_store.hostIndex()) {
        for (int a = 1; a <= kAddressesPerLoop; ++a) {
            items.push_back(numberText(a, 3));
        }
        return items;
    }
    const int file = led.loop + 1;
    if (file > kDeviceFileCount) {
        return items;
    }
    const BoardDevices& devices = m_store.devices(file).working;
    for (int a = 1; a <= kAddressesPerLoop; ++a) {
        const DeviceRecord& device = devices.device(1, a);
        if (device.registration == 1) {
            items.push_back(numberText(a, 3) +
                            equipmentNames(device.equipType, m_store.deviceTypes));
        }
    }
    return items;
}

std::vector<std::u16string> MimicLedEditor::zoneItems() const {
    return enabledZoneTexts(m_store.zones.working);
}

std::vector<std::u16string> MimicLedEditor::listFor(const MimicLed& led, int column) const {
    switch (column) {
    case Reg:
        return {markFor(true), markFor(false)};
    case Cause:
        return mimicnames::causes();
    case Indication:
        return mimicnames::indications();
    case Host:
        return hostItems();
    case Loop:
        return loopItems(led);
    case Addr:
        return addressItems(led);
    case Zone:
        return zoneItems();
    case Input:
        return mimicnames::inputs();
    default:
        return {};
    }
}

void MimicLedEditor::storeChoice(MimicLed& led, int column, const std::u16string& item, int index) {
    switch (column) {
    case Reg:
        led.reg = index == 0 ? 1 : 0;
        break;
    case Cause:
        // Host, loop and number mean something else under another cause.
        if (led.cause != index) {
            led.cause = static_cast<std::uint8_t>(index);
            led.host = MimicLed::kNoHost;
            led.loop = MimicLed::kNoLoop;
            led.number = MimicLed::kNoNumber;
        }
        break;
    case Indication:
        led.indication = static_cast<std::uint8_t>(index);
        break;
    case Host:
        led.host = static_cast<std::uint8_t>(leadingInteger(item) - 1);
        break;
    case Loop:
        led.loop = static_cast<std::uint8_t>(leadingInteger(item) - 1);
        break;
    case Addr:
        led.number = static_cast<std::uint16_t>(leadingInteger(item.substr(0, 3)));
        break;
    case Zone:
        led.number = static_cast<std::uint16_t>(leadingInteger(item));
        break;
    case Input:
        led.number = static_cast<std::uint16_t>(index + 1);
        break;
    default:
        break;
    }
}

void MimicLedEditor::clickCell(int row, int column) {
    m_editor = {};
    if (m_module == 0 || row < 1 || row > kLedsPerBoard || column <= Led || column >= kColumns) {
        return;
    }
    MimicLed& led = shown(row);
    if (column == Reg) {
        led.reg = led.reg == 1 ? 0 : 1;
    } else if (!applies(led, column)) {
        m_prompter.inform(kInvalid, kProgramName);
    } else {
        m_editor = listEditor(listFor(led, column), m_grid.text(row, column));
        m_editor.row = row;
        m_editor.column = column;
    }
    draw();
}

void MimicLedEditor::commitList(int index) {
    if (!m_editor.open()) {
        return;
    }
    const CellEditor editor = m_editor;
    m_editor = {};
    // A list left on the entry it opened with is no choice: the stored value stays as it is,
    // also one that no entry names.
    if (m_module != 0 && index != editor.selected && index >= 0 &&
        index < static_cast<int>(editor.items.size())) {
        storeChoice(shown(editor.row), editor.column, editor.items[index], index);
    }
    draw();
}

// The batch offers the column's own list, and the value chosen goes to the chosen rows of the
// shown board as if each cell had been clicked and given it: the indication and the host only
// reach rows whose cause takes them, and a new cause clears what the old one had chosen.
std::optional<MimicLedEditor::BatchColumn> MimicLedEditor::beginColumnBatch(int column) {
    m_editor = {};
    if (m_module == 0) {
        return std::nullopt;
    }
    switch (column) {
    case Reg:
        return BatchColumn{u"Choose whether or not register", listFor(MimicLed{}, column)};
    case Cause:
        return BatchColumn{u"Select C&E Type", listFor(MimicLed{}, column)};
    case Indication:
        return BatchColumn{u"Select Indicate Type", listFor(MimicLed{}, column)};
    case Host:
        return BatchColumn{u"Select Host", listFor(MimicLed{}, column)};
    case Loop:
    case Addr:
    case Zone:
    case Input:
        m_prompter.inform(kNoBatch, kProgramName);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void MimicLedEditor::applyColumnBatch(int column, int index, int firstRow, int lastRow) {
    m_editor = {};
    if (m_module == 0 || column < Reg || column > Host) {
        return;
    }
    const std::vector<std::u16string> items = listFor(MimicLed{}, column);
    if (index < 0 || index >= static_cast<int>(items.size())) {
        return;
    }
    for (int row = std::max(firstRow, 1); row <= std::min(lastRow, kLedsPerBoard); ++row) {
        MimicLed& led = shown(row);
        if (applies(led, column)) {
            storeChoice(led, column, items[static_cast<std::size_t>(index)], index);
        }
    }
    draw();
}

std::u16string MimicLedEditor::addressText(const MimicLed& led) const {
    std::u16string text = numberText(led.number, 3);
    const int file = led.loop + 1;
    if (led.host == m_store.hostIndex() && file <= kDeviceFileCount && led.number >= 1 &&
        led.number <= kAddressesPerLoop) {
        const DeviceRecord& device = m_store.devices(file).working.device(1, led.number);
        text += equipmentNames(device.equipType, m_store.deviceTypes);
    }
    return text;
}

void MimicLedEditor::draw() {
    m_grid.reset(kLedsPerBoard + 1,
                 {u"LED", u"Reg", u"C&E Type", u"Indicate Type", u"Host", u"Loop", u"Addr", u"Zone",
                  u"Input"},
                 {700, 600, 1900, 1400, 800, 700, 2600, 800, 2100});
    for (int row = 1; row <= kLedsPerBoard; ++row) {
        m_grid.setText(row, Led, numberText(row));
        if (m_module == 0) {
            continue;
        }
        const MimicLed& led = shown(row);
        m_grid.setText(row, Reg, mimicnames::registration(led.reg));
        m_grid.setText(row, Cause, mimicnames::cause(led.cause));
        m_grid.setText(row, Indication, mimicnames::indication(led.indication));
        if (led.cause == MimicLed::Device) {
            if (led.hasHost()) {
                m_grid.setText(row, Host, numberText(led.host + 1, 3));
            }
            if (led.hasLoop()) {
                m_grid.setText(row, Loop, numberText(led.loop + 1, 2));
            }
            if (led.number != MimicLed::kNoNumber) {
                m_grid.setText(row, Addr, addressText(led));
            }
        } else if (led.cause == MimicLed::Zone && led.number != MimicLed::kNoNumber) {
            m_grid.setText(row, Zone, numberText(led.number, 2));
        } else if ((led.cause == MimicLed::NcInput || led.cause == MimicLed::NoInput) &&
                   led.number != MimicLed::kNoNumber) {
            m_grid.setText(row, Input, mimicnames::input(led.number));
        }
    }
}

} // namespace qb
