// Feeds arbitrary bytes to every file reader, then builds the files again from what was read.
// The first byte picks the system code; the rest is the file.
#include "files/DeviceFile.h"
#include "files/DisplayFile.h"
#include "files/IoBoardFile.h"
#include "files/NetworkFile.h"
#include "files/SystemSettingsFile.h"
#include "files/ZoneFile.h"
#include "store/BoardDevices.h"

#include <cstdlib>

using namespace qb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const SystemCode code = systemCodeFromByte(data[0] % 3).value();
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    const FileHeader headerTemplate = FileHeader::makeTemplate(code);

    ZoneTable zones = ZoneTable::defaults(headerTemplate);
    readZoneFile(file, zones);
    NetworkTable network = NetworkTable::defaults(headerTemplate);
    readNetworkFile(file, network);
    SystemSettings settings = SystemSettings::defaults(headerTemplate);
    readSystemSettingsFile(file, settings);
    DisplayTable displays = DisplayTable::defaults(headerTemplate);
    readDisplayFile(file, displays);
    IoBoardRecord boards = IoBoardRecord::defaults(headerTemplate);
    readIoBoardFile(file, boards, code);
    static BoardDevices entry;
    entry = BoardDevices::defaults(headerTemplate, 7, code);
    CutPositions cut;
    readDeviceFile(file, entry, code, cut);

    const bool sizesHold =
        buildZoneFile(zones, FileVariant::Export).bytes.size() == zone_file::kSize &&
        buildNetworkFile(network, headerTemplate, FileVariant::Export).bytes.size() ==
            network_file::kSize &&
        buildSystemSettingsFile(settings).bytes.size() == system_settings_file::kSize &&
        buildDisplayFile(displays, FileVariant::Export).bytes.size() == display_file::kSize &&
        buildDeviceFile(entry, 7, code, FileVariant::Export).bytes.size() ==
            device_file::fileSize(code);
    if (!sizesHold) {
        std::abort();
    }
    buildIoBoardFile(boards, headerTemplate, code, FileVariant::PageSave);
    return 0;
}
