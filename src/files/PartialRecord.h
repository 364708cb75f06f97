#pragma once

#include "TextCodec.h"
#include "store/LittleEndian.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qb {

// One record of a file as far as the file holds it: a short file may end inside its last
// record. A field the file holds is taken; what it does not hold keeps its previous contents.
class PartialRecord {
public:
    explicit PartialRecord(std::span<const std::uint8_t> held) : m_held(held) {}

    void take(std::size_t offset, std::uint8_t& target) const {
        if (offset < m_held.size()) {
            target = m_held[offset];
        }
    }
    // A uint16 is taken only whole.
    void takeU16(std::size_t offset, std::uint16_t& target) const {
        if (offset + 2 <= m_held.size()) {
            target = le::readU16(m_held, offset);
        }
    }
    // The text of the field of `width` bytes at `offset`, when the file holds its first byte.
    // A field cut by the file's end gives the characters it holds completely.
    std::optional<std::u16string> text(std::size_t offset, std::size_t width) const {
        if (offset >= m_held.size()) {
            return std::nullopt;
        }
        const auto field = m_held.subspan(offset, std::min(width, m_held.size() - offset));
        return field.size() == width ? decodeField(field) : decodeCutField(field);
    }

private:
    std::span<const std::uint8_t> m_held;
};

// Calls `take(n, record)` for records n = 0 .. count-1 of `recordSize` bytes from `base` on, for
// every record of which the bytes hold at least its first byte.
template <class Take>
void forEachRecord(std::span<const std::uint8_t> bytes, std::size_t base, std::size_t recordSize,
                   int count, Take take) {
    for (int n = 0; n < count; ++n) {
        const std::size_t offset = base + recordSize * static_cast<std::size_t>(n);
        if (offset >= bytes.size()) {
            return;
        }
        take(n, PartialRecord(bytes.subspan(offset, std::min(recordSize, bytes.size() - offset))));
    }
}

} // namespace qb
