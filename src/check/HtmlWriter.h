#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// Writes the HTML of a report section into one string, every text escaped on the way. Tables
// carry their captions in a <thead> row, which printed pages repeat where a table runs on.
class HtmlWriter {
public:
    explicit HtmlWriter(std::size_t expectedSize = 4096) { m_html.reserve(expectedSize); }

    // Appends `text` as htmlEscape gives it, without a string of its own.
    static void escapeInto(std::string& html, std::string_view text);

    void heading(int level, std::string_view text); // level 1..3
    void paragraph(std::string_view text);
    // A paragraph of lines, one under the other.
    void lines(std::initializer_list<std::string_view> lines);
    // A list of items.
    void list(const std::vector<std::string>& items);

    void beginTable(std::initializer_list<std::string_view> captions);
    void beginRow() { m_html += "<tr>"; }
    void cell(std::string_view text);
    void cell(std::u16string_view text);
    // One cell holding the texts one under the other.
    void cellLines(const std::vector<std::string>& texts);
    // A cell whose text has been escaped already, so that a text shown in many rows is escaped
    // only once.
    void escapedCell(std::string_view html);
    void endRow() { m_html += "</tr>\n"; }
    void endTable() { m_html += "</tbody></table>\n"; }

    std::string take() { return std::move(m_html); }

private:
    std::string m_html;
};

} // namespace qb
