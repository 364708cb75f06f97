#include "LinkageTables.h"

namespace qb {

std::vector<int> ruleChain(const LinkageInputTable& input, LinkageKind kind) {
    if (!isLinkageKind(kind)) {
        return {};
    }
    return input.chainFrom(input.head(kind));
}

int countRules(const LinkageInputTable& input, LinkageKind kind) {
    return static_cast<int>(ruleChain(input, kind).size());
}

std::optional<int> recordAtPage(const LinkageInputTable& input, LinkageKind kind, int page) {
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
        for (const int record : ruleChain(input, kind)) {
            const auto bytes = input.record(record);
            if (bytes[regOffset(kind)] == 1 && bytes[delayOffset(kind)] != 0) {
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
