#pragma once

#include "BuiltFile.h"
#include "store/HeaderedImage.h"

#include <cstdint>
#include <span>

namespace qb {

// Files that hold their table byte for byte: the header as the table holds it, then the data.
BuiltFile buildImageFile(const FileHeader& header, std::span<const std::uint8_t> data,
                         FileVariant variant);

template <std::size_t N>
BuiltFile buildImageFile(const HeaderedImage<N>& table, FileVariant variant) {
    return buildImageFile(table.header, table.data, variant);
}

// Lays the file over the table, header included, as far as the file reaches.
template <std::size_t N>
void readImageFile(std::span<const std::uint8_t> bytes, HeaderedImage<N>& table) {
    overlayImage(bytes, table.header, table.data);
}

// Tables held with their header inside one byte array (the linkage tables).
BuiltFile buildWholeImageFile(std::span<const std::uint8_t> image, FileVariant variant);
void readWholeImageFile(std::span<const std::uint8_t> bytes, std::span<std::uint8_t> image);

} // namespace qb
