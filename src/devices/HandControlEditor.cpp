#include "HandControlEditor.h"

#include "base/CellText.h"
#include "base/Prompter.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/LittleEndian.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace qb {

namespace {

// The fields of a slot beside the input address (HandControlTable::kInputAddress).
constexpr std::size_t kRegistered = 0;
constexpr std::size_t kInputBoard = 1;
constexpr std::size_t kInputLoop = 4;
constexpr std::size_t kOutputHost = 5;
constexpr std::size_t kOutputBoard = 6;
constexpr std::size_t kOutputLoop = 7;
constexpr std::size_t kOutputAddress = 8; // 16-bit; 0xFFFF while no output is set

constexpr std::uint8_t kUnset = 0xFF;
constexpr std::uint16_t kNoAddress = 0xFFFF;
constexpr std::uint16_t kBegunAddress = 0; // a begun point: not free, no module yet
constexpr int kHighestHost = 255;

// A ManualCtrl module: its registration does not matter.
constexpr std::uint8_t kManualCtrlEquipment = 76;
constexpr std::uint8_t kManualCtrlProduct = 56;

std::u16string formatted(const char* format, long value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return ascii(text);
}

// "001 " then host, board, loop and address, each in the form the controller's tool has always
// shown; the virtual boards 41 and 42 read "V1" and "V2".
std::u16string outputLine(long host, long board, long loop, long address) {
    std::u16string line = u"001 " + formatted("0%ld Host", host);
    if (board == IoBoardRecord::kBoards + 1 || board == IoBoardRecord::kBoards + 2) {
        line += formatted("V%ld IO-Board", board - IoBoardRecord::kBoards);
    } else {
        line += formatted(board < 10 ? "0%ld IO-Board" : "%ld IO-Board", board);
    }
    line += formatted("%ld Loop", loop);
    return line + formatted(address < 10 ? "0%ld" : "%ld", address);
}

long hostNumber(const ListControl& hosts) {
    return leadingInteger(hosts.text());
}

// Entries such as "012 ManualCtrl" or "012SmkFan" begin with the module's address.
std::uint16_t entryAddress(const std::u16string& entry) {
    return static_cast<std::uint16_t>(leadingInteger(entry.substr(0, 3)));
}

} // namespace

HandControlEditor::HandControlEditor(ConfigStore& store, Prompter& prompter)
    : PagedEditor(prompter, {.fullMessage = kTableFull, .newPageWhenNoneLeft = false}),
      m_store(store) {}

std::span<std::uint8_t> HandControlEditor::slot(int index) {
    return std::span(m_store.handControl.working.data)
        .subspan(HandControlTable::kSlotSize * static_cast<std::size_t>(index),
                 HandControlTable::kSlotSize);
}

std::span<const std::uint8_t> HandControlEditor::slot(int index) const {
    return std::span(m_store.handControl.working.data)
        .subspan(HandControlTable::kSlotSize * static_cast<std::size_t>(index),
                 HandControlTable::kSlotSize);
}

int HandControlEditor::pageCount() const {
    return m_store.handControl.working.pointCount();
}

std::optional<int> HandControlEditor::currentSlot() const {
    if (page() < 1 || page() > pageCount()) {
        return std::nullopt;
    }
    return page() - 1;
}

void HandControlEditor::clearSlot(int index) {
    const auto bytes = slot(index);
    std::fill(bytes.begin(), bytes.end(), kUnset);
}

void HandControlEditor::open() {
    inputBoards.items = fittedBoardTexts(m_store.ioBoards.working);
    inputLoops.items = {u"01", u"02"};
    loops.items = {u"01", u"02"};

    std::set<int> present;
    for (int h = 1; h <= NetworkTable::kHosts; ++h) {
        if (m_store.network.working.hostRegistration(h) == 1) {
            present.insert(h);
        }
    }
    if (const int own = m_store.hostIndex() + 1; own <= kHighestHost) {
        present.insert(own);
    }
    hosts.items.clear();
    for (int h : present) {
        hosts.items.push_back(numberText(h, 3));
    }
    openPages();
}

