#pragma once

#include "InputTypeControls.h"
#include "LinkageEditor.h"

namespace qb {

// "General Linkage Setting": kind 1, by input device types anywhere on the host.
class GeneralLinkageEditor : public LinkageEditor {
public:
    GeneralLinkageEditor(ConfigStore& store, Prompter& prompter);
    std::u16string caption() const override { return u"General Linkage Setting"; }

    InputTypeControls inputs;

protected:
    bool conditionComplete() const override;
    bool conditionEmpty() const override;
    void storeKindParts(std::span<std::uint8_t> record) override;
    void showKindParts(std::span<const std::uint8_t> record) override;
    void clearKindParts() override { inputs.blank(); }
};

} // namespace qb
