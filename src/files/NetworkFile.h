#pragma once

#include "BuiltFile.h"
#include "store/NetworkTable.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace qb {

// NET_.BIN: a header rebuilt from the template with the tag "NETWK", then the network table's
// 3,088 data bytes exactly as held.
namespace network_file {
inline constexpr std::size_t kSize = FileHeader::kSize + NetworkTable::kDataSize; // 3,120
}

BuiltFile buildNetworkFile(const NetworkTable& table, const FileHeader& headerTemplate,
                           FileVariant variant);

// Lays the file over the table, header included, as far as the file reaches.
void readNetworkFile(std::span<const std::uint8_t> bytes, NetworkTable& table);

} // namespace qb
