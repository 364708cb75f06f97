#include "Checks.h"
#include "devices/HydrantChains.h"
#include "files/FileNames.h"
#include "store/ConfigStore.h"

#include <algorithm>

namespace qb {

namespace {

// "5, 9, 12 and 40 more"
std::string someIndices(const std::vector<int>& indices) {
    constexpr std::size_t kShown = 8;
    std::string text;
    for (std::size_t i = 0; i < indices.size() && i < kShown; ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(indices[i]);
    }
    if (indices.size() > kShown) {
        text += " and " + std::to_string(indices.size() - kShown) + " more";
    }
    return text;
}

// One pool of chained records: which chain holds each record, so that a record on two chains,
// a chain that comes back on itself and a record in use that no chain reaches are all found.
class PoolWalk {
public:
    static constexpr int kNobody = -1;

    PoolWalk(int records, std::string recordName)
        : m_owner(records, kNobody), m_recordName(std::move(recordName)) {}

    // Walks the chain `owner` (any number naming it) from `start`. `next` gives a record's link;
    // `usable` says whether an index may hold a record of this chain. Returns the records in
    // order, up to the first damage, which `damage` is told in words.
    template <class Next, class Usable, class Damage>
    std::vector<int> walk(std::uint32_t start, int owner, const Next& next, const Usable& usable,
                          const Damage& damage) {
        std::vector<int> chain;
        for (std::uint32_t index = start; index != kChainEnd;) {
            if (!usable(index)) {
                damage("a link leads to " + m_recordName + " " + std::to_string(index) +
                       ", outside the pool");
                break;
            }
            const int at = static_cast<int>(index);
            if (m_owner[at] == owner) {
                damage("the chain comes back to " + m_recordName + " " + std::to_string(at) +
                       " (a loop)");
                break;
            }
            if (m_owner[at] != kNobody) {
                damage(m_recordName + " " + std::to_string(at) + " is also on another chain");
                break;
            }
            const std::uint16_t link = next(at);
            if (link == kFreeLink) {
                damage("a link leads to " + m_recordName + " " + std::to_string(at) +
                       ", which is free");
                break;
            }
            m_owner[at] = owner;
            chain.push_back(at);
            index = link;
        }
        return chain;
    }

