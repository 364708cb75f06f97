#pragma once

#include "FileTags.h"
#include "SystemCode.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace qb {

// The 32-byte header that starts every file of the set and every table of the store:
// signature "KORVANT\0", two format bytes, a five-letter tag and the CRC of the data area.
class FileHeader {
public:
    static constexpr std::size_t kSize = 32;
    static constexpr std::size_t kFormat1Offset = 8;
    static constexpr std::size_t kFormat2Offset = 9;
    static constexpr std::size_t kTagOffset = 14;
    static constexpr std::size_t kTagFieldSize = 6;
    static constexpr std::size_t kCrcOffset = 28;
    static constexpr std::string_view kSignature = "KORVANT";

    // The prototype built once at start from the system code: signature, format bytes, rest zero.
    static FileHeader makeTemplate(SystemCode code);
    // A template copy carrying the given tag.
    static FileHeader fromTemplate(const FileHeader& headerTemplate, std::string_view tag);
    // The first 32 bytes of an image; bytes missing from a short image stay zero.
    static FileHeader fromBytes(std::span<const std::uint8_t> bytes);

    std::uint8_t formatByte1() const { return m_bytes[kFormat1Offset]; }
    std::uint8_t formatByte2() const { return m_bytes[kFormat2Offset]; }

    // The NUL-terminated text at the tag offset, bounded by the header's end.
    std::string_view tag() const;
    void setTag(std::string_view tag);
    bool hasTag(std::string_view expected) const { return tag() == expected; }
    bool hasSignature() const;

    std::uint32_t crc() const;
    void setCrc(std::uint32_t crc);

    const std::array<std::uint8_t, kSize>& bytes() const { return m_bytes; }
    std::array<std::uint8_t, kSize>& bytes() { return m_bytes; }

    bool operator==(const FileHeader&) const = default;

private:
    std::array<std::uint8_t, kSize> m_bytes{};
};

} // namespace qb
