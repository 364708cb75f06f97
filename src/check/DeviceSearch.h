#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

class ConfigStore;

// What a search hit names: a zone, a fire display or an addressed device.
enum class SearchHitKind : std::uint8_t { Zone, Display, Device };

struct SearchHit {
    SearchHitKind kind = SearchHitKind::Device;
    int number = 0;      // zone or display number; 0 for a device
    int board = 0;       // device file 1..42; 0 for a zone or display
    int loop = 0;        // 1..2
    int address = 0;     // 1..324
    int zone = 0;        // the device's zone number (stored value + 1)
    std::u16string type; // the device's "Equip" name as the Detector/Module page shows it
    std::u16string text; // the position or name that holds the searched text

    bool operator==(const SearchHit&) const = default;
};

// Every zone name, display name and device position of the working copies that holds `text`
// anywhere, whatever the case in any script: both sides are case-folded and composed (NFC), so
// "KÜCHE" finds "Küche" and a typed "u" with a combining diaeresis finds a stored "ü", while
// accents must match ("kuche" does not find "Küche"). Zones first, then displays, then devices
// by board, loop and address; only what the set of the store's system code holds (the zones its
// pages offer, its device files). An empty text finds nothing.
std::vector<SearchHit> findInStore(const ConfigStore& store, std::u16string_view text);

} // namespace qb
