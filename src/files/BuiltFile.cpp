#include "BuiltFile.h"

#include "Crc.h"
#include "store/LittleEndian.h"

#include <algorithm>

namespace qb {

std::uint32_t sealWithCrc(std::span<std::uint8_t> image) {
    const std::uint32_t crc = configCrc(image.subspan(FileHeader::kSize));
    le::writeU32(image, FileHeader::kCrcOffset, crc);
    return crc;
}

std::vector<std::uint8_t> startImage(const FileHeader& header, std::size_t size) {
    std::vector<std::uint8_t> image(size, 0);
    std::copy(header.bytes().begin(), header.bytes().end(), image.begin());
    return image;
}

void finishImage(BuiltFile& file, FileVariant variant) {
    if (variant == FileVariant::Export) {
        sealWithCrc(file.bytes);
    }
}

void overlayHeader(std::span<const std::uint8_t> file, FileHeader& header) {
    std::copy_n(file.begin(), std::min(file.size(), FileHeader::kSize), header.bytes().begin());
}

void overlayImage(std::span<const std::uint8_t> file, FileHeader& header,
                  std::span<std::uint8_t> data) {
    overlayHeader(file, header);
    if (file.size() > FileHeader::kSize) {
        const auto rest = file.subspan(FileHeader::kSize);
        std::copy_n(rest.begin(), std::min(rest.size(), data.size()), data.begin());
    }
}

} // namespace qb
