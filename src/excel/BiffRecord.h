#pragma once

#include "store/LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qb {

namespace biff {
inline constexpr std::size_t kMaxBody = 8224; // longer bodies go on in CONTINUE records
inline constexpr std::uint16_t kContinue = 0x003C;
} // namespace biff

// One record of a stream being read: its id, its body, and where the record after it starts.
struct RecordView {
    std::uint16_t id = 0;
    std::span<const std::uint8_t> body;
    std::size_t next = 0;
};

// The record starting at `at`, or nothing when its header or body runs past the stream.
inline std::optional<RecordView> recordAt(std::span<const std::uint8_t> stream, std::size_t at) {
    if (at > stream.size() || stream.size() - at < 4) {
        return std::nullopt;
    }
    const std::size_t length = le::readU16(stream, at + 2);
    if (stream.size() - at - 4 < length) {
        return std::nullopt;
    }
    return RecordView{le::readU16(stream, at), stream.subspan(at + 4, length), at + 4 + length};
}

// Appends little-endian numbers to a record body or a stream.
class ByteSink {
public:
    void u8(std::uint8_t value) { m_bytes.push_back(value); }
    void u16(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value & 0xFF));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value & 0xFFFF));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void u64(std::uint64_t value) {
        u32(static_cast<std::uint32_t>(value & 0xFFFFFFFF));
        u32(static_cast<std::uint32_t>(value >> 32));
    }
    void append(std::span<const std::uint8_t> bytes) {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }
    // One record: its id, its body's length, its body.
    void record(std::uint16_t id, std::span<const std::uint8_t> body) {
        u16(id);
        u16(static_cast<std::uint16_t>(body.size()));
        append(body);
    }
    void patchU32(std::size_t offset, std::uint32_t value) { le::writeU32(m_bytes, offset, value); }

    std::size_t size() const { return m_bytes.size(); }
    std::vector<std::uint8_t>& bytes() { return m_bytes; }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace qb
