#pragma once

#include "FileHeader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace qb {

// A table that its file holds byte for byte: the 32-byte header, then `DataSize` data bytes.
template <std::size_t DataSize> struct HeaderedImage {
    static constexpr std::size_t kDataSize = DataSize;
    static constexpr std::size_t kFileSize = FileHeader::kSize + DataSize;

    FileHeader header;
    std::array<std::uint8_t, DataSize> data{};

    // The start-up form: the template with `tag`, every data byte `fill`.
    void reset(const FileHeader& headerTemplate, std::string_view tag, std::uint8_t fill) {
        header = FileHeader::fromTemplate(headerTemplate, tag);
        data.fill(fill);
    }

    bool operator==(const HeaderedImage&) const = default;
};

} // namespace qb
