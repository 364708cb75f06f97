#include "BoardDevices.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace qb {

BoardDevices BoardDevices::defaults(const FileHeader& headerTemplate, int fileNumber,
                                    SystemCode code) {
    // "V1 L1 Addr100" is 13 bytes, one more than system code 0 stores: without the blank the
    // start-up set of that code could never be exported.
    const char* const pattern =
        code == SystemCode::TwoLoopSo12 ? "V%dL%d Addr%d" : "V%d L%d Addr%d";
    BoardDevices entry;
    entry.header = FileHeader::fromTemplate(headerTemplate, tags::kDevices);
    const bool isVirtual = fileNumber >= kVirtualBoard1;
    for (int n = 0; n < kRecords; ++n) {
        DeviceRecord& record = entry.records[static_cast<std::size_t>(n)];
        const int loop = loopOf(n);
        const int address = addressOf(n);
        record.address = static_cast<std::uint16_t>(address);
        record.loopIndex = loopIndexOf(fileNumber, loop);
        if (isVirtual) {
            char text[32];
            const int length = std::snprintf(text, sizeof text, pattern,
                                             fileNumber - kVirtualBoard1 + 1, loop, address);
            char16_t units[32];
            std::copy_n(text, length, units);
            record.position.assign({units, static_cast<std::size_t>(length)});
        }
    }
    return entry;
}

} // namespace qb
