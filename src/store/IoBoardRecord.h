#pragma once

#include "FileHeader.h"
#include "HeaderedImage.h"
#include "LittleEndian.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qb {

// Which IO boards (loop cards) are fitted, held byte for byte as IOBR.BIN stores it after the
// header under the two-loop system codes.
class IoBoardRecord : public HeaderedImage<44> {
public:
    static constexpr int kBoards = 40;
    static constexpr std::size_t kTrailerOffset = 40; // uint32, 100000 once exported
    static constexpr std::uint32_t kExportTrailer = 100000;

    // Board i, 1..40.
    std::uint8_t& registration(int i) { return data.at(checked(i)); }
    std::uint8_t registration(int i) const { return data.at(checked(i)); }

    std::uint32_t trailer() const { return le::readU32(data, kTrailerOffset); }
    void setTrailer(std::uint32_t value) { le::writeU32(data, kTrailerOffset, value); }

    static IoBoardRecord defaults(const FileHeader& headerTemplate) {
        IoBoardRecord record;
        record.header = FileHeader::fromTemplate(headerTemplate, tags::kIoBoard);
        record.registration(1) = 1;
        return record;
    }

    bool operator==(const IoBoardRecord&) const = default;

private:
    static std::size_t checked(int i) {
        return (i >= 1 && i <= kBoards) ? static_cast<std::size_t>(i - 1) : kDataSize;
    }
};

} // namespace qb
