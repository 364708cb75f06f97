#include "LinkageTables.h"

namespace qb {

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
