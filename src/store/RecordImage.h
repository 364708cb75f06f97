#pragma once

#include "HeaderedImage.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace qb {

// A table that its file holds byte for byte as `Records` records of `RecordSize` bytes after the
// header. Record indices may come from files, so every access checks them.
template <int Records, std::size_t RecordSize>
struct RecordImage : HeaderedImage<static_cast<std::size_t>(Records) * RecordSize> {
    static constexpr int kRecords = Records;
    static constexpr std::size_t kRecordSize = RecordSize;

    // Record `index`, 0-based.
    std::span<std::uint8_t, RecordSize> record(int index) {
        return std::span<std::uint8_t, RecordSize>(this->data.data() + offset(index), RecordSize);
    }
    std::span<const std::uint8_t, RecordSize> record(int index) const {
        return std::span<const std::uint8_t, RecordSize>(this->data.data() + offset(index),
                                                         RecordSize);
    }

    bool operator==(const RecordImage&) const = default;

private:
    static std::size_t offset(int index) {
        if (index < 0 || index >= Records) {
            throw std::out_of_range("record index"); // callers check indices first
        }
        return RecordSize * static_cast<std::size_t>(index);
    }
};

} // namespace qb
