#pragma once

#include "FileHeader.h"
#include "FixedText.h"

#include <array>
#include <cstdint>

namespace qb {

struct ZoneRecord {
    std::uint8_t registration = 0;
    std::uint8_t reserved = 0;
    FixedText<13> name; // at most 12 characters; on disk at most 12 bytes of UTF-8
    std::uint8_t option1 = 0;
    std::uint8_t option2 = 0;

    bool operator==(const ZoneRecord&) const = default;
};

struct ZoneTable {
    static constexpr int kZones = 32;

    FileHeader header;
    std::array<ZoneRecord, kZones> zones{};
    std::uint8_t resound = 0;

    // Zone z, 1-based.
    ZoneRecord& zone(int z) { return zones.at(z - 1); }
    const ZoneRecord& zone(int z) const { return zones.at(z - 1); }

    static ZoneTable defaults(const FileHeader& headerTemplate);

    bool operator==(const ZoneTable&) const = default;
};

inline ZoneTable ZoneTable::defaults(const FileHeader& headerTemplate) {
    ZoneTable table;
    table.header = FileHeader::fromTemplate(headerTemplate, tags::kZone);
    table.zone(1).registration = 1;
    return table;
}

} // namespace qb
