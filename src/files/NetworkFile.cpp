#include "NetworkFile.h"

#include "ImageFile.h"

namespace qb {

BuiltFile buildNetworkFile(const NetworkTable& table, const FileHeader& headerTemplate,
                           FileVariant variant) {
    return buildImageFile(FileHeader::fromTemplate(headerTemplate, tags::kNetwork), table.data,
                          variant);
}

void readNetworkFile(std::span<const std::uint8_t> bytes, NetworkTable& table) {
    readImageFile(bytes, table);
}

} // namespace qb
