#include "ConfigReport.h"

#include "ConfigCheck.h"
#include "HtmlWriter.h"
#include "ReportSections.h"
#include "files/FileNames.h"
#include "store/ConfigStore.h"

#include <cstdio>

namespace qb {

namespace {

// More would bury the cover of a set that was never exported under hundreds of lines; the check
// itself lists them all.
constexpr std::size_t kListedFindings = 200;

std::string systemCodeText(SystemCode code) {
    switch (code) {
    case SystemCode::TwoLoopSo12:
        return "0 (1-2 Loop Fire alarm Panel, SO.***1 OR SO.***2)";
    case SystemCode::OneLoop:
        return "1 (1 Loop Fire alarm Panel, SO.***1)";
    case SystemCode::TwoLoopSo3:
        break;
    }
    return "2 (1-2 Loop Fire alarm Panel, SO.***3)";
}

std::string checksumText(const SetFileState& file) {
    if (file.error || file.size < FileHeader::kSize) {
        return {};
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(file.header.crc()));
    return hex;
}

// What an installer needs to know of a file: "ok", or each thing that is wrong with it.
std::string stateText(const SetFileState& file) {
    if (file.missing()) {
        // Data export leaves out the panel tables that hold their start-up contents.
        return file.file.alwaysWritten ? "missing" : "not written: start-up contents";
    }
    if (file.error) {
        return "cannot be read: " + file.error->reason();
    }
    std::string text;
    const auto add = [&text](const std::string& part) {
        text += (text.empty() ? "" : "; ") + part;
    };
    if (!file.tagAccepted) {
        add("wrong tag");
    }
    if (file.size != file.file.size) {
        add(std::to_string(file.size) + " bytes, " + std::to_string(file.file.size) + " expected");
    }
    switch (file.checksum) {
    case ChecksumState::Ok:
        break;
    case ChecksumState::Mismatch:
        add("checksum does not match the contents");
        break;
    case ChecksumState::NotComputed:
        add("checksum 0: not computed (saved from its page)");
        break;
    case ChecksumState::NotChecked:
        break;
    }
    return text.empty() ? "ok" : text;
}

} // namespace

namespace report {

ReportSection cover(const ConfigStore& store, const std::vector<SetFileState>& files,
                    const ReportCover& cover) {
    HtmlWriter html;
    html.heading(1, "Configuration report");
    const std::string host = "Host: " + hostNumberText(store.hostIndex());
    const std::string code = "System code: " + systemCodeText(store.systemCode());
    const std::string date = "Date: " + cover.date;
    const std::string folder = "Data folder: " + cover.dataFolder;
    html.lines({host, code, date, folder});
    html.heading(3, "Files of the set");
    html.beginTable({"File", "Bytes", "Checksum", "State"});
    for (const SetFileState& file : files) {
        html.beginRow();
        html.cell(file.name);
        html.cell(file.error ? std::string() : std::to_string(file.size));
        html.cell(checksumText(file));
        html.cell(stateText(file));
        html.endRow();
    }
    html.endTable();
    return {"Cover", html.take()};
}

ReportSection check(const std::vector<Finding>& findings) {
    HtmlWriter html;
    html.heading(2, "Configuration check");
    html.paragraph("Checked as the set that goes to the controller.");
    html.beginTable({"Errors", "Warnings", "Notes"});
    html.beginRow();
    for (const Severity severity : {Severity::Error, Severity::Warning, Severity::Note}) {
        html.cell(std::to_string(countFindings(findings, severity)));
    }
    html.endRow();
    html.endTable();

    std::vector<std::string> lines;
    std::size_t more = 0;
    for (const Finding& finding : findings) {
        if (finding.severity == Severity::Note) {
            continue;
        }
        if (lines.size() < kListedFindings) {
            lines.push_back(findingLine(finding));
        } else {
            ++more;
        }
    }
    if (lines.empty()) {
        html.paragraph("No errors or warnings.");
    } else {
        html.heading(3, "Errors and warnings");
        html.list(lines);
        if (more > 0) {
            html.paragraph("... and " + std::to_string(more) +
                           " more errors and warnings, not listed here.");
        }
    }
    return {"Configuration check", html.take()};
}

} // namespace report

std::vector<ReportSection> reportSections(const ConfigStore& store, const Folder& folder,
                                          const ReportCover& cover) {
    std::vector<ReportSection> sections;
    sections.push_back(report::cover(store, readSetFiles(store, folder), cover));
    sections.push_back(report::zones(store));
    sections.push_back(report::network(store));
    sections.push_back(report::displays(store));
    sections.push_back(report::ioBoards(store));
    report::addDevices(store, sections);
    sections.push_back(report::linkageRules(store));
    report::addPanels(store, sections);
    // A hand-over record speaks of the set as the controller takes it: a checksum left for a
    // later export counts against it.
    sections.push_back(report::check(checkConfiguration(store, folder, {.forController = true})));
    return sections;
}

} // namespace qb
