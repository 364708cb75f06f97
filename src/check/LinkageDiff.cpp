#include "LinkageDiff.h"

#include "check/Finding.h"
#include "check/LinkageRuleViews.h"

#include <algorithm>
#include <optional>

namespace qb {

namespace {

using namespace difftext;

// A rule as it means, and whether a rule of the other set has been paired with it.
struct Rule : RuleView {
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

std::vector<Rule> rulesOf(const ConfigStore& store, LinkageKind kind) {
    std::vector<Rule> rules;
    for (RuleView& view : ruleViews(store, kind)) {
        rules.push_back(Rule{std::move(view)});
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
