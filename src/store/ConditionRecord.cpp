#include "ConditionRecord.h"

#include <array>
#include <stdexcept>

namespace qb {

namespace {

struct KindFields {
    std::size_t firstOutput;
    std::size_t reg;
    std::size_t delay;
};

// Kinds 1..7. The kinds carry different condition fields before these, so the fields shift.
constexpr std::array<KindFields, kLinkageKinds> kKindFields{{
    {32, 30, 31},
    {34, 31, 32},
    {36, 34, 35},
    {36, 33, 34},
    {38, 35, 36},
    {46, 44, 45},
    {34, 30, 31},
}};

const KindFields& fieldsOf(LinkageKind kind) {
    if (!isLinkageKind(kind)) {
        throw std::out_of_range("linkage kind");
    }
    return kKindFields[static_cast<std::size_t>(kindNumber(kind) - 1)];
}

template <class Byte>
std::span<Byte, SpecificSlot::kSize> slotOf(std::span<Byte> record, int slot) {
    const auto at = SpecificSlot::kFirst + SpecificSlot::kSize * static_cast<std::size_t>(slot);
    if (slot < 0 || slot >= SpecificSlot::kSlots || at + SpecificSlot::kSize > record.size()) {
        throw std::out_of_range("specific slot");
    }
    return record.subspan(at).template first<SpecificSlot::kSize>();
}

} // namespace

namespace condition {

std::optional<LinkageKind> kindOf(std::span<const std::uint8_t> record) {
    return linkageKindOf(record[kKind]);
}

void mark(std::span<std::uint8_t> record, LinkageKind kind) {
    record[kKind] = static_cast<std::uint8_t>(kindNumber(kind));
    record[kMarker] = kMarked;
}

bool isMarkedAs(std::span<const std::uint8_t> record, LinkageKind kind) {
    return kindOf(record) == kind && record[kMarker] == kMarked;
}

} // namespace condition

std::size_t firstOutputOffset(LinkageKind kind) {
    return fieldsOf(kind).firstOutput;
}
std::size_t regOffset(LinkageKind kind) {
    return fieldsOf(kind).reg;
}
std::size_t delayOffset(LinkageKind kind) {
    return fieldsOf(kind).delay;
}

std::span<std::uint8_t, SpecificSlot::kSize> SpecificSlot::of(std::span<std::uint8_t> record,
                                                              int slot) {
    return slotOf(record, slot);
}
std::span<const std::uint8_t, SpecificSlot::kSize>
SpecificSlot::of(std::span<const std::uint8_t> record, int slot) {
    return slotOf(record, slot);
}

} // namespace qb
