#include "CompoundFileReader.h"

#include "CompoundFile.h"
#include "store/LittleEndian.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace qb {

namespace {

using namespace compound_file;

constexpr std::size_t kMiniSectorSize = 64;

Error damaged(const std::string& what) {
    return Error{Cause::InvalidInput, {}, "damaged container (" + what + ")"};
}

class Container {
public:
    explicit Container(std::span<const std::uint8_t> file) : m_file(file) {}

    std::optional<Error> readHeader() {
        static constexpr std::uint8_t kSignature[] = {0xD0, 0xCF, 0x11, 0xE0,
                                                      0xA1, 0xB1, 0x1A, 0xE1};
        if (m_file.size() < kSectorSize ||
            !std::equal(std::begin(kSignature), std::end(kSignature), m_file.begin())) {
            return Error{Cause::InvalidInput, {}, "not an Excel 97-2003 workbook (.xls)"};
        }
        const std::uint16_t shift = le::readU16(m_file, 30);
        if (shift != 9 && shift != 12) {
            return damaged("sector size");
        }
        m_sectorSize = std::size_t{1} << shift;
        return std::nullopt;
    }

    // The FAT, gathered from the header's slots and the DIFAT chain.
    std::optional<Error> readFat() {
        const std::size_t fatSectors = le::readU32(m_file, 44);
        std::vector<std::uint32_t> locations;
        for (std::size_t i = 0; i < std::min(fatSectors, kHeaderDifatSlots); ++i) {
            locations.push_back(le::readU32(m_file, 76 + 4 * i));
        }
        std::uint32_t difat = le::readU32(m_file, 68);
        const std::size_t perDifat = m_sectorSize / 4 - 1;
        for (std::size_t steps = 0; locations.size() < fatSectors; ++steps) {
            std::span<const std::uint8_t> sector = sectorAt(difat);
            if (sector.empty() || steps > m_file.size() / m_sectorSize) {
                return damaged("DIFAT chain");
            }
            for (std::size_t i = 0; i < perDifat && locations.size() < fatSectors; ++i) {
                locations.push_back(le::readU32(sector, 4 * i));
            }
            difat = le::readU32(sector, 4 * perDifat);
        }
        for (std::uint32_t location : locations) {
            std::span<const std::uint8_t> sector = sectorAt(location);
            if (sector.empty()) {
                return damaged("FAT sector outside the file");
            }
            for (std::size_t i = 0; i < m_sectorSize; i += 4) {
                m_fat.push_back(le::readU32(sector, i));
            }
        }
        return std::nullopt;
    }

    // The sectors of a chain, in order; nothing when the chain is broken.
    std::optional<std::vector<std::uint32_t>> chain(std::uint32_t start,
                                                    const std::vector<std::uint32_t>& fat) const {
        std::vector<std::uint32_t> sectors;
        for (std::uint32_t at = start; at != kEndOfChain; at = fat[at]) {
            if (at >= fat.size() || sectors.size() >= fat.size()) {
                return std::nullopt; // out of the table, or a loop
            }
            sectors.push_back(at);
        }
        return sectors;
    }

    // The chain's bytes, cut to `size` when given; nothing when the chain is broken or short.
    std::optional<std::vector<std::uint8_t>> stream(std::uint32_t start,
                                                    std::optional<std::size_t> size) const {
        auto sectors = chain(start, m_fat);
        if (!sectors) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes;
        for (std::uint32_t n : *sectors) {
            std::span<const std::uint8_t> sector = sectorAt(n);
            if (sector.empty()) {
                return std::nullopt;
            }
            bytes.insert(bytes.end(), sector.begin(), sector.end());
            if (size && bytes.size() >= *size) {
                break;
            }
        }
        if (size) {
            if (bytes.size() < *size) {
                return std::nullopt;
            }
            bytes.resize(*size);
        }
        return bytes;
    }

