#include "LinkageDiff.h"

#include "check/Finding.h"
#include "check/RecordFields.h"
#include "devices/MimicLedRecords.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"

#include <algorithm>
#include <array>
#include <optional>

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

// A rule as it means: its inputs, which it is matched by, and the view of all it holds.
struct Rule {
    int page = 0;
    std::vector<std::string> inputs;
    RecordFields view;
    bool matched = false;

    bool sameAs(const Rule& other) const {
        auto mine = view.outputs;
        auto theirs = other.view.outputs;
        std::sort(mine.begin(), mine.end());
        std::sort(theirs.begin(), theirs.end());
        return view.registration == other.view.registration && view.fields == other.view.fields &&
               mine == theirs;
    }
};

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
        text += (i ? "/" : "") + deviceType(codes[i], types);
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

std::vector<Rule> rulesOf(const ConfigStore& store, LinkageKind kind) {
    const LinkageInputTable& input = store.linkageInputs.working;
    const LinkageResultTable& result = store.linkageResults.working;
    const RuleLayout& layout = layoutOf(kind);
    std::vector<Rule> rules;
    const std::vector<int> chain = ruleChain(input, kind);
    for (std::size_t page = 0; page < chain.size(); ++page) {
        const auto record = input.record(chain[page]);
        if (kind == LinkageKind::RoomAndMimic && mimicrecords::isMimicRecord(record)) {
            continue; // a mimic LED record
        }
        Rule rule;
        rule.page = static_cast<int>(page + 1);
        rule.inputs = inputsOf(record, layout, store);
        RecordFields& view = rule.view;
        view.registration = record[regOffset(kind)];
        for (const std::string& input : rule.inputs) {
            view.add("", input);
        }
        const std::uint8_t delay = record[delayOffset(kind)];
        view.add("delay", delay == 0xFF ? "none" : number(delay, 3) + "s");
        if (layout.fireSignals) {
            const std::uint8_t count = record[layout.fireSignals];
            view.add("fire signals", count == 0xFF ? "none" : number(count, 2));
        }
        if (layout.scroll) {
            view.add("scroll", onOff(record[layout.scroll]));
        }
        view.hasOutputs = true;
        for (const int output : outputChain(input, result, chain[page], kind)) {
            view.outputs.push_back(outputText(result.record(output), kind, store));
        }
        rules.push_back(std::move(rule));
    }
    return rules;
}

// The rule of `candidates` not yet matched that has the inputs of `rule` and, when `exactly`,
// agrees with it in everything.
Rule* partnerOf(const Rule& rule, std::vector<Rule>& candidates, bool exactly) {
    for (Rule& candidate : candidates) {
        if (!candidate.matched && candidate.inputs == rule.inputs &&
            (!exactly || candidate.sameAs(rule))) {
            return &candidate;
        }
    }
    return nullptr;
}

void diffKind(const ConfigStore& before, const ConfigStore& after, LinkageKind kind,
              ChangeLines& lines) {
    std::vector<Rule> was = rulesOf(before, kind);
    std::vector<Rule> is = rulesOf(after, kind);
    // Rules that did not change at all are paired first, so that two rules of the same inputs
    // that only swapped places compare equal.
    std::vector<std::optional<std::size_t>> partner(is.size());
    for (bool exactly : {true, false}) {
        for (std::size_t i = 0; i < is.size(); ++i) {
            if (partner[i]) {
                continue;
            }
            if (Rule* found = partnerOf(is[i], was, exactly)) {
                found->matched = true;
                partner[i] = static_cast<std::size_t>(found - was.data());
            }
        }
    }
    const std::string kindName = linkageKindName(kind) + " rule ";
    for (std::size_t i = 0; i < is.size(); ++i) {
        const std::string subject = kindName + number(is[i].page);
        diffRecord(subject, partner[i] ? std::optional(was[*partner[i]].view) : std::nullopt,
                   is[i].view, lines);
    }
    for (const Rule& rule : was) {
        if (!rule.matched) {
            diffRecord(kindName + number(rule.page), rule.view, std::nullopt, lines);
        }
    }
}

} // namespace

void diffLinkageRules(const ConfigStore& before, const ConfigStore& after, ChangeLines& lines) {
    for (const LinkageKind kind : kAllLinkageKinds) {
        diffKind(before, after, kind, lines);
    }
}

} // namespace qb
