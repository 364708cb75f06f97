#include "BoardDevices.h"

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
    for (int loop = 1; loop <= kLoopsPerBoard; ++loop) {
        for (int address = 1; address <= kAddressesPerLoop; ++address) {
            DeviceRecord& record = entry.device(loop, address);
            record.address = static_cast<std::uint16_t>(address);
            record.loopIndex = loopIndexOf(fileNumber, loop);
            if (isVirtual) {
                char text[32];
                std::snprintf(text, sizeof text, pattern, fileNumber - kVirtualBoard1 + 1, loop,
                              address);
                const std::string_view view(text);
                record.position.assign(std::u16string(view.begin(), view.end()));
            }
        }
    }
    return entry;
}

} // namespace qb
