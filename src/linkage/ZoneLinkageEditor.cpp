#include "ZoneLinkageEditor.h"

#include "base/CellText.h"
#include "store/ConfigStore.h"

namespace qb {

namespace {

// Where the zone kind keeps its condition bytes.
constexpr InputLayout kZoneLayout{5, 38, 39, 36};
constexpr std::size_t kZoneByte = 4;

} // namespace

ZoneLinkageEditor::ZoneLinkageEditor(ConfigStore& store, Prompter& prompter)
    : LinkageEditor(store, prompter, 2) {}

void ZoneLinkageEditor::fillKindLists() {
    zones = {};
    for (int z = 1; z <= ZoneTable::kZones; ++z) {
        if (store().zones.working.zone(z).registration == 1) {
            zones.items.push_back(numberText(z, 2));
        }
    }
}

bool ZoneLinkageEditor::conditionComplete() const {
    return zones.chosen() && inputs.fireSignalsChosen() && inputs.anyInput();
}

bool ZoneLinkageEditor::conditionEmpty() const {
    return !zones.chosen() && !inputs.fireSignalsChosen() && !inputs.anyInput();
}

void ZoneLinkageEditor::storeKindParts(std::span<std::uint8_t> record) {
    if (zones.chosen()) {
        record[kZoneByte] = static_cast<std::uint8_t>(leadingInteger(zones.text()) - 1);
    }
    inputs.storeCondition(record, kZoneLayout, store().deviceTypes);
}

void ZoneLinkageEditor::showKindParts(std::span<const std::uint8_t> record) {
    zones.selectText(numberText(record[kZoneByte] + 1, 2));
    inputs.showCondition(record, kZoneLayout);
}

void ZoneLinkageEditor::clearKindParts() {
    zones.selected = -1;
    inputs.blank();
}

} // namespace qb
