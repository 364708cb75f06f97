#include "GeneralLinkageEditor.h"

#include "store/ConfigStore.h"

namespace qb {

namespace {

// Where the general kind keeps its condition bytes.
constexpr InputLayout kGeneralLayout{4, 36, 37, 34};

} // namespace

GeneralLinkageEditor::GeneralLinkageEditor(ConfigStore& store, Prompter& prompter)
    : LinkageEditor(store, prompter, 1) {}

bool GeneralLinkageEditor::conditionComplete() const {
    return inputs.fireSignalsChosen() && inputs.anyInput();
}

bool GeneralLinkageEditor::conditionEmpty() const {
    return !inputs.fireSignalsChosen() && !inputs.anyInput();
}

void GeneralLinkageEditor::storeKindParts(std::span<std::uint8_t> record) {
    inputs.storeCondition(record, kGeneralLayout, store().deviceTypes);
}

void GeneralLinkageEditor::showKindParts(std::span<const std::uint8_t> record) {
    inputs.showCondition(record, kGeneralLayout);
}

} // namespace qb
