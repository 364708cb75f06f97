#include "LoopDeviceTable.h"

#include <string>

namespace qb {

DeviceTableEntry DeviceTableEntry::defaults(const FileHeader& headerTemplate, int fileNumber) {
    DeviceTableEntry entry;
    entry.header = FileHeader::fromTemplate(headerTemplate, tags::kDevices);
    const bool isVirtual = fileNumber >= kVirtualBoard1;
    for (int loop = 1; loop <= kLoopsPerBoard; ++loop) {
        for (int address = 1; address <= kAddressesPerLoop; ++address) {
            DeviceRecord& record = entry.device(loop, address);
            record.address = static_cast<std::uint16_t>(address);
            record.loopIndex = loopIndexOf(fileNumber, loop);
            if (isVirtual) {
                const std::string text = "V" + std::to_string(fileNumber - kVirtualBoard1 + 1) +
                                         " L" + std::to_string(loop) + " Addr" +
                                         std::to_string(address);
                record.position.assign(std::u16string(text.begin(), text.end()));
            }
        }
    }
    return entry;
}

} // namespace qb
