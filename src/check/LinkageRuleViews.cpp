#include "LinkageRuleViews.h"

#include "devices/MimicLedRecords.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"

#include <algorithm>
#include <array>

namespace qb {

namespace {

using namespace difftext;

// Where a kind keeps the fields that say what its rules listen to, besides Reg, delay and the
// outputs that every kind has (ConditionRecord.h). 0 (the kind byte) stands for a field the
// kind does not have.
struct RuleLayout {
    std::size_t zone;
    std::size_t building;
    std::size_t floorFrom;
    std::size_t floorTo;
    std::size_t roomFrom;
    std::size_t roomTo;
    std::size_t inputTypes; // InputLayout::kListBytes device type codes
    std::size_t fireSignals;
    std::size_t scroll;
    bool inputSlots; // SpecificSlot
};

constexpr std::array<RuleLayout, kLinkageKinds> kLayouts{{
    {0, 0, 0, 0, 0, 0, kGeneralInputs.inputTypes, kGeneralInputs.fireSignals, 0, false},
    {condition::kZone, 0, 0, 0, 0, 0, kZoneInputs.inputTypes, kZoneInputs.fireSignals, 0, false},
    {4, 5, 6, 7, 0, 0, 8, 40, 0, false},
    {4, 5, 6, 0, 0, 0, 7, 40, 0, false},
    {4, 5, 6, 0, 7, 8, 9, 42, 0, false},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, true},
    {0, 0, 0, 0, 0, 0, 4, 38, 32, false},
}};

const RuleLayout& layoutOf(LinkageKind kind) {
    return kLayouts[static_cast<std::size_t>(kindNumber(kind) - 1)];
}

// Floors 1 and up are stored as floor - 1, the basement floors as the floor as a signed byte.
std::string floorText(std::uint8_t code) {
    return number(code >= 246 ? code - 256 : code + 1);
}

std::string typesText(std::span<const std::uint8_t> record, std::size_t at,
                      const DeviceTypeTable& types) {
    std::vector<int> codes;
    for (std::size_t i = 0; i < InputLayout::kListBytes; ++i) {
        const std::uint8_t code = record[at + i];
        if (code != 0 && code != 0xFF) {
            codes.push_back(code);
        }
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    std::string text = "types ";
    for (std::size_t i = 0; i < codes.size(); ++i) {
        text.append(i ? "/" : "").append(deviceType(codes[i], types));
    }
    return codes.empty() ? "no types" : text;
}

std::string slotsText(std::span<const std::uint8_t> record, const ConfigStore& store) {
    using Slot = SpecificSlot;
    const bool legacy = store.systemCode() == SystemCode::TwoLoopSo12;
    std::vector<std::string> devices;
    for (int i = 0; i < Slot::kSlots; ++i) {
        const auto slot = Slot::of(record, i);
        // An emptied slot keeps its board and address; what marks it is its host, or, under
        // system code 0, which has no hosts there, its loop.
        const std::uint8_t loop = slot[Slot::kLoop];
        if ((legacy ? loop : slot[Slot::kHost]) == Slot::kNone) {
            continue;
        }
        const std::string name =
            device(slot[Slot::kBoard], legacy ? loop : 1, le::readU16(slot, Slot::kAddress));
        devices.push_back(legacy ? name : name + onHost(slot[Slot::kHost], store.hostIndex() + 1));
    }
    std::sort(devices.begin(), devices.end());
    std::string text = "inputs";
    for (const std::string& name : devices) {
        text += ' ' + name;
    }
    return devices.empty() ? "no inputs" : text;
}

std::vector<std::string> inputsOf(std::span<const std::uint8_t> record, const RuleLayout& layout,
                                  const ConfigStore& store) {
    std::vector<std::string> inputs;
    if (layout.inputSlots) {
        inputs.push_back(slotsText(record, store));
        return inputs;
    }
    if (layout.zone) {
        inputs.push_back("zone " + number(record[layout.zone] + 1, 2));
    }
    if (layout.building) {
        inputs.push_back("building " + number(record[layout.building] + 1, 2));
    }
    if (layout.floorFrom) {
        inputs.push_back((layout.floorTo ? "floors " : "floor ") +
                         floorText(record[layout.floorFrom]) +
                         (layout.floorTo ? " to " + floorText(record[layout.floorTo]) : ""));
    }
    if (layout.roomFrom) {
        inputs.push_back("rooms " + number(record[layout.roomFrom] + 1) + " to " +
                         number(record[layout.roomTo] + 1));
    }
    inputs.push_back(typesText(record, layout.inputTypes, store.deviceTypes));
    return inputs;
}

std::string outputText(std::span<const std::uint8_t> output, LinkageKind kind,
                       const ConfigStore& store) {
    const std::uint16_t address = le::readU16(output, LinkageResultTable::kAddress);
    if (kind == LinkageKind::FloorByType) {
        return "type " + deviceType(address & 0xFF, store.deviceTypes);
    }
    const int loopIndex = output[LinkageResultTable::kLoopIndex];
    return difftext::output(loopIndex / 2 + 1, loopIndex % 2 + 1, address) +
           onHost(output[LinkageResultTable::kHostIndex] + 1, store.hostIndex() + 1);
}

} // namespace

std::vector<RuleView> ruleViews(const ConfigStore& store, LinkageKind kind) {
    std::vector<RuleView> rules;
    if (!isLinkageKind(kind)) {
        return rules;
    }
    const LinkageInputTable& input = store.linkageInputs.working;
    const LinkageResultTable& result = store.linkageResults.working;
    const RuleLayout& layout = layoutOf(kind);
    const std::vector<int> chain = ruleChain(input, kind);
    rules.reserve(chain.size());
    for (std::size_t page = 0; page < chain.size(); ++page) {
        const auto record = input.record(chain[page]);
        if (kind == LinkageKind::RoomAndMimic && mimicrecords::isMimicRecord(record)) {
            continue; // a mimic LED record
        }
        RuleView& rule = rules.emplace_back();
        rule.page = static_cast<int>(page + 1);
        rule.record = chain[page];
        rule.inputs = inputsOf(record, layout, store);
        RecordFields& view = rule.view;
        view.registration = record[regOffset(kind)];
        for (const std::string& text : rule.inputs) {
            view.add("", text);
        }
        const std::uint8_t delay = record[delayOffset(kind)];
        view.add("delay", delay == 0xFF ? "none" : number(delay, 3) + "s");
        if (layout.fireSignals) {
            const std::uint8_t count = record[layout.fireSignals];
            rule.fireSignals = count;
            view.add("fire signals", count == 0xFF ? "none" : number(count, 2));
        }
        if (layout.scroll) {
            view.add("scroll", onOff(record[layout.scroll]));
        }
        view.hasOutputs = true;
        rule.outputRecords = outputChain(input, result, chain[page], kind);
        for (const int output : rule.outputRecords) {
            view.outputs.push_back(outputText(result.record(output), kind, store));
        }
    }
    return rules;
}

} // namespace qb
