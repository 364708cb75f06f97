#include "PanelDiff.h"

#include "check/PanelViews.h"
#include "store/ConfigStore.h"

#include <algorithm>
#include <functional>

namespace qb {

namespace {

using namespace difftext;

// The view of slot `index` of a store's table, nothing for a free slot.
using ViewOf = std::function<std::optional<RecordFields>(const ConfigStore&, int index)>;

// How many slots of each side's table count: all of them, or the points of a packed table.
struct SlotCounts {
    int before;
    int after;
};

// The counted slots, named from 1: "keypad point 4". Tables alike in every byte (the usual case)
// are passed over at once.
void diffSlots(const std::string& name, SlotCounts counts, const ViewOf& viewOf,
               const ConfigStore& before, const ConfigStore& after, ChangeLines& lines,
               bool alike) {
    if (alike) {
        return;
    }
    const auto view = [&](const ConfigStore& store, int count, int index) {
        return index < count ? viewOf(store, index) : std::nullopt;
    };
    for (int index = 0; index < std::max(counts.before, counts.after); ++index) {
        diffRecord(name + ' ' + number(index + 1), view(before, counts.before, index),
                   view(after, counts.after, index), lines);
    }
}

} // namespace

void diffPanels(const ConfigStore& before, const ConfigStore& after, ChangeLines& lines) {
    const auto alike = [&](auto table) {
        return (before.*table).working == (after.*table).working;
    };
    // The packed tables end at their first free slot: nothing after it is compared.
    const auto packed = [&](auto table) {
        return SlotCounts{(before.*table).working.pointCount(),
                          (after.*table).working.pointCount()};
    };
    const auto all = [](int slots) { return SlotCounts{slots, slots}; };
    diffSlots("keypad point", packed(&ConfigStore::keypad), keypadPointView, before, after, lines,
              alike(&ConfigStore::keypad));
    diffSlots("hand control point", packed(&ConfigStore::handControl), handControlPointView, before,
              after, lines, alike(&ConfigStore::handControl));
    diffSlots("broadcast controller", all(BroadcastTable::kControllers), broadcastControllerView,
              before, after, lines, alike(&ConfigStore::broadcast));
    diffSlots("broadcast point", all(BroadcastPointTable::kRecords), broadcastPointView, before,
              after, lines, alike(&ConfigStore::broadcastPoints));
    diffSlots("hydrant input", all(HydrantTable::kInputs), hydrantInputView, before, after, lines,
              alike(&ConfigStore::hydrant));
    diffSlots("gas zone", all(GasZoneTable::kZones), gasZoneView, before, after, lines,
              alike(&ConfigStore::gasZones));
}

} // namespace qb
