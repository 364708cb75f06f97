#pragma once

#include "InputTypeControls.h"
#include "LinkageEditor.h"
#include "store/ConditionRecord.h"

namespace qb {

// The general and zone linkage editors: a rule fires on input device types, whose check boxes,
// lists and fire signal count each kind keeps at its own offsets.
class InputTypeLinkageEditor : public LinkageEditor {
public:
    InputTypeControls inputs;

protected:
    InputTypeLinkageEditor(ConfigStore& store, Prompter& prompter, LinkageKind kind,
                           const InputLayout& layout);

    bool conditionComplete() const override;
    bool conditionEmpty() const override;
    std::string conditionMissing() const override;
    void storeKindParts(std::span<std::uint8_t> record) override;
    void showKindParts(std::span<const std::uint8_t> record) override;
    void clearKindParts() override { inputs.blank(); }

private:
    const InputLayout m_layout;
};

} // namespace qb
