#include "KeypadEditor.h"

#include "base/CellText.h"
#include "base/Prompter.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/ModuleList.h"

#include <algorithm>

namespace qb {

namespace {

const std::u16string kZonePrefix = u"Zone ";

std::u16string zoneEntry(long zone) {
    return kZonePrefix + numberText(zone, 2);
}

} // namespace

KeypadEditor::KeypadEditor(ConfigStore& store, Prompter& prompter)
    : PackedPointEditor(prompter, {kPointLimit}, store.keypad.working.data,
                        KeypadTable::kRecordSize),
      m_store(store) {}

int KeypadEditor::pageCount() const {
    return m_store.keypad.working.pointCount();
}

void KeypadEditor::open() {
    buttons.items.clear();
    for (int n = 1; n <= kButtons; ++n) {
        buttons.items.push_back(u"Button No." + numberText(n, 2));
    }
    boards = offeredList(fittedBoardTexts(m_store.ioBoards.working), emptyreason::kNoBoards);
    loops.items = {u"01", u"02"};
    openPages();
}

void KeypadEditor::beginRecord(int index) {
    m_buttonBeforeAdd = buttons.selected;
    KeypadPoint begun;
    begun.button = KeypadPoint::kBegunButton;
    m_store.keypad.working.setPoint(index, begun);
}

KeypadEditor::PageState KeypadEditor::pageState() const {
    if (!currentRecord()) {
        return PageState::Complete;
    }
    const bool hasTarget = !results.items.empty();
    if (buttons.chosen() && hasTarget) {
        return PageState::Complete;
    }
    return page() == 1 && !buttons.chosen() && !hasTarget ? PageState::Empty
                                                          : PageState::Incomplete;
}

std::string KeypadEditor::missingParts() const {
    std::string line;
    noteMissing(line, !buttons.chosen(), "No button is chosen.");
    noteMissing(line, results.items.empty(), "No target is chosen.");
    return line;
}

void KeypadEditor::storeRecord(int index) {
    if (!buttons.chosen()) {
        return;
    }
    KeypadPoint point = m_store.keypad.working.point(index);
    point.registration = reg ? 1 : 0;
    point.kind = fieldDevice ? KeypadPoint::kFieldDeviceKind : KeypadPoint::kZoneKind;
    point.button = static_cast<std::uint8_t>(buttons.selected + 1);
    m_store.keypad.working.setPoint(index, point);
}

std::u16string KeypadEditor::storedTargetLine(const KeypadPoint& point) const {
    if (point.target == KeypadPoint::kFree) {
        return {};
    }
    if (!point.fieldDevice()) {
        return zoneEntry(point.target);
    }
    const int board = point.target;
    const int loop = point.loop;
    const int address = point.address;
    std::u16string line =
        numberText(board, 2) + u"-" + numberText(loop) + u"-" + numberText(address, 3);
    // A table read from disk may name any board, loop or address: names only for real ones.
    if (board >= 1 && board <= kDeviceFileCount && loop >= 1 && loop <= kLoopsPerBoard &&
        address >= 1 && address <= kAddressesPerLoop) {
        const DeviceRecord& d = m_store.devices(board).working.device(loop, address);
        line += equipmentNames(d.equipType, m_store.deviceTypes);
    }
    return line;
}

void KeypadEditor::showRecord(int index) {
    const KeypadPoint point = m_store.keypad.working.point(index);
    reg = point.registration == 1;
    fieldDevice = point.fieldDevice();
    // A button outside 1..32 (a begun point, or a damaged file) shows no button.
    buttons.select(point.button - 1);
    boards.selected = -1;
    loops.selected = -1;
    results = {{}, -1};
    if (const std::u16string line = storedTargetLine(point); !line.empty()) {
        results.items.push_back(line);
    }
    fillModules();
    updateTargetButtons();
}

void KeypadEditor::showNoPage() {
    reg = fieldDevice = false;
    buttons.selected = -1;
    boards.selected = -1;
    loops.selected = -1;
    clearModules();
    results = {{}, -1};
    updateTargetButtons();
}

void KeypadEditor::pageAdded() {
    // Points are mostly set up button after button: offer the next one.
    buttons.select(m_buttonBeforeAdd < 0 ? -1 : m_buttonBeforeAdd + 1);
}

void KeypadEditor::fillModules() {
    clearModules();
    if (!currentRecord()) {
        return;
    }
    if (!fieldDevice) {
        std::vector<std::u16string> zones;
        for (int zone = 1; zone <= ZoneTable::kZones; ++zone) {
            if (m_store.zones.working.zone(zone).registration == 1) {
                zones.push_back(zoneEntry(zone));
            }
        }
        modules = offeredList(std::move(zones), emptyreason::kNoZones);
        return;
    }
    if (!boards.chosen()) {
        return;
    }
    const int board = static_cast<int>(leadingInteger(boards.text()));
    const int loop = loops.chosen() ? loops.selected + 1 : 1;
    if (board < 1 || board > kDeviceFileCount) {
        return;
    }
    modules = moduleList(m_store.devices(board).working, board, loop, m_store.deviceTypes,
                         kOutputModules);
}

void KeypadEditor::updateTargetButtons() {
    updateOutputButtons();
    fieldDeviceEnabled = currentRecord().has_value() && results.items.empty();
}

void KeypadEditor::setFieldDevice(bool on) {
    if (!fieldDeviceEnabled || on == fieldDevice) {
        return;
    }
    fieldDevice = on;
    fillModules();
    updateTargetButtons();
}

void KeypadEditor::chooseBoard(int index) {
    if (!boardsEnabled() || !currentRecord()) {
        return;
    }
    boards.select(index);
    loops.select(0);
    fillModules();
    updateTargetButtons();
}

void KeypadEditor::addOutput(int index) {
    const std::u16string& entry = modules.text();
    KeypadPoint point = m_store.keypad.working.point(index);
    if (fieldDevice) {
        if (!boards.chosen()) {
            return;
        }
        const long board = leadingInteger(boards.text());
        const int loop = loops.chosen() ? loops.selected + 1 : 1;
        point.target = static_cast<std::uint8_t>(board);
        point.loop = static_cast<std::uint8_t>(loop);
        point.address = static_cast<std::uint16_t>(leadingInteger(entry.substr(0, 3)));
        results.items = {numberText(board, 2) + u"-" + numberText(loop) + u"-" + entry};
    } else {
        const long zone =
            leadingInteger(entry.substr(std::min(kZonePrefix.size(), entry.size()), 2));
        point.target = static_cast<std::uint8_t>(zone);
        point.address = KeypadPoint::kNoAddress;
        results.items = {entry};
    }
    m_store.keypad.working.setPoint(index, point);
    results.selected = -1;
    updateTargetButtons();
}

void KeypadEditor::removeOutput(int index) {
    KeypadPoint point = m_store.keypad.working.point(index);
    point.target = KeypadPoint::kFree;
    // A zone target put in its place writes no loop: a kept loop would outlive its device.
    point.loop = KeypadPoint::kFree;
    point.address = KeypadPoint::kNoAddress;
    m_store.keypad.working.setPoint(index, point);
    results = {{}, -1};
    updateTargetButtons();
}

void KeypadEditor::pressExit() {
    m_store.keypad.revert();
}

} // namespace qb
