#include "SystemSettingsFile.h"

#include <algorithm>

namespace qb {

BuiltFile buildSystemSettingsFile(const SystemSettings& settings) {
    BuiltFile file{startImage(settings.header, system_settings_file::kSize), {}};
    std::copy(settings.data.begin(), settings.data.end(), file.bytes.begin() + FileHeader::kSize);
    return file;
}

void readSystemSettingsFile(std::span<const std::uint8_t> bytes, SystemSettings& settings) {
    overlayImage(bytes, settings.header, settings.data);
}

} // namespace qb
