#pragma once

#include "FileTags.h"
#include "store/FileHeader.h"
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

// The linkage kinds, by the number each rule record carries in its byte 0 and whose list head
// the input table keeps in that order.
enum class LinkageKind : std::uint8_t {
    General = 1,
    Zone = 2,
    Building = 3,
    FloorByAddress = 4,
    RoomAndMimic = 5, // room rules and mimic LED rules share this list
    Specific = 6,
    FloorByType = 7,
};
inline constexpr int kLinkageKinds = 7;

inline constexpr int kindNumber(LinkageKind kind) {
    return static_cast<int>(kind);
}
inline bool isLinkageKind(int kind) {
    return kind >= 1 && kind <= kLinkageKinds;
}

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

// Byte offsets within a condition record; each kind lays out its own fields. Kind 1..7; other
// kinds are a programming error and throw std::out_of_range.
std::size_t firstOutputOffset(int kind); // uint16 index into the result table, 0xFFFF = none
std::size_t regOffset(int kind);         // 1 = the rule is registered
std::size_t delayOffset(int kind);       // 0 = no delay

// The records of a kind list, in page order; nothing for a kind outside 1..7.
std::vector<int> ruleChain(const LinkageInputTable& input, int kind);
int countRules(const LinkageInputTable& input, int kind);
// The record index of the rule on page 1..countRules(kind).
std::optional<int> recordAtPage(const LinkageInputTable& input, int kind, int page);

// The number of registered rules with a delay in the general, zone and specific kinds, as the
// controller expects it in the table's rule count field. Only computes; storing is the caller's.
std::uint16_t registeredRuleCount(const LinkageInputTable& input);

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
