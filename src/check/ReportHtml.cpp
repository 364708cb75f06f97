#include "ConfigReport.h"
#include "HtmlWriter.h"

namespace qb {

namespace {

// Simple selectors and properties only: Qt's rich text lays the sections out for printing and
// PDF with this same sheet, and it knows no more.
constexpr std::string_view kStyleSheet = R"(body { font-family: sans-serif; font-size: 9pt; }
h1 { font-size: 16pt; margin-top: 0; margin-bottom: 8pt; }
h2 { font-size: 13pt; margin-top: 0; margin-bottom: 6pt; }
h3 { font-size: 10pt; margin-top: 10pt; margin-bottom: 4pt; }
p { margin-top: 0; margin-bottom: 6pt; }
table { border-collapse: collapse; margin-bottom: 8pt; }
th { font-weight: bold; background-color: #e6e6e6; border: 1px solid #808080; padding: 2px 4px; }
td { border: 1px solid #808080; padding: 2px 4px; vertical-align: top; }
.newpage { page-break-before: always; }
)";

} // namespace

std::string htmlEscape(std::string_view text) {
    std::string html;
    html.reserve(text.size() + text.size() / 8);
    HtmlWriter::escapeInto(html, text);
    return html;
}

std::string_view reportStyleSheet() {
    return kStyleSheet;
}

std::string reportHtml(const std::vector<ReportSection>& sections) {
    std::size_t size = kStyleSheet.size() + 512;
    for (const ReportSection& section : sections) {
        size += section.html.size() + 64;
    }
    std::string html;
    html.reserve(size);
    html += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<title>Configuration report</title>\n<style>\n";
    html += kStyleSheet;
    html += "</style>\n</head>\n<body>\n";
    for (std::size_t i = 0; i < sections.size(); ++i) {
        html += i == 0 ? "<div>\n" : "<div class=\"newpage\">\n";
        html += sections[i].html;
        html += "</div>\n";
    }
    html += "</body>\n</html>\n";
    return html;
}

} // namespace qb
