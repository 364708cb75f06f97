#pragma once

#include "store/FileHeader.h"
#include "store/LittleEndian.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>

namespace qb {

namespace tags {
inline constexpr std::string_view kLinkageInput = "LDINP";
inline constexpr std::string_view kLinkageResult = "LDOUT";
} // namespace tags

// Chain links of the pooled linkage records.
inline constexpr std::uint16_t kChainEnd = 0xFFFE; // last record of its chain
inline constexpr std::uint16_t kFreeLink = 0xFFFF; // the record is free (or: no record)

// The linkage kinds 1..7 (general, zone, building, floor by address, room and mimic LEDs,
// specific, floor by type).
inline constexpr int kLinkageKinds = 7;

// A table held byte for byte with its header, whose records form one pool of chained records:
// each record's next link says which record follows it (kChainEnd: none; kFreeLink: the record
// is free). Indices come from files too, so every access checks them.
template <std::size_t Size, std::size_t RecordsOffset, std::size_t RecordSize, int Records,
          std::size_t NextLink>
class PooledImage {
public:
    static constexpr std::size_t kSize = Size;
    static constexpr std::size_t kRecordsOffset = RecordsOffset;
    static constexpr std::size_t kRecordSize = RecordSize;
    static constexpr int kRecords = Records;
    static constexpr std::size_t kNextLink = NextLink; // within a record

    std::array<std::uint8_t, kSize> bytes;

    FileHeader header() const { return FileHeader::fromBytes(bytes); }
    void setHeader(const FileHeader& header) {
        std::copy(header.bytes().begin(), header.bytes().end(), bytes.begin());
    }

    static bool isRecordIndex(std::uint32_t index) { return index < kRecords; }
    std::span<std::uint8_t, kRecordSize> record(int index) {
        return std::span<std::uint8_t, kRecordSize>(bytes.data() + recordOffset(index),
                                                    kRecordSize);
    }
    std::span<const std::uint8_t, kRecordSize> record(int index) const {
        return std::span<const std::uint8_t, kRecordSize>(bytes.data() + recordOffset(index),
                                                          kRecordSize);
    }
    std::uint16_t nextLink(int index) const { return le::readU16(record(index), kNextLink); }
    void setNextLink(int index, std::uint16_t link) {
        le::writeU16(record(index), kNextLink, link);
    }

    bool operator==(const PooledImage&) const = default;

private:
    static std::size_t recordOffset(int index) {
        if (!isRecordIndex(static_cast<std::uint32_t>(index))) {
            throw std::out_of_range("pooled record index"); // callers check indices first
        }
        return kRecordsOffset + kRecordSize * static_cast<std::size_t>(index);
    }
};

// The linkage input table (conditions), held byte for byte as LDCO.BIN: header, seven kind list
// heads, the registered rule count, then 3000 condition records of 60 bytes in one pool.
class LinkageInputTable : public PooledImage<180048, 48, 60, 3000, 56> {
public:
    static constexpr std::size_t kHeadsOffset = 32;
    static constexpr std::size_t kRuleCountOffset = 46;

    // All 0xFF, the header from the template with its tag, every head 0xFFFF, rule count 0.
    static LinkageInputTable defaults(const FileHeader& headerTemplate);

    // Kind k, 1..7.
    std::uint16_t head(int kind) const { return le::readU16(bytes, headOffset(kind)); }
    void setHead(int kind, std::uint16_t index) { le::writeU16(bytes, headOffset(kind), index); }

    std::uint16_t registeredRuleCount() const { return le::readU16(bytes, kRuleCountOffset); }
    void setRegisteredRuleCount(std::uint16_t count) {
        le::writeU16(bytes, kRuleCountOffset, count);
    }

    bool operator==(const LinkageInputTable&) const = default;

private:
    static std::size_t headOffset(int kind) {
        if (kind < 1 || kind > kLinkageKinds) {
            throw std::out_of_range("linkage kind");
        }
        return kHeadsOffset + 2 * static_cast<std::size_t>(kind - 1);
    }
};

// The linkage result table (outputs), held byte for byte as LDRE.BIN: header, then 5000 output
// records of 8 bytes in one pool.
class LinkageResultTable : public PooledImage<40032, 32, 8, 5000, 4> {
public:
    // Within a record.
    static constexpr std::size_t kHostIndex = 0;
    static constexpr std::size_t kLoopIndex = 1;
    static constexpr std::size_t kAddress = 2;

    static LinkageResultTable defaults(const FileHeader& headerTemplate);

    bool operator==(const LinkageResultTable&) const = default;
};

} // namespace qb
