#include "HandControlEditor.h"

#include "base/CellText.h"
#include "base/Prompter.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/ModuleList.h"

#include <algorithm>
#include <cstdio>

namespace qb {

namespace {

constexpr std::uint8_t kUnset = HandControlPoint::kUnset;
constexpr std::uint16_t kNoAddress = HandControlPoint::kNoAddress;

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

const ModuleKind kManualCtrls{
    isManualCtrl, u"ManualCtrl modules",
    u"set device type MCB and product type MCB on the Detector/Module page"};

// Entries such as "012 ManualCtrl" or "012SmkFan" begin with the module's address.
std::uint16_t entryAddress(const std::u16string& entry) {
    return static_cast<std::uint16_t>(leadingInteger(entry.substr(0, 3)));
}

} // namespace

bool isManualCtrl(const DeviceRecord& device) {
    constexpr std::uint8_t kManualCtrlEquipment = 76;
    constexpr std::uint8_t kManualCtrlProduct = 56;
    return device.equipType == kManualCtrlEquipment && device.productType == kManualCtrlProduct;
}

HandControlEditor::HandControlEditor(ConfigStore& store, Prompter& prompter)
    : PackedPointEditor(prompter, {.fullMessage = kTableFull, .newPageWhenNoneLeft = false},
                        store.handControl.working.data, HandControlTable::kRecordSize),
      m_store(store) {}

int HandControlEditor::pageCount() const {
    return m_store.handControl.working.pointCount();
}

void HandControlEditor::open() {
    inputBoards = offeredList(fittedBoardTexts(m_store.ioBoards.working), emptyreason::kNoBoards);
    inputLoops.items = {u"01", u"02"};
    loops.items = {u"01", u"02"};

    hosts.items = knownHostTexts(m_store.network.working, m_store.hostIndex());
    fillBoards();
    awaitModules();
    openPages();
}

HandControlEditor::PageState HandControlEditor::pageState() const {
    if (!currentRecord()) {
        return PageState::Complete;
    }
    const bool inputChosen = inputBoards.chosen() && inputLoops.chosen() && manualCtrls.chosen();
    return inputChosen && !results.items.empty() ? PageState::Complete : PageState::Incomplete;
}

std::string HandControlEditor::missingParts() const {
    std::string line;
    noteMissing(line, !inputBoards.chosen() || !inputLoops.chosen() || !manualCtrls.chosen(),
                "No input is chosen.");
    noteMissing(line, results.items.empty(), "No output module is chosen.");
    return line;
}

void HandControlEditor::storeRecord(int index) {
    if (!inputBoards.chosen() || !inputLoops.chosen() || !manualCtrls.chosen()) {
        return;
    }
    HandControlPoint point = m_store.handControl.working.point(index);
    point.registration = reg ? 1 : 0;
    point.inputBoard = static_cast<std::uint8_t>(leadingInteger(inputBoards.text()));
    point.inputLoop = static_cast<std::uint8_t>(inputLoops.selected + 1);
    point.inputAddress = entryAddress(manualCtrls.text());
    m_store.handControl.working.setPoint(index, point);
}

void HandControlEditor::showRecord(int index) {
    const HandControlPoint point = m_store.handControl.working.point(index);
    reg = point.registration == 1;
    inputBoards.selectText(numberText(point.inputBoard, 2));
    inputLoops.select(point.inputLoop - 1);
    fillManualCtrls();
    manualCtrls.selectText(numberText(point.inputAddress, 3) + u" ManualCtrl");
    results = {{}, -1};
    if (point.outputHost != kUnset && point.outputBoard != kUnset && point.outputLoop != kUnset &&
        point.outputAddress != kNoAddress) {
        results.items.push_back(
            outputLine(point.outputHost, point.outputBoard, point.outputLoop, point.outputAddress));
    }
    updateOutputButtons();
}

void HandControlEditor::showNoPage() {
    reg = false;
    inputBoards.selected = -1;
    inputLoops.selected = -1;
    manualCtrls = awaitingBoardAndLoop(inputBoards, inputLoops);
    hosts.selected = -1;
    fillBoards();
    loops.selected = -1;
    awaitModules();
    results = {{}, -1};
    updateOutputButtons();
}

void HandControlEditor::beginRecord(int index) {
    m_inputBeforeAdd = {inputBoards.selected, inputLoops.selected, manualCtrls};
    HandControlPoint begun;
    begun.inputAddress = HandControlPoint::kBegunAddress;
    m_store.handControl.working.setPoint(index, begun);
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

void HandControlEditor::chooseInputBoard(int index) {
    inputBoards.select(index);
    inputLoops.selected = -1;
    manualCtrls = awaitingBoardAndLoop(inputBoards, inputLoops);
}

void HandControlEditor::chooseInputLoop(int index) {
    inputLoops.select(index);
    fillManualCtrls();
}

void HandControlEditor::fillManualCtrls() {
    manualCtrls = awaitingBoardAndLoop(inputBoards, inputLoops);
    if (!inputBoards.chosen() || !inputLoops.chosen()) {
        return;
    }
    const auto board = static_cast<int>(leadingInteger(inputBoards.text()));
    if (board < 1 || board > IoBoardRecord::kBoards) {
        return;
    }
    const int loop = inputLoops.selected + 1;
    const BoardDevices& devices = m_store.devices(board).working;
    std::vector<std::u16string> entries;
    for (int address = 1; address <= kAddressesPerLoop; ++address) {
        if (isManualCtrl(devices.device(loop, address))) {
            entries.push_back(numberText(address, 3) + u" ManualCtrl");
        }
    }
    manualCtrls = offeredList(std::move(entries), noModulesReason(kManualCtrls, board, loop));
}

bool HandControlEditor::ownHostChosen() const {
    return hosts.chosen() && hostNumber(hosts) == m_store.hostIndex() + 1;
}

void HandControlEditor::chooseHost(int index) {
    hosts.select(index);
    fillBoards();
    loops.selected = -1;
    awaitModules();
    updateOutputButtons();
}

void HandControlEditor::awaitModules() {
    clearModules();
    // The board list waits for the host too; the module list alone says so, the host list
    // standing right beside the board list.
    if (!hosts.chosen()) {
        modules.emptyReason = u"no host chosen: choose one to list what it holds";
    }
}

void HandControlEditor::fillBoards() {
    boards = {};
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
    awaitModules();
    updateOutputButtons();
}

void HandControlEditor::chooseLoop(int index) {
    loops.select(index);
    fillModules();
    updateOutputButtons();
}

void HandControlEditor::fillModules() {
    awaitModules();
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
    modules = moduleList(m_store.devices(board).working, board, loops.selected + 1,
                         m_store.deviceTypes, kOutputModules);
}

void HandControlEditor::addOutput(int index) {
    if (!hosts.chosen() || !boards.chosen() || !loops.chosen()) {
        return;
    }
    const long host = hostNumber(hosts);
    const int board = m_boardNumbers[static_cast<std::size_t>(boards.selected)];
    const int loop = loops.selected + 1;
    HandControlPoint point = m_store.handControl.working.point(index);
    point.outputHost = static_cast<std::uint8_t>(host);
    point.outputBoard = static_cast<std::uint8_t>(board);
    point.outputLoop = static_cast<std::uint8_t>(loop);
    point.outputAddress = entryAddress(modules.text());
    m_store.handControl.working.setPoint(index, point);
    results = {{outputLine(host, board, loop, point.outputAddress)}, -1};
    updateOutputButtons();
}

void HandControlEditor::removeOutput(int index) {
    HandControlPoint point = m_store.handControl.working.point(index);
    point.outputHost = kUnset;
    point.outputBoard = kUnset;
    point.outputLoop = kUnset;
    point.outputAddress = kNoAddress;
    m_store.handControl.working.setPoint(index, point);
    results = {{}, -1};
    updateOutputButtons();
}

} // namespace qb
