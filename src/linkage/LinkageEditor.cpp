#include "LinkageEditor.h"

#include "LinkageRules.h"
#include "base/CellText.h"
#include "base/Prompter.h"
#include "store/ConditionRecord.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/ModuleList.h"

#include <array>
#include <cstdio>

namespace qb {

namespace {

constexpr std::uint8_t kRegistered = 1;

// "00%ld", "0%ld", "%ld": a number padded to three digits.
std::u16string threeDigits(long n) {
    return numberText(n, 3);
}

} // namespace

LinkageEditor::LinkageEditor(ConfigStore& store, Prompter& prompter, LinkageKind kind)
    : PagedEditor(prompter, {}), m_store(store), m_kind(kind) {}

int LinkageEditor::pageCount() const {
    return countRules(m_store.linkageInputs.working, m_kind);
}

bool LinkageEditor::freeOutputExists() const {
    return lowestFreeOutput(m_store.linkageResults.working).has_value();
}

bool LinkageEditor::freeConditionExists() const {
    return lowestFreeCondition(m_store.linkageInputs.working).has_value();
}

std::optional<int> LinkageEditor::currentRecord() const {
    if (!m_record || m_store.linkageInputs.working.nextLink(*m_record) == kFreeLink) {
        return std::nullopt;
    }
    return m_record;
}

void LinkageEditor::open() {
    delay.items.clear();
    for (std::uint8_t seconds : kDelaySeconds) {
        delay.items.push_back(threeDigits(seconds) + u"s");
    }
    boards = offeredList(fittedBoardTexts(m_store.ioBoards.working), emptyreason::kNoBoards);
    loops.items = {u"01", u"02"};
    fillKindLists();
    m_record.reset();
    openPages();
}

LinkageEditor::PageState LinkageEditor::pageState() const {
    if (page() == 0) {
        return PageState::Complete;
    }
    const bool hasOutputs = !results.items.empty();
    if (!delay.chosen()) {
        return page() == 1 && conditionEmpty() && !hasOutputs ? PageState::Empty
                                                              : PageState::Incomplete;
    }
    return conditionComplete() && hasOutputs ? PageState::Complete : PageState::Incomplete;
}

std::string LinkageEditor::missingParts() const {
    std::string line;
    noteMissing(line, !delay.chosen(), "No delay is chosen.");
    noteMissing(line, !conditionComplete(), conditionMissing());
    noteMissing(line, results.items.empty(), "No output module is chosen.");
    return line;
}

void LinkageEditor::storePage() {
    const auto record = currentRecord();
    if (!record) {
        return;
    }
    const auto bytes = m_store.linkageInputs.working.record(*record);
    condition::mark(bytes, m_kind);
    bytes[regOffset(m_kind)] = reg ? 1 : 0;
    if (delay.chosen()) {
        bytes[delayOffset(m_kind)] = kDelaySeconds[static_cast<std::size_t>(delay.selected)];
    }
    storeKindParts(bytes);
}

void LinkageEditor::showPage() {
    m_record = recordAtPage(m_store.linkageInputs.working, m_kind, page());
    const auto record = currentRecord();
    if (!record) {
        showNoPage();
        return;
    }
    const auto bytes = m_store.linkageInputs.working.record(*record);
    delay.selected = -1;
    for (std::size_t i = 0; i < kDelaySeconds.size(); ++i) {
        if (kDelaySeconds[i] == bytes[delayOffset(m_kind)]) {
            delay.selected = static_cast<int>(i);
        }
    }
    reg = bytes[regOffset(m_kind)] == kRegistered;
    showKindParts(bytes);

    boards.selected = -1;
    loops.selected = -1;
    clearModules();
    results = {{}, -1};
    const LinkageInputTable& inputs = m_store.linkageInputs.working;
    const LinkageResultTable& outputs = m_store.linkageResults.working;
    const std::vector<int> chain = outputChain(inputs, outputs, *record, m_kind);
    for (std::size_t n = 0; n < chain.size(); ++n) {
        const auto output = outputs.record(chain[n]);
        results.items.push_back(
            outputDisplayText(static_cast<int>(n + 1), output[LinkageResultTable::kLoopIndex],
                              le::readU16(output, LinkageResultTable::kAddress), m_store));
    }
    explainResults();
    removeOutputEnabled = !results.items.empty();
    addOutputEnabled = false;
}

void LinkageEditor::showNoPage() {
    m_record.reset();
    delay.selected = -1;
    reg = false;
    clearKindParts();
    boards.selected = -1;
    loops.selected = -1;
    clearModules();
    results = {{}, -1};
    explainResults();
    addOutputEnabled = removeOutputEnabled = false;
}

bool LinkageEditor::canAppend() const {
    return freeConditionExists();
}

std::optional<int> LinkageEditor::appendPage() {
    LinkageInputTable& inputs = m_store.linkageInputs.working;
    if (!appendRule(inputs, m_store.linkageResults.working, m_kind)) {
        return std::nullopt;
    }
    return countRules(inputs, m_kind);
}

int LinkageEditor::deletePage(int page) {
    const int count = pageCount();
    const int next =
        deleteRule(m_store.linkageInputs.working, m_store.linkageResults.working, m_kind, page);
    return count <= 1 ? 0 : next;
}

void LinkageEditor::chooseBoard(int index) {
    boards.select(index);
    if (page() > 0) {
        loops.selected = -1;
        clearModules();
        addOutputEnabled = false;
    }
    chooseLoop(0);
}

void LinkageEditor::chooseLoop(int index) {
    if (page() == 0) {
        return;
    }
    loops.select(index);
    clearModules();
    addOutputEnabled = false;
    if (!boards.chosen()) {
        return;
    }
    fillModules();
    addOutputEnabled = !modules.items.empty() && freeOutputExists();
}

void LinkageEditor::fillModules() {
    const int board = boardNumber(boards.text());
    const int loop = loops.chosen() ? loops.selected + 1 : 1;
    if (board < 1 || board > kDeviceFileCount) {
        return;
    }
    modules = moduleList(m_store.devices(board).working, board, loop, m_store.deviceTypes,
                         kOutputModules);
}

void LinkageEditor::pressAddOutput() {
    if (!modules.chosen()) {
        prompter().inform(kNoModule, kProgramName);
        return;
    }
    const auto record = currentRecord();
    if (!record || !boards.chosen()) {
        return;
    }
    const std::u16string& entry = modules.text();
    const auto address = static_cast<std::uint16_t>(leadingInteger(entry.substr(0, 3)));
    const int board = boardNumber(boards.text());
    const int loop = loops.chosen() ? loops.selected + 1 : 1;
    const std::u16string line = boards.text() + u"-" + numberText(loop) + u"-" + entry;
    for (std::size_t j = 0; j < results.items.size(); ++j) {
        if (results.items[j] == threeDigits(static_cast<long>(j + 1)) + u" " + line) {
            return; // the module is an output of this rule already
        }
    }
    const auto loopIndex = static_cast<std::uint8_t>((board - 1) * 2 + (loop - 1));
    if (appendOutput(m_store.linkageInputs.working, m_store.linkageResults.working, *record, m_kind,
                     m_store.hostIndex(), loopIndex, address)) {
        results.items.push_back(outputDisplayText(static_cast<int>(results.items.size() + 1),
                                                  loopIndex, address, m_store));
    }
    removeOutputEnabled = true;
    addOutputEnabled = freeOutputExists();
}

void LinkageEditor::pressRemoveOutput() {
    if (!results.chosen()) {
        prompter().inform(kNoResult, kProgramName);
        return;
    }
    const auto record = currentRecord();
    if (!record) {
        return;
    }
    const int position = results.selected;
    removeOutput(m_store.linkageInputs.working, m_store.linkageResults.working, *record, m_kind,
                 position);
    results.items.erase(results.items.begin() + position);
    results.selected = -1;
    for (std::size_t n = 0; n < results.items.size(); ++n) {
        results.items[n].replace(0, 3, threeDigits(static_cast<long>(n + 1)));
    }
    addOutputEnabled = !modules.items.empty();
    removeOutputEnabled = !results.items.empty();
}

void LinkageEditor::pressExit() {
    m_store.linkageInputs.revert();
    m_store.linkageResults.revert();
}

} // namespace qb
