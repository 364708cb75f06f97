#include "CompoundFile.h"

#include "store/LittleEndian.h"

#include <algorithm>
#include <string_view>

namespace qb {

namespace {

using namespace compound_file;

constexpr std::size_t kFatEntriesPerSector = kSectorSize / 4;
// A DIFAT sector lists 127 FAT sectors and ends with the number of the next DIFAT sector.
constexpr std::size_t kDifatEntriesPerSector = kFatEntriesPerSector - 1;

std::size_t sectorsFor(std::size_t bytes) {
    return (bytes + kSectorSize - 1) / kSectorSize;
}

std::size_t divideUp(std::size_t value, std::size_t by) {
    return (value + by - 1) / by;
}

std::size_t difatSectorsFor(std::size_t fatSectors) {
    return fatSectors <= kHeaderDifatSlots
               ? 0
               : divideUp(fatSectors - kHeaderDifatSlots, kDifatEntriesPerSector);
}

void writeDirectoryEntry(std::span<std::uint8_t> entry, std::u16string_view name, std::uint8_t type,
                         std::uint32_t child, std::uint32_t start, std::uint32_t size) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        le::writeU16(entry, 2 * i, name[i]);
    }
    le::writeU16(entry, 64, static_cast<std::uint16_t>(2 * (name.size() + 1)));
    entry[66] = type;
    entry[67] = 1; // black: a tree of one node is trivially balanced
    le::writeU32(entry, 68, kNoEntry);
    le::writeU32(entry, 72, kNoEntry);
    le::writeU32(entry, 76, child);
    le::writeU32(entry, 116, start);
    le::writeU32(entry, 120, size);
}

} // namespace

std::vector<std::uint8_t> buildCompoundFile(std::span<const std::uint8_t> workbookStream) {
    const std::size_t streamSize = std::max(workbookStream.size(), kMiniStreamCutoff);
    const std::size_t streamSectors = sectorsFor(streamSize);
    const std::size_t directorySector = streamSectors;

    // The FAT maps every sector, its own and the DIFAT's included: grow it until it covers them.
    std::size_t fatSectors = 1;
    while (fatSectors * kFatEntriesPerSector <
           streamSectors + 1 + fatSectors + difatSectorsFor(fatSectors)) {
        ++fatSectors;
    }
    const std::size_t difatSectors = difatSectorsFor(fatSectors);
    const std::size_t firstFat = directorySector + 1;
    const std::size_t firstDifat = firstFat + fatSectors;
    const std::size_t totalSectors = firstDifat + difatSectors;

    std::vector<std::uint8_t> file((totalSectors + 1) * kSectorSize, 0);
    std::span<std::uint8_t> bytes(file);
    auto sector = [&](std::size_t n) { return bytes.subspan((n + 1) * kSectorSize, kSectorSize); };

    // Header.
    static constexpr std::uint8_t kSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::copy(std::begin(kSignature), std::end(kSignature), file.begin());
    le::writeU16(bytes, 24, 0x003E); // minor version
    le::writeU16(bytes, 26, 0x0003); // major version
    le::writeU16(bytes, 28, 0xFFFE); // byte order mark
    le::writeU16(bytes, 30, 9);      // 2^9-byte sectors
    le::writeU16(bytes, 32, 6);      // 2^6-byte mini sectors
    le::writeU32(bytes, 44, static_cast<std::uint32_t>(fatSectors));
    le::writeU32(bytes, 48, static_cast<std::uint32_t>(directorySector));
    le::writeU32(bytes, 56, static_cast<std::uint32_t>(kMiniStreamCutoff));
    le::writeU32(bytes, 60, kEndOfChain); // no mini FAT
    le::writeU32(bytes, 68, difatSectors ? static_cast<std::uint32_t>(firstDifat) : kEndOfChain);
    le::writeU32(bytes, 72, static_cast<std::uint32_t>(difatSectors));

    // Where each FAT sector is: the first 109 in the header, the rest in the DIFAT sectors.
    for (std::size_t i = 0; i < kHeaderDifatSlots; ++i) {
        le::writeU32(bytes, 76 + 4 * i,
                     i < fatSectors ? static_cast<std::uint32_t>(firstFat + i) : kFreeSector);
    }
    for (std::size_t d = 0; d < difatSectors; ++d) {
        std::span<std::uint8_t> difat = sector(firstDifat + d);
        for (std::size_t i = 0; i < kDifatEntriesPerSector; ++i) {
            const std::size_t fat = kHeaderDifatSlots + d * kDifatEntriesPerSector + i;
            le::writeU32(difat, 4 * i,
                         fat < fatSectors ? static_cast<std::uint32_t>(firstFat + fat)
                                          : kFreeSector);
        }
        le::writeU32(difat, 4 * kDifatEntriesPerSector,
                     d + 1 < difatSectors ? static_cast<std::uint32_t>(firstDifat + d + 1)
                                          : kEndOfChain);
    }

    // The FAT: the stream's chain, the directory's single sector, the FAT and DIFAT marks.
    auto setFat = [&](std::size_t n, std::uint32_t value) {
        le::writeU32(sector(firstFat + n / kFatEntriesPerSector), 4 * (n % kFatEntriesPerSector),
                     value);
    };
    for (std::size_t n = 0; n < fatSectors * kFatEntriesPerSector; ++n) {
        setFat(n, kFreeSector);
    }
    for (std::size_t n = 0; n < streamSectors; ++n) {
        setFat(n, n + 1 < streamSectors ? static_cast<std::uint32_t>(n + 1) : kEndOfChain);
    }
    setFat(directorySector, kEndOfChain);
    for (std::size_t n = 0; n < fatSectors; ++n) {
        setFat(firstFat + n, kFatSector);
    }
    for (std::size_t n = 0; n < difatSectors; ++n) {
        setFat(firstDifat + n, kDifatSector);
    }

    // The directory: the root entry, the workbook stream as its only child, two unused entries.
    std::span<std::uint8_t> directory = sector(directorySector);
    writeDirectoryEntry(directory.subspan(0, kDirectoryEntrySize), u"Root Entry", 5, 1, kEndOfChain,
                        0);
    writeDirectoryEntry(directory.subspan(kDirectoryEntrySize, kDirectoryEntrySize), u"Workbook", 2,
                        kNoEntry, 0, static_cast<std::uint32_t>(streamSize));
    for (std::size_t e = 2; e < kSectorSize / kDirectoryEntrySize; ++e) {
        std::span<std::uint8_t> unused = directory.subspan(e * kDirectoryEntrySize);
        le::writeU32(unused, 68, kNoEntry);
        le::writeU32(unused, 72, kNoEntry);
        le::writeU32(unused, 76, kNoEntry);
    }

    std::copy(workbookStream.begin(), workbookStream.end(), file.begin() + kSectorSize);
    return file;
}

} // namespace qb
