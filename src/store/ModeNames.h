#pragma once

#include "DeviceRecord.h"
#include "DisplayTable.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// A stored code and the name the pages, their lists and the reports give it.
struct ModeName {
    std::uint8_t code;
    std::u16string_view name;
};

// In the order the lists offer them: entry i of a list stores the code of entry i.
// A device's output mode: any code but "Constant" reads "Pulse".
inline constexpr std::array<ModeName, 2> kOutputModes{{
    {DeviceRecord::kOutputPulse, u"Pulse"},
    {DeviceRecord::kOutputConstant, u"Constant"},
}};
// A device's work mode: any code but "Normal" and "Slow" reads "Fast".
inline constexpr std::array<ModeName, 3> kWorkModes{{
    {DeviceRecord::kWorkNormal, u"Normal"},
    {DeviceRecord::kWorkFast, u"Fast"},
    {DeviceRecord::kWorkSlow, u"Slow"},
}};
// A fire display's type: a code of neither reads as nothing.
inline constexpr std::array<ModeName, 2> kDisplayTypes{{
    {DisplayRecord::kAllDisplay, u"All-Disp"},
    {DisplayRecord::kZoneDisplay, u"Zone-Disp"},
}};

// The names of a table, in its order.
std::vector<std::u16string> modeNames(std::span<const ModeName> modes);

std::u16string_view outputModeName(std::uint8_t code);
std::u16string_view workModeName(std::uint8_t code);
// Empty for a code of no display type.
std::u16string_view displayTypeName(std::uint8_t code);

// The display type list, which offers type 1 as "ALL-Disp" while its cells read "All-Disp".
std::vector<std::u16string> displayTypeListItems();

} // namespace qb
