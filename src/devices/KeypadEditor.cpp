#include "KeypadEditor.h"

#include "base/CellText.h"
#include "base/Prompter.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/LittleEndian.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace qb {

namespace {

// The fields of a keypad record beside the button byte (KeypadTable::kButton).
constexpr std::size_t kRegistered = 0;
constexpr std::size_t kKind = 1;
constexpr std::size_t kTarget = 3; // IO board, or zone
constexpr std::size_t kLoop = 4;
constexpr std::size_t kAddress = 6; // 16-bit; 0xFFFF for a zone

constexpr std::uint8_t kFree = 0xFF;
constexpr std::uint8_t kNoButton = 0; // a begun point: not free, no button yet
constexpr std::uint8_t kFieldDeviceKind = 1;
constexpr std::uint8_t kZoneKind = 0;
constexpr std::uint16_t kNoAddress = 0xFFFF;

const std::u16string kZonePrefix = u"Zone ";

std::u16string zoneEntry(long zone) {
    return kZonePrefix + numberText(zone, 2);
}

} // namespace

KeypadEditor::KeypadEditor(ConfigStore& store, Prompter& prompter)
    : PagedEditor(prompter, {kPointLimit}), m_store(store) {}

std::span<std::uint8_t> KeypadEditor::record(int index) {
    return std::span(m_store.keypad.working.data)
        .subspan(KeypadTable::kRecordSize * static_cast<std::size_t>(index),
                 KeypadTable::kRecordSize);
}

std::span<const std::uint8_t> KeypadEditor::record(int index) const {
    return std::span(m_store.keypad.working.data)
        .subspan(KeypadTable::kRecordSize * static_cast<std::size_t>(index),
                 KeypadTable::kRecordSize);
}

int KeypadEditor::pageCount() const {
    return m_store.keypad.working.pointCount();
}

// The shown point, as long as it is still one of the table's points.
std::optional<int> KeypadEditor::currentRecord() const {
    if (page() < 1 || page() > pageCount()) {
        return std::nullopt;
    }
    return page() - 1;
}

std::optional<int> KeypadEditor::firstFreeRecord() const {
    const int count = pageCount();
    if (count >= KeypadTable::kRecords) {
        return std::nullopt;
    }
    return count;
}

void KeypadEditor::open() {
    buttons.items.clear();
    for (int n = 1; n <= kButtons; ++n) {
        buttons.items.push_back(u"Button No." + numberText(n, 2));
    }
    boards.items = fittedBoardTexts(m_store.ioBoards.working);
    loops.items = {u"01", u"02"};
    openPages();
}

void KeypadEditor::beginPoint(int index) {
    clearRecord(index);
    record(index)[KeypadTable::kButton] = kNoButton;
}

