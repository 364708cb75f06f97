#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qb {

// Names are UTF-16 in memory and UTF-8 in fixed, NUL-terminated fields on disk.

// UTF-8 form of a UTF-16 name; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view name);

// UTF-16 form of UTF-8 text; invalid sequences become U+FFFD.
std::u16string fromUtf8(std::string_view text);

// The number of bytes of the name's UTF-8 form, without making it.
std::size_t utf8Size(std::u16string_view name);

// Zero-fills the field, then writes the UTF-8 form of the name when it fits in `limitBytes` (the
// field less its NUL). Returns false, leaving the field empty, when it does not.
bool putFieldWithin(std::span<std::uint8_t> field, std::u16string_view name,
                    std::size_t limitBytes);

// The longest UTF-8 prefix of the name that fits in `limitBytes`, cut between characters.
std::string encodeTruncated(std::u16string_view name, std::size_t limitBytes);

// Reads an on-disk text field: the bytes up to the first NUL, never past the field, decoded
// from UTF-8 with every invalid sequence replaced by U+FFFD.
std::u16string decodeField(std::span<const std::uint8_t> field);

// The same for the start of a field that a short file cuts off: without a NUL in it, a last
// character whose bytes are not all there is left out rather than read as U+FFFD.
std::u16string decodeCutField(std::span<const std::uint8_t> held);

// Zero-fills the field, then writes as much of `text` as leaves room for its NUL. The callers
// have checked the length already; the cut only guards the field's end.
void putField(std::span<std::uint8_t> field, std::string_view text);

} // namespace qb
