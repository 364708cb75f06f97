#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace qb {

class ByteSink;

// The workbook's shared string table: every text cell refers to one entry by index, equal texts
// to the same entry.
class SharedStrings {
public:
    // The entry for the text (UTF-16), added on first use; every call counts as one reference.
    std::uint32_t add(const std::u16string& text);

    std::size_t uniqueCount() const { return m_strings.size(); }

    // SST with its CONTINUE records, then EXTSST, appended to the stream. A string that does not
    // fit the current record goes on in a CONTINUE record that starts with a fresh option byte;
    // neither a string's header nor a character is ever split.
    void write(ByteSink& stream) const;

private:
    std::vector<std::u16string> m_strings;
    std::unordered_map<std::u16string, std::uint32_t> m_index;
    std::uint32_t m_references = 0;
};

} // namespace qb
