#include "SystemSettingsFile.h"

#include "ImageFile.h"

namespace qb {

BuiltFile buildSystemSettingsFile(const SystemSettings& settings) {
    return buildImageFile(settings, FileVariant::PageSave);
}

void readSystemSettingsFile(std::span<const std::uint8_t> bytes, SystemSettings& settings) {
    readImageFile(bytes, settings);
}

} // namespace qb
