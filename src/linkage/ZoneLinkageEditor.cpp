#include "ZoneLinkageEditor.h"

#include "base/CellText.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/ModuleList.h"

namespace qb {

ZoneLinkageEditor::ZoneLinkageEditor(ConfigStore& store, Prompter& prompter)
    : InputTypeLinkageEditor(store, prompter, LinkageKind::Zone, kZoneInputs) {}

void ZoneLinkageEditor::fillKindLists() {
    zones = offeredList(enabledZoneTexts(store().zones.working), emptyreason::kNoZones);
}

bool ZoneLinkageEditor::conditionComplete() const {
    return zones.chosen() && InputTypeLinkageEditor::conditionComplete();
}

bool ZoneLinkageEditor::conditionEmpty() const {
    return !zones.chosen() && InputTypeLinkageEditor::conditionEmpty();
}

std::string ZoneLinkageEditor::conditionMissing() const {
    std::string line;
    noteMissing(line, !zones.chosen(), "No zone is chosen.");
    noteMissing(line, true, InputTypeLinkageEditor::conditionMissing());
    return line;
}

void ZoneLinkageEditor::storeKindParts(std::span<std::uint8_t> record) {
    if (zones.chosen()) {
        record[condition::kZone] = static_cast<std::uint8_t>(leadingInteger(zones.text()) - 1);
    }
    InputTypeLinkageEditor::storeKindParts(record);
}

void ZoneLinkageEditor::showKindParts(std::span<const std::uint8_t> record) {
    zones.selectText(numberText(record[condition::kZone] + 1, 2));
    InputTypeLinkageEditor::showKindParts(record);
}

void ZoneLinkageEditor::clearKindParts() {
    zones.selected = -1;
    InputTypeLinkageEditor::clearKindParts();
}

} // namespace qb
