#pragma once

#include "FileHeader.h"
#include "FixedText.h"

#include <array>
#include <cstdint>
#include <optional>

namespace qb {

// Buildings and floors live only in memory: they are not part of the file set, start from the
// defaults at every start and are read where linkage rules refer to them.
struct BuildingRecord {
    std::uint8_t registration = 0;
    std::uint8_t reserved = 0;
    FixedText<13> name;

    bool operator==(const BuildingRecord&) const = default;
};

struct BuildingTable {
    static constexpr int kZones = 32;
    static constexpr int kBuildingsPerZone = 20;

    FileHeader header;
    std::array<std::array<BuildingRecord, kBuildingsPerZone>, kZones> records{};

    // Building b (1..20) of zone z (1..32).
    BuildingRecord& building(int z, int b) { return records.at(z - 1).at(b - 1); }
    const BuildingRecord& building(int z, int b) const { return records.at(z - 1).at(b - 1); }

    static BuildingTable defaults(const FileHeader& headerTemplate) {
        BuildingTable table;
        table.header = FileHeader::fromTemplate(headerTemplate, tags::kBuilding);
        return table;
    }

    bool operator==(const BuildingTable&) const = default;
};

// Floors 1 to 200 use their own number as index; basement floor -n uses 257 - n, so -10 is 247
// and -1 is 256. Index 0 has no floor.
inline std::optional<int> floorIndex(int floor) {
    if (floor >= 1 && floor <= 200) {
        return floor;
    }
    if (floor >= -10 && floor <= -1) {
        return 257 + floor;
    }
    return std::nullopt;
}

struct FloorTable {
    static constexpr int kIndices = 257;

    FileHeader header;
    // One registration byte per floor index of each building of each zone.
    std::array<std::array<std::array<std::uint8_t, kIndices>, BuildingTable::kBuildingsPerZone>,
               BuildingTable::kZones>
        registration{};

    // Registration of floor index i (1..256) of building b (1..20) of zone z (1..32).
    std::uint8_t& floor(int z, int b, int i) { return registration.at(z - 1).at(b - 1).at(i); }

    static FloorTable defaults(const FileHeader& headerTemplate) {
        FloorTable table;
        table.header = FileHeader::fromTemplate(headerTemplate, tags::kFloor);
        return table;
    }

    bool operator==(const FloorTable&) const = default;
};

} // namespace qb
