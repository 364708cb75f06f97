#include "NetworkFile.h"

#include <algorithm>

namespace qb {

BuiltFile buildNetworkFile(const NetworkTable& table, const FileHeader& headerTemplate,
                           FileVariant variant) {
    const FileHeader header = FileHeader::fromTemplate(headerTemplate, tags::kNetwork);
    BuiltFile file{startImage(header, network_file::kSize), {}};
    std::copy(table.data.begin(), table.data.end(), file.bytes.begin() + FileHeader::kSize);
    finishImage(file, variant);
    return file;
}

void readNetworkFile(std::span<const std::uint8_t> bytes, NetworkTable& table) {
    overlayImage(bytes, table.header, table.data);
}

} // namespace qb
