#pragma once

#include "FileTags.h"
#include "store/ConditionRecord.h"
#include "store/FileHeader.h"
#include "store/LinkageKind.h"
#include "store/LittleEndian.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace qb {

// Chain links of the pooled linkage records.
inline constexpr std::uint16_t kChainEnd = 0xFFFE; // last record of its chain
inline constexpr std::uint16_t kFreeLink = 0xFFFF; // the record is free (or: no record)

// A table held byte for byte with its header, whose records form one pool of chained records:
// each record's next link says which record follows it (kChainEnd: none; kFreeLink: the record
// is free). Indices come from files too, so every access checks them.
template <std::size_t RecordsOffset, std::size_t RecordSize, int Records, std::size_t NextLink>
class PooledImage {
public:
    static constexpr std::size_t kSize = RecordsOffset + RecordSize * Records;
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

    // The records of the chain from `start`, in order. A chain may come from a file and is not
    // trusted: the walk ends at the end marker, at a free record, at an index outside the pool,
    // or at the first record it has already visited, so a damaged chain reads as its intact part
    // and can neither hang a walk nor leave the pool.
    std::vector<int> chainFrom(std::uint32_t start) const {
        std::vector<int> chain;
        std::bitset<kRecords> seen;
        std::uint32_t index = start;
        while (isRecordIndex(index) && !seen.test(index)) {
            const std::uint16_t link = nextLink(static_cast<int>(index));
            if (link == kFreeLink) {
                break;
            }
            seen.set(index);
            chain.push_back(static_cast<int>(index));
            index = link;
        }
        return chain;
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
class LinkageInputTable : public PooledImage<48, 60, 3000, 56> {
public:
    static constexpr std::size_t kHeadsOffset = 32;
    static constexpr std::size_t kRuleCountOffset = 46;

    // All 0xFF, the header from the template with its tag, every head 0xFFFF, rule count 0.
    static LinkageInputTable defaults(const FileHeader& headerTemplate);

    // Kind 1..7; another kind throws std::out_of_range.
    std::uint16_t head(LinkageKind kind) const { return le::readU16(bytes, headOffset(kind)); }
    void setHead(LinkageKind kind, std::uint16_t index) {
        le::writeU16(bytes, headOffset(kind), index);
    }

    std::uint16_t registeredRuleCount() const { return le::readU16(bytes, kRuleCountOffset); }
    void setRegisteredRuleCount(std::uint16_t count) {
        le::writeU16(bytes, kRuleCountOffset, count);
    }

    bool operator==(const LinkageInputTable&) const = default;

private:
    static std::size_t headOffset(LinkageKind kind) {
        if (!isLinkageKind(kind)) {
            throw std::out_of_range("linkage kind");
        }
        return kHeadsOffset + 2 * static_cast<std::size_t>(kindNumber(kind) - 1);
    }
};

// The records of a kind list, in page order; nothing for a kind outside 1..7.
std::vector<int> ruleChain(const LinkageInputTable& input, LinkageKind kind);
int countRules(const LinkageInputTable& input, LinkageKind kind);
// The record index of the rule on page 1..countRules(kind).
std::optional<int> recordAtPage(const LinkageInputTable& input, LinkageKind kind, int page);

// The number of registered rules with a delay in the general, zone and specific kinds, as the
// controller expects it in the table's rule count field. Only computes; storing is the caller's.
std::uint16_t registeredRuleCount(const LinkageInputTable& input);

// The linkage result table (outputs), held byte for byte as LDRE.BIN: header, then 5000 output
// records of 8 bytes in one pool.
class LinkageResultTable : public PooledImage<32, 8, 5000, 4> {
public:
    // Within a record.
    static constexpr std::size_t kHostIndex = 0;
    static constexpr std::size_t kLoopIndex = 1;
    static constexpr std::size_t kAddress = 2; // uint16
    static constexpr std::size_t kUnused = 6;  // two bytes, kept at 0xFF

    static LinkageResultTable defaults(const FileHeader& headerTemplate);

    bool operator==(const LinkageResultTable&) const = default;
};

} // namespace qb
