#pragma once

#include "InputTypeLinkageEditor.h"

namespace qb {

// "General Linkage Setting": by input device types anywhere on the host.
class GeneralLinkageEditor : public InputTypeLinkageEditor {
public:
    GeneralLinkageEditor(ConfigStore& store, Prompter& prompter)
        : InputTypeLinkageEditor(store, prompter, LinkageKind::General, kGeneralInputs) {}
    std::u16string caption() const override { return u"General Linkage Setting"; }
};

} // namespace qb
