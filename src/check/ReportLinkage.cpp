#include "ChangeLine.h"
#include "HtmlWriter.h"
#include "LinkageRuleViews.h"
#include "ReportSections.h"
#include "store/ConfigStore.h"

namespace qb::report {

namespace {

using difftext::number;

// "General rules", "Floor type rules".
std::string kindHeading(LinkageKind kind) {
    std::string text = linkageKindName(kind) + " rules";
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

// What the output switches, after where it is: the type of the device at that address of this
// host. The devices of other hosts are not in this set.
std::string outputLine(const std::string& output, std::span<const std::uint8_t> record,
                       LinkageKind kind, const ConfigStore& store) {
    if (kind == LinkageKind::FloorByType ||
        record[LinkageResultTable::kHostIndex] != store.hostIndex()) {
        return output;
    }
    const int loopIndex = record[LinkageResultTable::kLoopIndex];
    const int board = loopIndex / 2 + 1;
    const int address = le::readU16(record, LinkageResultTable::kAddress);
    if (board > kDeviceFileCount || address < 1 || address > kAddressesPerLoop) {
        return output;
    }
    const DeviceRecord& device = store.devices(board).working.device(loopIndex % 2 + 1, address);
    if (device.registration == 0) {
        return output + " (no registered device)";
    }
    return output + ' ' + difftext::deviceType(device.equipType, store.deviceTypes);
}

void kindTable(const ConfigStore& store, LinkageKind kind, const std::vector<RuleView>& rules,
               HtmlWriter& html) {
    const LinkageResultTable& result = store.linkageResults.working;
    html.heading(3, kindHeading(kind) + " (" + number(static_cast<long>(rules.size())) + ")");
    html.beginTable({"Rule", "Reg", "Inputs", "Delay", "Outputs"});
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
    for (const RuleView& rule : rules) {
        inputs.clear();
        std::string delay;
        for (const auto& [name, value] : rule.view.fields) {
            if (name == "delay") {
                delay = value;
            } else {
                inputs.push_back(name.empty() ? value : name + ' ' + value);
            }
        }
        outputs.clear();
        for (std::size_t n = 0; n < rule.view.outputs.size(); ++n) {
            outputs.push_back(outputLine(rule.view.outputs[n], result.record(rule.outputRecords[n]),
                                         kind, store));
        }
        if (outputs.empty()) {
            outputs.emplace_back("none");
        }
        html.beginRow();
        html.cell(ruleName(kind, rule.page));
        html.cell(registrationMark(rule.view.registration));
        html.cellLines(inputs);
        html.cell(delay);
        html.cellLines(outputs);
        html.endRow();
    }
    html.endTable();
}

} // namespace

ReportSection linkageRules(const ConfigStore& store) {
    // About 150 bytes a rule with its outputs.
    HtmlWriter html(LinkageInputTable::kRecords * 160);
    html.heading(2, "Linkage rules");
    bool any = false;
    for (const LinkageKind kind : kAllLinkageKinds) {
        const std::vector<RuleView> rules = ruleViews(store, kind);
        if (!rules.empty()) {
            kindTable(store, kind, rules, html);
            any = true;
        }
    }
    if (!any) {
        html.paragraph("No linkage rule.");
    }
    return {"Linkage rules", html.take()};
}

} // namespace qb::report
