#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qb {

class ConfigStore;
class Folder;

// What the cover says beside what the store and the folder say.
struct ReportCover {
    std::string date;       // as the caller gives it, e.g. "2026-12-09"
    std::string dataFolder; // shown as given
};

// One part of the printable configuration report, printed from a page of its own.
struct ReportSection {
    std::string title; // "Cover", "Zones", "Devices IO02 loop 1", "Linkage rules", ...
    // The section's body: its heading first, then paragraphs and tables, every text escaped;
    // no <html>, <head> or <style>.
    std::string html;
};

// The written record of what goes into the controller: the cover with the files of the set and
// their checksums; zones, hosts, displays and IO boards; the registered devices of each loop;
// the linkage rules with their outputs; the panel tables that hold anything; the findings of the
// configuration check. The store is read as its working copies, the files of its host in
// `folder`; nothing is changed.
std::vector<ReportSection> reportSections(const ConfigStore& store, const Folder& folder,
                                          const ReportCover& cover);

// The style sheet the sections are written for: print CSS that Qt's rich text understands too.
std::string_view reportStyleSheet();

// One self-contained UTF-8 document of the sections, each after the first from a new page. No
// script, no remote resource, no file beside it.
std::string reportHtml(const std::vector<ReportSection>& sections);

// The text with <, >, &, " and ' written as character references, so that it reads as itself in
// an element or an attribute. Control characters, which no text of the store should hold,
// become U+FFFD.
std::string htmlEscape(std::string_view text);

} // namespace qb