    std::optional<std::vector<std::uint8_t>> miniStream(std::uint32_t start, std::size_t size,
                                                        std::span<const std::uint8_t> root) const {
        auto miniFatBytes = stream(le::readU32(m_file, 60), std::nullopt);
        auto container = stream(le::readU32(root, 116), std::nullopt);
        if (!miniFatBytes || !container) {
            return std::nullopt;
        }
        std::vector<std::uint32_t> miniFat;
        for (std::size_t i = 0; i + 4 <= miniFatBytes->size(); i += 4) {
            miniFat.push_back(le::readU32(*miniFatBytes, i));
        }
        auto sectors = chain(start, miniFat);
        if (!sectors) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes;
        for (std::uint32_t n : *sectors) {
            const std::size_t offset = std::size_t{n} * kMiniSectorSize;
            if (offset + kMiniSectorSize > container->size()) {
                return std::nullopt;
            }
            bytes.insert(bytes.end(), container->begin() + offset,
                         container->begin() + offset + kMiniSectorSize);
        }
        if (bytes.size() < size) {
            return std::nullopt;
        }
        bytes.resize(size);
        return bytes;
    }

    std::size_t sectorSize() const { return m_sectorSize; }

private:
    std::span<const std::uint8_t> sectorAt(std::uint32_t n) const {
        const std::size_t offset = (std::size_t{n} + 1) * m_sectorSize;
        if (n >= kEndOfChain - 1 || offset + m_sectorSize > m_file.size()) {
            return {};
        }
        return m_file.subspan(offset, m_sectorSize);
    }

    std::span<const std::uint8_t> m_file;
    std::size_t m_sectorSize = kSectorSize;
    std::vector<std::uint32_t> m_fat;
};

bool isWorkbookName(std::span<const std::uint8_t> entry) {
    static constexpr std::string_view kName = "workbook";
    const std::size_t nameBytes = le::readU16(entry, 64);
    if (nameBytes != 2 * (kName.size() + 1)) {
        return false;
    }
    for (std::size_t i = 0; i < kName.size(); ++i) {
        const std::uint16_t c = le::readU16(entry, 2 * i);
        if (c > 0x7F || std::tolower(c) != kName[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

Result<std::vector<std::uint8_t>> readWorkbookStream(std::span<const std::uint8_t> file) {
    Container container(file);
    if (auto error = container.readHeader()) {
        return *error;
    }
    if (auto error = container.readFat()) {
        return *error;
    }
    auto directory = container.stream(le::readU32(file, 48), std::nullopt);
    if (!directory || directory->size() < kDirectoryEntrySize) {
        return damaged("directory");
    }
    std::span<const std::uint8_t> entries(*directory);
    std::span<const std::uint8_t> root = entries.subspan(0, kDirectoryEntrySize);
    const std::size_t cutoff = le::readU32(file, 56);
    for (std::size_t at = kDirectoryEntrySize; at + kDirectoryEntrySize <= entries.size();
         at += kDirectoryEntrySize) {
        std::span<const std::uint8_t> entry = entries.subspan(at, kDirectoryEntrySize);
        if (entry[66] != 2 || !isWorkbookName(entry)) {
            continue;
        }
        // Version 3 files may leave garbage in the size's upper half.
        const std::size_t size =
            container.sectorSize() == kSectorSize
                ? le::readU32(entry, 120)
                : le::readU32(entry, 120) + (std::size_t{le::readU32(entry, 124)} << 32);
        if (size > file.size()) {
            return damaged("stream larger than the file");
        }
        const std::uint32_t start = le::readU32(entry, 116);
        auto bytes =
            size < cutoff ? container.miniStream(start, size, root) : container.stream(start, size);
        if (!bytes) {
            return damaged("workbook stream chain");
        }
        return std::move(*bytes);
    }
    return Error{Cause::InvalidInput, {}, "the file holds no workbook"};
}

} // namespace qb
