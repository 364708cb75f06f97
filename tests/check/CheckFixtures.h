#pragma once

#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace qb::test {

// A store of start-up contents under system code 2, with no Data folder.
inline std::unique_ptr<ConfigStore> freshStore() {
    RunState run;
    run.systemCode = SystemCode::TwoLoopSo3;
    run.headerTemplate = FileHeader::makeTemplate(run.systemCode);
    return ConfigStore::create(run);
}

// A registered general rule on device type `type` with that delay in seconds and outputs on
// board 1, loop 1; its record index.
inline int addGeneralRule(ConfigStore& store, std::uint8_t type,
                          const std::vector<std::uint16_t>& addresses, std::uint8_t delay = 5) {
    constexpr LinkageKind kind = LinkageKind::General;
    LinkageInputTable& input = store.linkageInputs.working;
    LinkageResultTable& result = store.linkageResults.working;
    const int record = appendRule(input, result, kind).value();
    const auto bytes = input.record(record);
    condition::mark(bytes, kind);
    bytes[4] = type;   // the input type list
    bytes[30] = 1;     // Reg
    bytes[31] = delay; // delay
    for (const std::uint16_t address : addresses) {
        EXPECT_TRUE(appendOutput(input, result, record, kind, 0, 0, address));
    }
    return record;
}

} // namespace qb::test
