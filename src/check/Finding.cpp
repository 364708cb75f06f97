#include "Finding.h"

#include <algorithm>

namespace qb {

std::string_view severityName(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Note:
        return "note";
    }
    return "note";
}

std::string_view pageName(FindingPage page) {
    switch (page) {
    case FindingPage::None:
        return "";
    case FindingPage::Zones:
        return "Zone";
    case FindingPage::Network:
        return "NET";
    case FindingPage::Displays:
        return "Display";
    case FindingPage::IoBoards:
        return "IO-Board";
    case FindingPage::Devices:
        return "Detector/Module";
    case FindingPage::Linkage:
        return "Linkage";
    case FindingPage::Mimic:
        return "Mimic";
    case FindingPage::Keypad:
        return "Keypad";
    case FindingPage::HandControl:
        return "Hand Control";
    case FindingPage::Broadcast:
        return "Broadcast";
    case FindingPage::Hydrant:
        return "Hydrant";
    case FindingPage::GasZones:
        return "Gas Zone";
    }
    return "";
}

std::string findingLine(const Finding& finding) {
    std::string line(severityName(finding.severity));
    line += ": ";
    std::string place = finding.file;
    if (!finding.where.empty()) {
        place += (place.empty() ? "" : ", ") + finding.where;
    }
    if (!place.empty()) {
        line += place + ": ";
    }
    return line + finding.text;
}

std::string linkageKindName(LinkageKind kind) {
    switch (kind) {
    case LinkageKind::General:
        return "general";
    case LinkageKind::Zone:
        return "zone";
    case LinkageKind::Building:
        return "building";
    case LinkageKind::FloorByAddress:
        return "floor";
    case LinkageKind::RoomAndMimic:
        return "room";
    case LinkageKind::Specific:
        return "specific";
    case LinkageKind::FloorByType:
        return "floor type";
    }
    return "kind " + std::to_string(kindNumber(kind));
}

std::string ruleName(LinkageKind kind, int page) {
    return linkageKindName(kind) + " rule " + std::to_string(page);
}

void sortBySeverity(std::vector<Finding>& findings) {
    // Three severities: one pass per severity keeps the order found and moves each finding once.
    std::vector<Finding> sorted;
    sorted.reserve(findings.size());
    for (const Severity severity : {Severity::Error, Severity::Warning, Severity::Note}) {
        for (Finding& finding : findings) {
            if (finding.severity == severity) {
                sorted.push_back(std::move(finding));
            }
        }
    }
    findings = std::move(sorted);
}

} // namespace qb
