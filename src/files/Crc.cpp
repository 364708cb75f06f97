#include "Crc.h"

#include <climits>
#include <zlib.h>

namespace qb {

std::uint32_t configCrc(std::span<const std::uint8_t> data) {
    uLong crc = crc32(0L, Z_NULL, 0);
    const Bytef* next = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const uInt chunk = left > UINT_MAX ? UINT_MAX : static_cast<uInt>(left);
        crc = crc32(crc, next, chunk);
        next += chunk;
        left -= chunk;
    }
    return ~static_cast<std::uint32_t>(crc);
}

} // namespace qb
