#pragma once

#include "BuiltFile.h"
#include "store/SystemSettings.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace qb {

// SYS_.BIN: the settings record's header as held and its 56 data bytes. Only the NET page's
// Save writes it; Data export and Load Data delete it.
namespace system_settings_file {
inline constexpr std::size_t kSize = FileHeader::kSize + SystemSettings::kDataSize; // 88
}

BuiltFile buildSystemSettingsFile(const SystemSettings& settings);

void readSystemSettingsFile(std::span<const std::uint8_t> bytes, SystemSettings& settings);

} // namespace qb
