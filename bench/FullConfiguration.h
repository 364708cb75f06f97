#pragma once

#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace qb::bench {

// The largest configuration there is: every IO board registered, every address of the 42
// boards registered with a position, 3000 rules (general, zone and specific in turn) and 5000
// outputs spread over them.
inline void fillFullConfiguration(ConfigStore& store) {
    for (int board = 1; board <= IoBoardRecord::kBoards; ++board) {
        store.ioBoards.working.registration(board) = 1;
    }
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        for (DeviceRecord& device : store.devices(j).working.records) {
            char text[32];
            std::snprintf(text, sizeof text, "Board %02d loop %u addr %03u", j % 100,
                          device.loopIndex % 2 + 1u, device.address % 1000u);
            const std::string_view view(text);
            device.registration = 1;
            device.position.assign(std::u16string(view.begin(), view.end()));
        }
    }
    LinkageInputTable& in = store.linkageInputs.working;
    LinkageResultTable& out = store.linkageResults.working;
    const LinkageKind kinds[] = {LinkageKind::General, LinkageKind::Zone, LinkageKind::Specific};
    std::vector<std::pair<int, LinkageKind>> rules;
    for (int n = 0; n < LinkageInputTable::kRecords; ++n) {
        const LinkageKind kind = kinds[n % 3];
        const auto rule = appendRule(in, out, kind);
        if (!rule) {
            break;
        }
        in.record(*rule)[regOffset(kind)] = 1;
        in.record(*rule)[delayOffset(kind)] = 5;
        rules.emplace_back(*rule, kind);
    }
    for (int n = 0; n < LinkageResultTable::kRecords && !rules.empty(); ++n) {
        const auto [rule, kind] = rules[static_cast<std::size_t>(n) % rules.size()];
        appendOutput(in, out, rule, kind, 0, static_cast<std::uint8_t>(n % 84),
                     static_cast<std::uint16_t>(n % 324 + 1));
    }
}

} // namespace qb::bench
