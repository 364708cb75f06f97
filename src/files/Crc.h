#pragma once

#include <cstdint>
#include <span>

namespace qb {

// The checksum stored at offset 28 of every exported file: the reflected CRC-32 of the data
// area (polynomial 0xEDB88320, initial value 0xFFFFFFFF) without the final inversion, i.e. the
// bitwise complement of the usual CRC-32. "abc" gives 0xCADBBE3D, an empty area 0xFFFFFFFF.
std::uint32_t configCrc(std::span<const std::uint8_t> data);

} // namespace qb
