#pragma once

#include "InputTypeLinkageEditor.h"
#include "base/EditorControls.h"

namespace qb {

// "Zone Linkage Setting": as the general editor, but limited to one zone.
class ZoneLinkageEditor : public InputTypeLinkageEditor {
public:
    ZoneLinkageEditor(ConfigStore& store, Prompter& prompter);
    std::u16string caption() const override { return u"Zone Linkage Setting"; }
    std::u16string exitLabel() const override { return u"Cancel"; }

    ListControl zones; // registered zones, "01" .. "32"

protected:
    void fillKindLists() override;
    bool conditionComplete() const override;
    bool conditionEmpty() const override;
    std::string conditionMissing() const override;
    void storeKindParts(std::span<std::uint8_t> record) override;
    void showKindParts(std::span<const std::uint8_t> record) override;
    void clearKindParts() override;
};

} // namespace qb