void KeypadEditor::clearRecord(int index) {
    const auto bytes = record(index);
    std::fill(bytes.begin(), bytes.end(), kFree);
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

void KeypadEditor::storePage() {
    const auto index = currentRecord();
    if (!index || !buttons.chosen()) {
        return;
    }
    const auto bytes = record(*index);
    bytes[kRegistered] = reg ? 1 : 0;
    bytes[kKind] = fieldDevice ? kFieldDeviceKind : kZoneKind;
    bytes[KeypadTable::kButton] = static_cast<std::uint8_t>(buttons.selected + 1);
}

std::u16string KeypadEditor::storedTargetLine(std::span<const std::uint8_t> bytes) const {
    if (bytes[kTarget] == kFree) {
        return {};
    }
    if (bytes[kKind] != kFieldDeviceKind) {
        return zoneEntry(bytes[kTarget]);
    }
    const int board = bytes[kTarget];
    const int loop = bytes[kLoop];
    const int address = le::readU16(bytes, kAddress);
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

void KeypadEditor::showPage() {
    const auto index = currentRecord();
    if (!index) {
        showNoPage();
        return;
    }
    const auto bytes = record(*index);
    reg = bytes[kRegistered] == 1;
    fieldDevice = bytes[kKind] == kFieldDeviceKind;
    // A button byte outside 1..32 (a begun point, or a damaged file) shows no button.
    buttons.select(bytes[KeypadTable::kButton] - 1);
    boards.selected = -1;
    loops.selected = -1;
    results = {{}, -1};
    if (const std::u16string line = storedTargetLine(bytes); !line.empty()) {
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
    modules = {{}, -1};
    results = {{}, -1};
    updateTargetButtons();
}

bool KeypadEditor::canAppend() const {
    return firstFreeRecord().has_value();
}

std::optional<int> KeypadEditor::appendPage() {
    const auto free = firstFreeRecord();
    if (!free) {
        return std::nullopt;
    }
    m_buttonBeforeAdd = buttons.selected;
    beginPoint(*free);
    return *free + 1;
}

void KeypadEditor::pageAdded() {
    // Points are mostly set up button after button: offer the next one.
    buttons.select(m_buttonBeforeAdd < 0 ? -1 : m_buttonBeforeAdd + 1);
}

int KeypadEditor::deletePage(int page) {
    const int index = page - 1;
    const int count = pageCount();
    if (count == 1 || index == count - 1) {
        clearRecord(index);
        return page - 1;
    }
    removePoint(index);
    return page;
}

void KeypadEditor::fillModules() {
    modules = {{}, -1};
    if (!currentRecord()) {
        return;
    }
    if (!fieldDevice) {
        for (int zone = 1; zone <= ZoneTable::kZones; ++zone) {
            if (m_store.zones.working.zone(zone).registration == 1) {
                modules.items.push_back(zoneEntry(zone));
            }
        }
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
    modules.items = outputModuleEntries(m_store.devices(board).working, loop, m_store.deviceTypes);
}

void KeypadEditor::updateTargetButtons() {
    const bool current = currentRecord().has_value();
    const bool hasTarget = !results.items.empty();
    addOutputEnabled = current && !hasTarget && !modules.items.empty();
    removeOutputEnabled = current && hasTarget;
    fieldDeviceEnabled = current && !hasTarget;
}

void KeypadEditor::removePoint(int index) {
    // The used records must stay together from the first: close the gap.
    const int count = pageCount();
    auto& data = m_store.keypad.working.data;
    const auto size = static_cast<std::ptrdiff_t>(KeypadTable::kRecordSize);
    std::copy(data.begin() + (index + 1) * size, data.begin() + count * size,
              data.begin() + index * size);
    clearRecord(count - 1);
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

void KeypadEditor::pressAddOutput() {
    const auto index = currentRecord();
    if (!index || !results.items.empty()) {
        return;
    }
    if (!modules.chosen()) {
        prompter().inform(kNoModule, kProgramName);
        return;
    }
    const std::u16string& entry = modules.text();
    const auto bytes = record(*index);
    if (fieldDevice) {
        if (!boards.chosen()) {
            return;
        }
        const long board = leadingInteger(boards.text());
        const int loop = loops.chosen() ? loops.selected + 1 : 1;
        bytes[kTarget] = static_cast<std::uint8_t>(board);
        bytes[kLoop] = static_cast<std::uint8_t>(loop);
        le::writeU16(bytes, kAddress,
                     static_cast<std::uint16_t>(leadingInteger(entry.substr(0, 3))));
        results.items = {numberText(board, 2) + u"-" + numberText(loop) + u"-" + entry};
    } else {
        const long zone =
            leadingInteger(entry.substr(std::min(kZonePrefix.size(), entry.size()), 2));
        bytes[kTarget] = static_cast<std::uint8_t>(zone);
        le::writeU16(bytes, kAddress, kNoAddress);
        results.items = {entry};
    }
    results.selected = -1;
    updateTargetButtons();
}

void KeypadEditor::pressRemoveOutput() {
    if (!results.chosen()) {
        prompter().inform(kNoResult, kProgramName);
        return;
    }
    const auto index = currentRecord();
    if (!index) {
        return;
    }
    const auto bytes = record(*index);
    bytes[kTarget] = kFree;
    // A zone target put in its place writes no loop: a kept loop would outlive its device.
    bytes[kLoop] = kFree;
    le::writeU16(bytes, kAddress, kNoAddress);
    results = {{}, -1};
    updateTargetButtons();
}

void KeypadEditor::pressExit() {
    m_store.keypad.revert();
}

} // namespace qb
