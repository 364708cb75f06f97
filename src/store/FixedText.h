#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace qb {

// A NUL-terminated UTF-16 name in a fixed field of `Units` code units (terminator included).
// Nothing can be stored past the field: longer text is cut at the capacity, and never between
// the two halves of a surrogate pair.
template <std::size_t Units> class FixedText {
public:
    static_assert(Units >= 2);
    static constexpr std::size_t kCapacity = Units - 1;

    FixedText() = default;
    FixedText(std::u16string_view text) { assign(text); }

    std::u16string_view view() const {
        const auto end = std::find(m_units.begin(), m_units.begin() + kCapacity, u'\0');
        return {m_units.data(), static_cast<std::size_t>(end - m_units.begin())};
    }
    bool empty() const { return m_units[0] == u'\0'; }

    // Clears the whole field, then stores as much of `text` as fits. Returns false when the
    // text had to be cut.
    bool assign(std::u16string_view text) {
        m_units.fill(u'\0');
        std::size_t length = std::min(text.size(), kCapacity);
        if (length < text.size() && length > 0 && isHighSurrogate(text[length - 1])) {
            --length;
        }
        std::copy_n(text.begin(), length, m_units.begin());
        return length == text.size();
    }

    bool operator==(const FixedText&) const = default;

private:
    static bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

    std::array<char16_t, Units> m_units{};
};

} // namespace qb
