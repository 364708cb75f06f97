#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace qb {

// The linkage kinds, by the number each rule record carries in its byte 0 and whose list head
// the input table keeps in that order. A value outside 1..7 can still reach a function through a
// cast; the functions that take a kind check it.
enum class LinkageKind : std::uint8_t {
    General = 1,
    Zone = 2,
    Building = 3,
    FloorByAddress = 4,
    RoomAndMimic = 5, // room rules and mimic LED records share this list
    Specific = 6,
    FloorByType = 7,
};
inline constexpr int kLinkageKinds = 7;

// Every kind, in the order of the list heads.
inline constexpr std::array<LinkageKind, kLinkageKinds> kAllLinkageKinds{
    LinkageKind::General,        LinkageKind::Zone,         LinkageKind::Building,
    LinkageKind::FloorByAddress, LinkageKind::RoomAndMimic, LinkageKind::Specific,
    LinkageKind::FloorByType,
};

inline constexpr int kindNumber(LinkageKind kind) {
    return static_cast<int>(kind);
}
inline constexpr bool isLinkageKind(LinkageKind kind) {
    return kindNumber(kind) >= 1 && kindNumber(kind) <= kLinkageKinds;
}

// The kind a byte of a file names: nothing for a byte outside 1..7.
inline constexpr std::optional<LinkageKind> linkageKindOf(std::uint8_t byte) {
    const auto kind = static_cast<LinkageKind>(byte);
    return isLinkageKind(kind) ? std::optional(kind) : std::nullopt;
}

} // namespace qb
