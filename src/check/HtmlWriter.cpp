#include "HtmlWriter.h"

#include "files/TextCodec.h"

namespace qb {

void HtmlWriter::escapeInto(std::string& html, std::string_view text) {
    std::size_t plain = 0; // the start of the run of characters taken as they are
    const auto replace = [&](std::size_t at, std::string_view with) {
        html.append(text.substr(plain, at - plain)).append(with);
        plain = at + 1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '<':
            replace(i, "&lt;");
            break;
        case '>':
            replace(i, "&gt;");
            break;
        case '&':
            replace(i, "&amp;");
            break;
        case '"':
            replace(i, "&quot;");
            break;
        case '\'':
            replace(i, "&#39;");
            break;
        default:
            // A control character is no character of an HTML document; tab and line breaks are.
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) {
                replace(i, "\xEF\xBF\xBD");
            }
        }
    }
    html.append(text.substr(plain));
}

void HtmlWriter::heading(int level, std::string_view text) {
    const char digit = static_cast<char>('0' + (level < 1 ? 1 : level > 3 ? 3 : level));
    m_html.append("<h").append(1, digit).append(">");
    escapeInto(m_html, text);
    m_html.append("</h").append(1, digit).append(">\n");
}

void HtmlWriter::paragraph(std::string_view text) {
    m_html += "<p>";
    escapeInto(m_html, text);
    m_html += "</p>\n";
}

void HtmlWriter::lines(std::initializer_list<std::string_view> lines) {
    m_html += "<p>";
    const char* separator = "";
    for (const std::string_view line : lines) {
        m_html += separator;
        escapeInto(m_html, line);
        separator = "<br>";
    }
    m_html += "</p>\n";
}

void HtmlWriter::list(const std::vector<std::string>& items) {
    m_html += "<ul>\n";
    for (const std::string& item : items) {
        m_html += "<li>";
        escapeInto(m_html, item);
        m_html += "</li>\n";
    }
    m_html += "</ul>\n";
}

void HtmlWriter::beginTable(std::initializer_list<std::string_view> captions) {
    m_html += "<table>\n<thead><tr>";
    for (const std::string_view caption : captions) {
        m_html += "<th>";
        escapeInto(m_html, caption);
        m_html += "</th>";
    }
    m_html += "</tr></thead>\n<tbody>\n";
}

void HtmlWriter::cell(std::string_view text) {
    m_html += "<td>";
    escapeInto(m_html, text);
    m_html += "</td>";
}

void HtmlWriter::cell(std::u16string_view text) {
    cell(toUtf8(text));
}

void HtmlWriter::cellLines(const std::vector<std::string>& texts) {
    m_html += "<td>";
    const char* separator = "";
    for (const std::string& text : texts) {
        m_html += separator;
        escapeInto(m_html, text);
        separator = "<br>";
    }
    m_html += "</td>";
}

void HtmlWriter::escapedCell(std::string_view html) {
    m_html.append("<td>").append(html).append("</td>");
}

} // namespace qb
