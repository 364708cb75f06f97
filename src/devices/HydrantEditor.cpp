#include "HydrantEditor.h"

#include "HydrantDevices.h"
#include "base/CellText.h"
#include "base/Prompter.h"
#include "store/ConfigStore.h"

#include <algorithm>

namespace qb {

namespace {

using hydrant::entryAddress;
using hydrant::Output;

constexpr int kBatchNone = 0;
constexpr int kBatchAll = 1;
constexpr int kBatchFirstBoard = 2;

} // namespace

HydrantEditor::HydrantEditor(ConfigStore& store, Prompter& prompter)
    : PagedEditor(prompter, {.fullMessage = kInputsFull,
                             .plainLabel = true,
                             .storeWhenMoving = false,
                             .completeBeforeMoving = false,
                             .maxPages = hydrant::kInputs}),
      m_store(store) {}

void HydrantEditor::open() {
    m_boardChoices.clear();
    m_batchBoards.clear();
    std::vector<std::u16string> boardNames;
    for (int board = 1; board <= IoBoardRecord::kBoards; ++board) {
        if (m_store.ioBoards.working.registration(board) == 1) {
            m_boardChoices.push_back({static_cast<std::uint8_t>(board), board});
            m_batchBoards.push_back(board);
            boardNames.push_back(numberText(board, 2));
        }
    }
    batch.items = {u"None", u"All"};
    batch.items.insert(batch.items.end(), boardNames.begin(), boardNames.end());
    m_boardChoices.push_back({hydrant::kV1Code, kVirtualBoard1});
    m_boardChoices.push_back({hydrant::kV2Code, kVirtualBoard2});
    boardNames.insert(boardNames.end(), {u"V1", u"V2"});
    inputBoards = boards = {boardNames, -1};
    inputLoops = loops = {{u"01", u"02"}, -1};
    clearModules();
    m_records = hydrant::usedInputs(m_store.hydrant.working);
    openPages();
}

int HydrantEditor::pageCount() const {
    return static_cast<int>(m_records.size());
}

int HydrantEditor::currentInput() const {
    return page() >= 1 && page() <= pageCount() ? m_records[static_cast<std::size_t>(page() - 1)]
                                                : -1;
}

HydrantEditor::PageState HydrantEditor::pageState() const {
    if (page() == 0) {
        return PageState::Complete;
    }
    const Point& p = m_point;
    if (p.board && p.loop && p.address && !p.outputs.empty()) {
        return PageState::Complete;
    }
    const bool nothing = !p.board && !p.loop && !p.address && p.outputs.empty();
    // A stored page never counts as empty: OK must not drop it unasked.
    return nothing && currentInput() < 0 ? PageState::Empty : PageState::Incomplete;
}

std::string HydrantEditor::missingParts() const {
    const Point& p = m_point;
    std::string line;
    noteMissing(line, !p.board || !p.loop || !p.address, "No hydrant input is chosen.");
    noteMissing(line, p.outputs.empty(), "No hydrant module is chosen.");
    return line;
}

// The room is checked before anything is written, so a page is stored whole or not at all. The
// lists never let a page outgrow the table, so this only guards against a count gone wrong.
bool HydrantEditor::admitPage() {
    if (currentInput() < 0 && !hydrant::firstFreeInput(m_store.hydrant.working)) {
        prompter().inform(kInputsFull, kProgramName);
        return false;
    }
    if (m_point.rule == hydrant::kRuleList && !listFits(m_point.outputs.size())) {
        prompter().inform(kOutputsFull, kProgramName);
        return false;
    }
    return true;
}

void HydrantEditor::storePage() {
    if (page() == 0 || pageState() != PageState::Complete || !admitPage()) {
        return;
    }
    const int input =
        currentInput() >= 0 ? currentInput() : *hydrant::firstFreeInput(m_store.hydrant.working);
    const hydrant::Input fields{reg, *m_point.board, *m_point.loop, *m_point.address, m_point.rule};
    if (hydrant::storeInput(m_store.hydrant.working, input, fields, m_point.outputs)) {
        m_records[static_cast<std::size_t>(page() - 1)] = input;
    }
}

void HydrantEditor::showPage() {
    m_point = {};
    reg = false;
    if (const int input = currentInput(); input >= 0) {
        const HydrantTable& table = m_store.hydrant.working;
        const hydrant::Input fields = hydrant::readInput(table, input);
        reg = fields.registered;
        m_point = {fields.board, fields.loop, fields.address, fields.rule,
                   hydrant::readOutputs(table, input)};
    }
    inputBoards.selected = shownInputBoard();
    inputLoops.select(m_point.loop ? *m_point.loop - 1 : -1);
    mirrorPoint();
}

void HydrantEditor::showNoPage() {
    m_point = {};
    reg = false;
    inputBoards.selected = inputLoops.selected = -1;
    mirrorPoint();
}

std::optional<int> HydrantEditor::appendPage() {
    if (!canAppend()) {
        return std::nullopt;
    }
    m_records.push_back(-1);
    return pageCount();
}

int HydrantEditor::deletePage(int page) {
    const auto at = m_records.begin() + (page - 1);
    if (*at >= 0) {
        hydrant::freeInput(m_store.hydrant.working, *at);
    }
    m_records.erase(at);
    return std::min(page, pageCount());
}

// Board 40 and "V1" share the code 40: the board whose device at the page's loop and address is
// a hydrant input is shown, else the first of them the list offers.
int HydrantEditor::shownInputBoard() const {
    int first = -1;
    for (std::size_t i = 0; m_point.board && i < m_boardChoices.size(); ++i) {
        if (m_boardChoices[i].code != *m_point.board) {
            continue;
        }
        first = first < 0 ? static_cast<int>(i) : first;
        if (hydrant::hydrantInputAt(m_store, m_boardChoices[i].file, m_point.loop.value_or(0),
                                    m_point.address.value_or(0))) {
            return static_cast<int>(i);
        }
    }
    return first;
}

int HydrantEditor::outputRoom() const {
    return hydrant::furtherRoom(m_store.hydrant.working, currentInput());
}

bool HydrantEditor::listFits(std::size_t outputs) const {
    return outputs <= 1 || static_cast<int>(outputs) - 1 <= outputRoom();
}

void HydrantEditor::fillInputs() {
    inputs = awaitingBoardAndLoop(inputBoards, inputLoops);
    if (!inputBoards.chosen() || !inputLoops.chosen()) {
        return;
    }
    const int file = m_boardChoices[static_cast<std::size_t>(inputBoards.selected)].file;
    inputs = hydrant::inputList(m_store.devices(file).working, file, inputLoops.selected + 1);
    for (std::size_t n = 0; m_point.address && n < inputs.items.size(); ++n) {
        if (entryAddress(inputs.items[n]) == *m_point.address) {
            inputs.selected = static_cast<int>(n);
        }
    }
}

void HydrantEditor::fillModules() {
    clearModules();
    if (boards.chosen() && loops.chosen()) {
        const int file = m_boardChoices[static_cast<std::size_t>(boards.selected)].file;
        modules = hydrant::moduleList(m_store.devices(file).working, file, loops.selected + 1,
                                      m_store.deviceTypes);
    }
    addOutputEnabled = page() > 0 && !modules.items.empty();
}

void HydrantEditor::mirrorPoint() {
    fillInputs();
    const std::uint8_t rule = m_point.rule;
    const auto board = std::find(m_batchBoards.begin(), m_batchBoards.end(), rule);
    batch.selected = rule == hydrant::kRuleList  ? kBatchNone
                     : rule == hydrant::kRuleAll ? kBatchAll
                     : board != m_batchBoards.end()
                         ? kBatchFirstBoard + static_cast<int>(board - m_batchBoards.begin())
                         : -1; // a loaded rule no list entry names: kept as it is
    mirrorResults();
}

void HydrantEditor::mirrorResults() {
    results = {{}, -1};
    for (std::size_t n = 0; n < m_point.outputs.size(); ++n) {
        results.items.push_back(hydrant::resultLine(static_cast<int>(n + 1), m_point.outputs[n]));
    }
    addOutputEnabled = page() > 0 && !modules.items.empty();
    removeOutputEnabled = page() > 0 && !results.items.empty();
    explainResults();
}

void HydrantEditor::chooseInputBoard(int index) {
    if (page() == 0) {
        return;
    }
    inputBoards.select(index);
    m_point.board.reset();
    if (inputBoards.chosen()) {
        m_point.board = m_boardChoices[static_cast<std::size_t>(index)].code;
    }
    m_point.address.reset(); // an address of the board before names another device here
    fillInputs();
}

void HydrantEditor::chooseInputLoop(int index) {
    if (page() == 0) {
        return;
    }
    if (!inputBoards.chosen()) {
        prompter().inform(kChooseBoard, kProgramName);
        return;
    }
    inputLoops.select(index);
    m_point.loop.reset();
    if (inputLoops.chosen()) {
        m_point.loop = static_cast<std::uint8_t>(index + 1);
    }
    m_point.address.reset();
    fillInputs();
}

void HydrantEditor::chooseInput(int index) {
    if (page() == 0) {
        return;
    }
    if (!inputBoards.chosen()) {
        prompter().inform(kChooseBoard, kProgramName);
        return;
    }
    if (!inputLoops.chosen()) {
        prompter().inform(kChooseLoop, kProgramName);
        return;
    }
    inputs.select(index);
    m_point.address.reset();
    if (inputs.chosen()) {
        m_point.address = entryAddress(inputs.text());
    }
}

std::vector<Output> HydrantEditor::batchModules(int index) const {
    if (index >= kBatchFirstBoard) {
        return hydrant::modulesOfBoards(
            m_store, {m_batchBoards[static_cast<std::size_t>(index - kBatchFirstBoard)]});
    }
    return hydrant::modulesOfBoards(m_store, m_batchBoards);
}

void HydrantEditor::chooseBatch(int index) {
    if (page() == 0 || index < 0 || index >= static_cast<int>(batch.items.size())) {
        return;
    }
    if (index == kBatchNone) {
        // Back to the page's own list, every line of which the table must then hold.
        if (!listFits(m_point.outputs.size())) {
            prompter().inform(kOutputsFull, kProgramName);
        } else {
            m_point.rule = hydrant::kRuleList;
        }
        mirrorPoint();
        return;
    }
    std::vector<Output> found = batchModules(index);
    if (found.empty()) {
        prompter().inform(kNoHydrant, kProgramName);
    } else {
        m_point.rule = index == kBatchAll
                           ? hydrant::kRuleAll
                           : static_cast<std::uint8_t>(
                                 m_batchBoards[static_cast<std::size_t>(index - kBatchFirstBoard)]);
        m_point.outputs = std::move(found);
    }
    mirrorPoint();
}

void HydrantEditor::chooseBoard(int index) {
    boards.select(index);
    fillModules();
}

void HydrantEditor::chooseLoop(int index) {
    if (!boards.chosen()) {
        prompter().inform(kChooseBoard, kProgramName);
        return;
    }
    loops.select(index);
    fillModules();
}

void HydrantEditor::pressAddOutput() {
    if (!modules.chosen()) {
        prompter().inform(kNoModule, kProgramName);
        return;
    }
    if (page() == 0 || !boards.chosen() || !loops.chosen()) {
        return;
    }
    const Output output{m_boardChoices[static_cast<std::size_t>(boards.selected)].code,
                        static_cast<std::uint8_t>(loops.selected + 1),
                        entryAddress(modules.text())};
    std::vector<Output>& outputs = m_point.outputs;
    if (std::find(outputs.begin(), outputs.end(), output) != outputs.end()) {
        prompter().inform(kModuleAdded, kProgramName);
        return;
    }
    // A batch rule keeps only the first line, so only the own list needs the room.
    if (m_point.rule == hydrant::kRuleList && !listFits(outputs.size() + 1)) {
        prompter().inform(kOutputsFull, kProgramName);
        return;
    }
    outputs.push_back(output);
    mirrorResults();
}

void HydrantEditor::pressRemoveOutput() {
    if (!results.chosen()) {
        prompter().inform(kNoResult, kProgramName);
        return;
    }
    if (page() == 0) {
        return;
    }
    m_point.outputs.erase(m_point.outputs.begin() + results.selected);
    mirrorResults();
}

} // namespace qb
