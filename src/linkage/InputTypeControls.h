#pragma once

#include "base/EditorControls.h"
#include "store/ConditionRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace qb {

struct DeviceTypeTable;

// The input type part of the general and zone linkage editors: five check boxes, four input type
// lists and the fire signal count.
class InputTypeControls {
public:
    // Codes of the check boxes: "OptDet", "HeatDet", "ConvOptD", "ConvHeatD", "MCP".
    static constexpr std::array<std::uint8_t, 5> kBoxCodes{2, 3, 7, 8, 11};
    static constexpr int kLists = 4;

    InputTypeControls();

    std::array<bool, 5> boxes{};
    std::array<ListControl, kLists> lists; // "None" then 18 names
    ListControl fireSignals;               // "01" .. "99"

    // At least one box checked or one list on anything but "None".
    bool anyInput() const;
    bool fireSignalsChosen() const { return fireSignals.chosen(); }

    // Writes the input type list into `list` (26 bytes): the checked boxes' codes in ascending
    // order, then each list's code top to bottom, a repeated list choice once.
    void store(std::span<std::uint8_t> list, const DeviceTypeTable& table) const;
    // Shows a stored list: box codes tick their box, the other input codes fill the lists top to
    // bottom as long as one shows "None"; anything else is skipped.
    void show(std::span<const std::uint8_t> list);
    // The whole part within a condition record laid out as `layout`: the list, the fire signal
    // count when one is chosen, and the bytes around them that the controller expects.
    void storeCondition(std::span<std::uint8_t> record, const InputLayout& layout,
                        const DeviceTypeTable& table) const;
    void showCondition(std::span<const std::uint8_t> record, const InputLayout& layout);

    // Nothing ticked, every list on "None", no fire signal count.
    void clear();
    // The same with no list showing anything: a view without a rule.
    void blank();
};

} // namespace qb
