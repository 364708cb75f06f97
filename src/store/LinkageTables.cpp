#include "LinkageTables.h"

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

const KindFields& fieldsOf(int kind) {
    if (!isLinkageKind(kind)) {
        throw std::out_of_range("linkage kind");
    }
    return kKindFields[static_cast<std::size_t>(kind - 1)];
}

} // namespace

std::size_t firstOutputOffset(int kind) {
    return fieldsOf(kind).firstOutput;
}
std::size_t regOffset(int kind) {
    return fieldsOf(kind).reg;
}
std::size_t delayOffset(int kind) {
    return fieldsOf(kind).delay;
}

std::vector<int> ruleChain(const LinkageInputTable& input, int kind) {
    if (!isLinkageKind(kind)) {
        return {};
    }
    return input.chainFrom(input.head(kind));
}

int countRules(const LinkageInputTable& input, int kind) {
    return static_cast<int>(ruleChain(input, kind).size());
}

std::optional<int> recordAtPage(const LinkageInputTable& input, int kind, int page) {
    const std::vector<int> chain = ruleChain(input, kind);
    if (page < 1 || page > static_cast<int>(chain.size())) {
        return std::nullopt;
    }
    return chain[static_cast<std::size_t>(page - 1)];
}

std::uint16_t registeredRuleCount(const LinkageInputTable& input) {
    std::uint16_t count = 0;
    for (const LinkageKind kind :
         {LinkageKind::General, LinkageKind::Zone, LinkageKind::Specific}) {
        const int k = kindNumber(kind);
        for (const int record : ruleChain(input, k)) {
            const auto bytes = input.record(record);
            if (bytes[regOffset(k)] == 1 && bytes[delayOffset(k)] != 0) {
                ++count;
            }
        }
    }
    return count;
}

LinkageInputTable LinkageInputTable::defaults(const FileHeader& headerTemplate) {
    LinkageInputTable table;
    table.bytes.fill(0xFF);
    table.setHeader(FileHeader::fromTemplate(headerTemplate, tags::kLinkageInput));
    table.setRegisteredRuleCount(0);
    return table;
}

LinkageResultTable LinkageResultTable::defaults(const FileHeader& headerTemplate) {
    LinkageResultTable table;
    table.bytes.fill(0xFF);
    table.setHeader(FileHeader::fromTemplate(headerTemplate, tags::kLinkageResult));
    return table;
}

} // namespace qb