HandControlEditor::PageState HandControlEditor::pageState() const {
    if (!currentSlot()) {
        return PageState::Complete;
    }
    const bool inputChosen = inputBoards.chosen() && inputLoops.chosen() && manualCtrls.chosen();
    return inputChosen && !results.items.empty() ? PageState::Complete : PageState::Incomplete;
}

void HandControlEditor::storePage() {
    const auto index = currentSlot();
    if (!index || !inputBoards.chosen() || !inputLoops.chosen() || !manualCtrls.chosen()) {
        return;
    }
    const auto bytes = slot(*index);
    bytes[kRegistered] = reg ? 1 : 0;
    bytes[kInputBoard] = static_cast<std::uint8_t>(leadingInteger(inputBoards.text()));
    bytes[kInputLoop] = static_cast<std::uint8_t>(inputLoops.selected + 1);
    le::writeU16(bytes, HandControlTable::kInputAddress, entryAddress(manualCtrls.text()));
}

void HandControlEditor::showPage() {
    const auto index = currentSlot();
    if (!index) {
        showNoPage();
        return;
    }
    const auto bytes = slot(*index);
    reg = bytes[kRegistered] == 1;
    inputBoards.selectText(numberText(bytes[kInputBoard], 2));
    inputLoops.select(bytes[kInputLoop] - 1);
    fillManualCtrls();
    manualCtrls.selectText(numberText(le::readU16(bytes, HandControlTable::kInputAddress), 3) +
                           u" ManualCtrl");
    results = {{}, -1};
    const std::uint16_t address = le::readU16(bytes, kOutputAddress);
    if (bytes[kOutputHost] != kUnset && bytes[kOutputBoard] != kUnset &&
        bytes[kOutputLoop] != kUnset && address != kNoAddress) {
        results.items.push_back(
            outputLine(bytes[kOutputHost], bytes[kOutputBoard], bytes[kOutputLoop], address));
    }
    updateOutputButtons();
}

void HandControlEditor::showNoPage() {
    reg = false;
    inputBoards.selected = -1;
    inputLoops.selected = -1;
    manualCtrls = {{}, -1};
    hosts.selected = -1;
    fillBoards();
    loops.selected = -1;
    modules = {{}, -1};
    results = {{}, -1};
    updateOutputButtons();
}

bool HandControlEditor::canAppend() const {
    return pageCount() < HandControlTable::kSlots;
}

std::optional<int> HandControlEditor::appendPage() {
    if (!canAppend()) {
        return std::nullopt;
    }
    m_inputBeforeAdd = {inputBoards.selected, inputLoops.selected, manualCtrls};
    const int index = pageCount();
    clearSlot(index);
    le::writeU16(slot(index), HandControlTable::kInputAddress, kBegunAddress);
    return index + 1;
}

void HandControlEditor::pageAdded() {
    // ManualCtrl modules are mostly entered one after the other: offer the next one.
    inputBoards.selected = m_inputBeforeAdd.board;
    inputLoops.selected = m_inputBeforeAdd.loop;
    manualCtrls = m_inputBeforeAdd.manualCtrls;
    if (manualCtrls.chosen() &&
        manualCtrls.selected + 1 < static_cast<int>(manualCtrls.items.size())) {
        ++manualCtrls.selected;
    }
}

int HandControlEditor::deletePage(int page) {
    const int index = page - 1;
    const int count = pageCount();
    if (count <= 1 || index == count - 1) {
        clearSlot(index);
        return page - 1;
    }
    // The used slots must stay together from the first: close the gap.
    auto& data = m_store.handControl.working.data;
    const auto size = static_cast<std::ptrdiff_t>(HandControlTable::kSlotSize);
    std::copy(data.begin() + (index + 1) * size, data.begin() + count * size,
              data.begin() + index * size);
    clearSlot(count - 1);
    return page;
}

void HandControlEditor::chooseInputBoard(int index) {
    inputBoards.select(index);
    inputLoops.selected = -1;
    manualCtrls = {{}, -1};
}

void HandControlEditor::chooseInputLoop(int index) {
    inputLoops.select(index);
    fillManualCtrls();
}

