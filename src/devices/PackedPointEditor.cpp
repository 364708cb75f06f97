#include "PackedPointEditor.h"

#include "base/Prompter.h"

#include <algorithm>

namespace qb {

namespace {

constexpr std::uint8_t kFree = 0xFF;

PagedEditor::PagingRules withMaxPages(PagedEditor::PagingRules rules, int maxPages) {
    rules.maxPages = maxPages;
    return rules;
}

} // namespace

PackedPointEditor::PackedPointEditor(Prompter& prompter, PagingRules rules,
                                     std::span<std::uint8_t> records, std::size_t recordSize)
    : PagedEditor(prompter, withMaxPages(rules, static_cast<int>(records.size() / recordSize))),
      m_records(records), m_recordSize(recordSize) {}

std::span<std::uint8_t> PackedPointEditor::record(int index) {
    return m_records.subspan(m_recordSize * static_cast<std::size_t>(index), m_recordSize);
}

void PackedPointEditor::clearRecord(int index) {
    const auto bytes = record(index);
    std::fill(bytes.begin(), bytes.end(), kFree);
}

std::optional<int> PackedPointEditor::currentRecord() const {
    if (page() < 1 || page() > pageCount()) {
        return std::nullopt;
    }
    return page() - 1;
}

void PackedPointEditor::storePage() {
    if (const auto index = currentRecord()) {
        storeRecord(*index);
    }
}

void PackedPointEditor::showPage() {
    if (const auto index = currentRecord()) {
        showRecord(*index);
    } else {
        showNoPage();
    }
}

std::optional<int> PackedPointEditor::appendPage() {
    if (!canAppend()) {
        return std::nullopt;
    }
    const int index = pageCount();
    clearRecord(index);
    beginRecord(index);
    return index + 1;
}

int PackedPointEditor::deletePage(int page) {
    const int index = page - 1;
    const int count = pageCount();
    if (count <= 1 || index == count - 1) {
        clearRecord(index);
        return page - 1;
    }
    // The used records must stay together from the first: close the gap.
    const auto size = static_cast<std::ptrdiff_t>(m_recordSize);
    std::copy(m_records.begin() + (index + 1) * size, m_records.begin() + count * size,
              m_records.begin() + index * size);
    clearRecord(count - 1);
    return page;
}

void PackedPointEditor::updateOutputButtons() {
    const bool current = currentRecord().has_value();
    const bool hasOutput = !results.items.empty();
    addOutputEnabled = current && !hasOutput && !modules.items.empty();
    removeOutputEnabled = current && hasOutput;
    explainResults();
}

void PackedPointEditor::pressAddOutput() {
    const auto index = currentRecord();
    if (!index || !results.items.empty()) {
        return; // one output per point
    }
    if (!modules.chosen()) {
        prompter().inform(kNoModule, kProgramName);
        return;
    }
    addOutput(*index);
}

void PackedPointEditor::pressRemoveOutput() {
    if (!results.chosen()) {
        prompter().inform(kNoResult, kProgramName);
        return;
    }
    if (const auto index = currentRecord()) {
        removeOutput(*index);
    }
}

} // namespace qb
