#include "ByteChanges.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <string_view>

namespace qb {

namespace {

// Equal bytes between two changes up to this many are kept inside one run: cheaper than the
// head of a second run.
constexpr std::size_t kJoinGap = 8;
// A run's head: part (uint16), offset in the part (uint32), length (uint16).
constexpr std::size_t kHeadSize = 8;
constexpr std::size_t kMaxRun = std::numeric_limits<std::uint16_t>::max();

template <class Value> void put(std::vector<std::uint8_t>& out, Value value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

template <class Value> Value take(const std::uint8_t* at) {
    Value value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// The first index from `from` on where the two differ; `size` when none.
std::size_t nextDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t from,
                           std::size_t size) {
    return static_cast<std::size_t>(std::mismatch(a + from, a + size, b + from).first - a);
}

} // namespace

std::size_t fingerprint(const ByteParts& parts) {
    std::size_t hash = parts.size();
    for (const std::span<std::uint8_t> part : parts) {
        const std::string_view bytes(reinterpret_cast<const char*>(part.data()), part.size());
        hash = hash * 1099511628211u ^ std::hash<std::string_view>{}(bytes);
    }
    return hash;
}

std::vector<std::uint8_t> copyOf(const ByteParts& parts) {
    std::vector<std::uint8_t> bytes;
    for (const std::span<std::uint8_t> part : parts) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    return bytes;
}

void writeBack(const ByteParts& parts, std::span<const std::uint8_t> copy) {
    std::size_t size = 0;
    for (const std::span<std::uint8_t> part : parts) {
        size += part.size();
    }
    if (size != copy.size()) {
        return;
    }
    for (const std::span<std::uint8_t> part : parts) {
        std::ranges::copy(copy.first(part.size()), part.begin());
        copy = copy.subspan(part.size());
    }
}

ByteChanges ByteChanges::between(std::span<const std::uint8_t> before, const ByteParts& after) {
    ByteChanges changes;
    std::size_t base = 0;
    for (std::size_t p = 0; p < after.size() && p <= 0xFFFF; ++p) {
        const std::span<const std::uint8_t> now = after[p];
        if (base + now.size() > before.size()) {
            break; // not the same parts: nothing to compare with
        }
        const std::uint8_t* was = before.data() + base;
        const std::size_t size = now.size();
        std::size_t start = nextDifference(was, now.data(), 0, size);
        while (start < size) {
            std::size_t end = start + 1;
            while (end < size && end - start < kMaxRun) {
                const std::size_t next = nextDifference(was, now.data(), end, size);
                if (next >= size || next - end > kJoinGap || next + 1 - start > kMaxRun) {
                    break;
                }
                end = next + 1;
            }
            changes.append(p, start, {was + start, end - start}, now.subspan(start, end - start));
            start = nextDifference(was, now.data(), end, size);
        }
        base += size;
    }
    return changes;
}

void ByteChanges::append(std::size_t part, std::size_t offset, std::span<const std::uint8_t> before,
                         std::span<const std::uint8_t> after) {
    put(m_packed, static_cast<std::uint16_t>(part));
    put(m_packed, static_cast<std::uint32_t>(offset));
    put(m_packed, static_cast<std::uint16_t>(before.size()));
    m_packed.insert(m_packed.end(), before.begin(), before.end());
    m_packed.insert(m_packed.end(), after.begin(), after.end());
}

void ByteChanges::restore(const ByteParts& parts, bool before) const {
    const std::uint8_t* at = m_packed.data();
    const std::uint8_t* const end = at + m_packed.size();
    while (end - at >= static_cast<std::ptrdiff_t>(kHeadSize)) {
        const auto part = take<std::uint16_t>(at);
        const auto offset = take<std::uint32_t>(at + 2);
        const auto length = take<std::uint16_t>(at + 6);
        at += kHeadSize;
        if (end - at < 2 * static_cast<std::ptrdiff_t>(length)) {
            return;
        }
        if (part < parts.size() && offset <= parts[part].size() &&
            length <= parts[part].size() - offset) {
            std::memcpy(parts[part].data() + offset, before ? at : at + length, length);
        }
        at += 2 * static_cast<std::size_t>(length);
    }
}

} // namespace qb