void HandControlEditor::fillManualCtrls() {
    manualCtrls = {{}, -1};
    if (!inputBoards.chosen() || !inputLoops.chosen()) {
        return;
    }
    const auto board = static_cast<int>(leadingInteger(inputBoards.text()));
    if (board < 1 || board > IoBoardRecord::kBoards) {
        return;
    }
    const BoardDevices& devices = m_store.devices(board).working;
    for (int address = 1; address <= kAddressesPerLoop; ++address) {
        const DeviceRecord& d = devices.device(inputLoops.selected + 1, address);
        if (d.equipType == kManualCtrlEquipment && d.productType == kManualCtrlProduct) {
            manualCtrls.items.push_back(numberText(address, 3) + u" ManualCtrl");
        }
    }
}

bool HandControlEditor::ownHostChosen() const {
    return hosts.chosen() && hostNumber(hosts) == m_store.hostIndex() + 1;
}

void HandControlEditor::chooseHost(int index) {
    hosts.select(index);
    fillBoards();
    loops.selected = -1;
    modules = {{}, -1};
    updateOutputButtons();
}

void HandControlEditor::fillBoards() {
    boards = {{}, -1};
    m_boardNumbers.clear();
    if (!hosts.chosen()) {
        return;
    }
    // This host offers what is fitted; another host's boards are not known here.
    const bool own = ownHostChosen();
    for (int board = 1; board <= IoBoardRecord::kBoards; ++board) {
        if (!own || m_store.ioBoards.working.registration(board) == 1) {
            boards.items.push_back(numberText(board, 2));
            m_boardNumbers.push_back(board);
        }
    }
    for (int v = 1; v <= 2; ++v) {
        boards.items.push_back(u"V" + numberText(v));
        m_boardNumbers.push_back(IoBoardRecord::kBoards + v);
    }
}

void HandControlEditor::chooseBoard(int index) {
    boards.select(index);
    loops.selected = -1;
    modules = {{}, -1};
    updateOutputButtons();
}

void HandControlEditor::chooseLoop(int index) {
    loops.select(index);
    fillModules();
    updateOutputButtons();
}

void HandControlEditor::fillModules() {
    modules = {{}, -1};
    if (!hosts.chosen() || !boards.chosen() || !loops.chosen()) {
        return;
    }
    if (!ownHostChosen()) {
        for (int address = 1; address <= kAddressesPerLoop; ++address) {
            modules.items.push_back(numberText(address, 3));
        }
        return;
    }
    const int board = m_boardNumbers[static_cast<std::size_t>(boards.selected)];
    modules.items = outputModuleEntries(m_store.devices(board).working, loops.selected + 1,
                                        m_store.deviceTypes);
}

void HandControlEditor::updateOutputButtons() {
    const bool current = currentSlot().has_value();
    const bool hasOutput = !results.items.empty();
    addOutputEnabled = current && !hasOutput && !modules.items.empty();
    removeOutputEnabled = current && hasOutput;
}

void HandControlEditor::pressAddOutput() {
    const auto index = currentSlot();
    if (!index || !results.items.empty()) {
        return; // one output per point
    }
    if (!modules.chosen()) {
        prompter().inform(kNoModule, kProgramName);
        return;
    }
    if (!hosts.chosen() || !boards.chosen() || !loops.chosen()) {
        return;
    }
    const long host = hostNumber(hosts);
    const int board = m_boardNumbers[static_cast<std::size_t>(boards.selected)];
    const int loop = loops.selected + 1;
    const std::uint16_t address = entryAddress(modules.text());
    const auto bytes = slot(*index);
    bytes[kOutputHost] = static_cast<std::uint8_t>(host);
    bytes[kOutputBoard] = static_cast<std::uint8_t>(board);
    bytes[kOutputLoop] = static_cast<std::uint8_t>(loop);
    le::writeU16(bytes, kOutputAddress, address);
    results = {{outputLine(host, board, loop, address)}, -1};
    updateOutputButtons();
}

void HandControlEditor::pressRemoveOutput() {
    if (!results.chosen()) {
        prompter().inform(kNoResult, kProgramName);
        return;
    }
    const auto index = currentSlot();
    if (!index) {
        return;
    }
    const auto bytes = slot(*index);
    bytes[kOutputHost] = kUnset;
    bytes[kOutputBoard] = kUnset;
    bytes[kOutputLoop] = kUnset;
    le::writeU16(bytes, kOutputAddress, kNoAddress);
    results = {{}, -1};
    updateOutputButtons();
}

} // namespace qb
