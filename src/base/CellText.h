#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

// Marks of the registration cells.
inline constexpr std::u16string_view kMarkOn = u"\u221A";  // "√"
inline constexpr std::u16string_view kMarkOff = u"\u00D7"; // "×"
inline constexpr std::u16string_view kMarkError = u"Error";

inline std::u16string markFor(bool on) {
    return std::u16string(on ? kMarkOn : kMarkOff);
}

// Decimal text of a number, as the grid and lists show it; `width` pads with zeros.
std::u16string numberText(long value, int width = 0);

// Numbers typed into cells and boxes: an optional sign, then the leading digits; text without
// digits reads as 0. Values beyond the int range are held at its ends.
long leadingInteger(std::u16string_view text);

// At most `units` code units of the text, never ending inside a surrogate pair.
std::u16string limitLength(std::u16string_view text, std::size_t units);

// Plain ASCII text as UTF-16.
std::u16string ascii(std::string_view text);

} // namespace qb
