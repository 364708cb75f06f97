#include "ImageFile.h"

#include <algorithm>

namespace qb {

BuiltFile buildImageFile(const FileHeader& header, std::span<const std::uint8_t> data,
                         FileVariant variant) {
    BuiltFile file{startImage(header, FileHeader::kSize + data.size()), {}};
    std::copy(data.begin(), data.end(), file.bytes.begin() + FileHeader::kSize);
    finishImage(file, variant);
    return file;
}

BuiltFile buildWholeImageFile(std::span<const std::uint8_t> image, FileVariant variant) {
    BuiltFile file{std::vector<std::uint8_t>(image.begin(), image.end()), {}};
    finishImage(file, variant);
    return file;
}

void readWholeImageFile(std::span<const std::uint8_t> bytes, std::span<std::uint8_t> image) {
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
}

} // namespace qb
