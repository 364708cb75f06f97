#include "ModeNames.h"

namespace qb {

namespace {

const ModeName* find(std::span<const ModeName> modes, std::uint8_t code) {
    for (const ModeName& mode : modes) {
        if (mode.code == code) {
            return &mode;
        }
    }
    return nullptr;
}

// The name of `code`, or that of `otherwise` for a code the table does not list.
std::u16string_view nameOr(std::span<const ModeName> modes, std::uint8_t code,
                           std::uint8_t otherwise) {
    const ModeName* mode = find(modes, code);
    return (mode ? mode : find(modes, otherwise))->name;
}

} // namespace

std::vector<std::u16string> modeNames(std::span<const ModeName> modes) {
    std::vector<std::u16string> names;
    for (const ModeName& mode : modes) {
        names.emplace_back(mode.name);
    }
    return names;
}

std::u16string_view outputModeName(std::uint8_t code) {
    return nameOr(kOutputModes, code, DeviceRecord::kOutputPulse);
}

std::u16string_view workModeName(std::uint8_t code) {
    return nameOr(kWorkModes, code, DeviceRecord::kWorkFast);
}

std::u16string_view displayTypeName(std::uint8_t code) {
    const ModeName* type = find(kDisplayTypes, code);
    return type ? type->name : std::u16string_view();
}

std::vector<std::u16string> displayTypeListItems() {
    std::vector<std::u16string> items = modeNames(kDisplayTypes);
    items.front() = u"ALL-Disp";
    return items;
}

} // namespace qb
