#include "InputTypeLinkageEditor.h"

#include "store/ConfigStore.h"

namespace qb {

InputTypeLinkageEditor::InputTypeLinkageEditor(ConfigStore& store, Prompter& prompter,
                                               LinkageKind kind, const InputLayout& layout)
    : LinkageEditor(store, prompter, kind), m_layout(layout) {}

bool InputTypeLinkageEditor::conditionComplete() const {
    return inputs.fireSignalsChosen() && inputs.anyInput();
}

bool InputTypeLinkageEditor::conditionEmpty() const {
    return !inputs.fireSignalsChosen() && !inputs.anyInput();
}

std::string InputTypeLinkageEditor::conditionMissing() const {
    std::string line;
    noteMissing(line, !inputs.anyInput(), "No input type is chosen.");
    noteMissing(line, !inputs.fireSignalsChosen(), "No number of fire signals is chosen.");
    return line;
}

void InputTypeLinkageEditor::storeKindParts(std::span<std::uint8_t> record) {
    inputs.storeCondition(record, m_layout, store().deviceTypes);
}

void InputTypeLinkageEditor::showKindParts(std::span<const std::uint8_t> record) {
    inputs.showCondition(record, m_layout);
}

} // namespace qb