    // The records in use (a link other than "free") that no chain reached.
    template <class Next> std::vector<int> leaked(const Next& next, int from = 0) const {
        std::vector<int> records;
        for (int at = from; at < static_cast<int>(m_owner.size()); ++at) {
            if (m_owner[at] == kNobody && next(at) != kFreeLink) {
                records.push_back(at);
            }
        }
        return records;
    }

private:
    std::vector<int> m_owner;
    std::string m_recordName;
};

void checkLinkage(const ConfigStore& store, bool forController, Findings& findings) {
    const LinkageInputTable& input = store.linkageInputs.working;
    const LinkageResultTable& result = store.linkageResults.working;
    const std::string inputFile = fileName(store.hostIndex(), names::kLinkageInput);
    const std::string resultFile = fileName(store.hostIndex(), names::kLinkageResult);
    const auto error = [&](const std::string& file, std::string where, std::string text,
                           int item = 0) {
        findings.add(Severity::Error, FindingPage::Linkage, file, std::move(where), std::move(text),
                     item);
    };

    PoolWalk conditions(LinkageInputTable::kRecords, "condition record");
    PoolWalk outputs(LinkageResultTable::kRecords, "output record");
    const auto conditionLink = [&](int at) { return input.nextLink(at); };
    const auto outputLink = [&](int at) { return result.nextLink(at); };
    const auto anyCondition = [](std::uint32_t i) { return LinkageInputTable::isRecordIndex(i); };
    const auto anyOutput = [](std::uint32_t i) { return LinkageResultTable::isRecordIndex(i); };
    int ruleId = 0;
    for (const LinkageKind kind : kAllLinkageKinds) {
        const std::string list = linkageKindName(kind) + " list";
        const std::uint16_t head = input.head(kind);
        if (head == kFreeLink) {
            continue; // no rules of this kind
        }
        const std::vector<int> rules =
            conditions.walk(head, kindNumber(kind), conditionLink, anyCondition,
                            [&](std::string text) { error(inputFile, list, std::move(text)); });
        for (std::size_t page = 1; page <= rules.size(); ++page) {
            const int record = rules[page - 1];
            const std::string rule = ruleName(kind, static_cast<int>(page));
            const auto bytes = input.record(record);
            if (condition::kindOf(bytes) != kind) {
                error(inputFile, rule,
                      "condition record " + std::to_string(record) + " has kind byte " +
                          std::to_string(bytes[condition::kKind]) + ", not that of its list (" +
                          std::to_string(kindNumber(kind)) + ")",
                      static_cast<int>(page));
            }
            const std::uint16_t first = le::readU16(bytes, firstOutputOffset(kind));
            if (first == kFreeLink) {
                continue;
            }
            outputs.walk(first, ruleId++, outputLink, anyOutput, [&](std::string text) {
                error(resultFile, rule, "outputs: " + std::move(text), static_cast<int>(page));
            });
        }
    }
    if (const std::vector<int> lost = conditions.leaked(conditionLink); !lost.empty()) {
        error(inputFile, {},
              std::to_string(lost.size()) +
                  " condition records in use that no list reaches: " + someIndices(lost));
    }
    if (const std::vector<int> lost = outputs.leaked(outputLink); !lost.empty()) {
        error(resultFile, {},
              std::to_string(lost.size()) +
                  " output records in use that no rule reaches: " + someIndices(lost));
    }

    const std::uint16_t stored = input.registeredRuleCount();
    const std::uint16_t computed = registeredRuleCount(input);
    if (stored != computed) {
        findings.add(forController ? Severity::Error : Severity::Warning, FindingPage::Linkage,
                     inputFile, {},
                     "the registered-rule count says " + std::to_string(stored) +
                         ", the rules make it " + std::to_string(computed) + ": run Data export");
    }
}

void checkHydrant(const ConfigStore& store, Findings& findings) {
    const HydrantTable& table = store.hydrant.working;
    const std::string file = fileName(store.hostIndex(), names::kHydrant);
    const auto outputRecord = [&](int at) { return table.record(HydrantTable::kInputs + at); };
    const auto link = [&](int at) { return le::readU16(outputRecord(at), HydrantTable::kNext); };
    // Further outputs come from the records after the inputs' own first ones.
    const auto further = [](std::uint32_t i) {
        return i >= static_cast<std::uint32_t>(HydrantTable::kInputs) &&
               i < static_cast<std::uint32_t>(HydrantTable::kOutputs);
    };
    PoolWalk pool(HydrantTable::kOutputs, "output record");
    for (int in = 0; in < HydrantTable::kInputs; ++in) {
        if (!hydrant::inputUsed(table, in) || link(in) == HydrantTable::kFreeLink) {
            continue; // no outputs to walk
        }
        const std::string where = "hydrant input " + std::to_string(in + 1);
        pool.walk(
            static_cast<std::uint32_t>(in), in, link,
            [&](std::uint32_t i) { return i == static_cast<std::uint32_t>(in) || further(i); },
            [&](std::string text) {
                findings.add(Severity::Error, FindingPage::Hydrant, file, where,
                             "outputs: " + std::move(text), in + 1);
            });
    }
    if (const std::vector<int> lost = pool.leaked(link, HydrantTable::kInputs); !lost.empty()) {
        findings.add(Severity::Error, FindingPage::Hydrant, file, {},
                     std::to_string(lost.size()) +
                         " output records in use that no input reaches: " + someIndices(lost));
    }
}

// Tables whose used slots lie together from the first: the controller reads up to the first
// free slot, so a used slot after it is lost.
template <class Used>
void checkPacked(int slots, const Used& used, FindingPage page, const std::string& file,
                 const std::string& slotName, Findings& findings) {
    int firstFree = slots;
    std::vector<int> stranded;
    for (int n = 0; n < slots; ++n) {
        if (!used(n)) {
            firstFree = std::min(firstFree, n);
        } else if (n > firstFree) {
            stranded.push_back(n + 1);
        }
    }
    if (!stranded.empty()) {
        findings.add(Severity::Error, page, file, {},
                     std::to_string(stranded.size()) + " " + slotName +
                         " in use after the first free one, which the controller never reads: " +
                         someIndices(stranded));
    }
}

} // namespace

void checkChains(const ConfigStore& store, bool forController, Findings& findings) {
    checkLinkage(store, forController, findings);
    checkHydrant(store, findings);
    const std::uint8_t host = store.hostIndex();
    const KeypadTable& keypad = store.keypad.working;
    checkPacked(
        KeypadTable::kRecords, [&](int n) { return keypad.point(n).button != KeypadPoint::kFree; },
        FindingPage::Keypad, fileName(host, names::kKeypad), "keypad points", findings);
    const HandControlTable& hand = store.handControl.working;
    checkPacked(
        HandControlTable::kRecords,
        [&](int n) { return hand.point(n).inputAddress != HandControlPoint::kNoAddress; },
        FindingPage::HandControl, fileName(host, names::kHandControl), "hand control points",
        findings);
    const BroadcastPointTable& points = store.broadcastPoints.working;
    checkPacked(
        BroadcastPointTable::kRecords, [&](int n) { return points.used(n); },
        FindingPage::Broadcast, fileName(host, names::kBroadcastPoints), "broadcast points",
        findings);
}

} // namespace qb
