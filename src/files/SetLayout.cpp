#include "SetLayout.h"

#include "DeviceFile.h"
#include "DisplayFile.h"
#include "FileNames.h"
#include "IoBoardFile.h"
#include "NetworkFile.h"
#include "ZoneFile.h"
#include "store/FileTags.h"
#include "store/LinkageTables.h"
#include "store/PanelTables.h"

namespace qb {

std::vector<SetFile> setLayout(SystemCode code) {
    std::vector<SetFile> files{
        {std::string(names::kZone), zone_file::kSize, {tags::kZone, tags::kIoBoard}},
        {std::string(names::kNetwork), network_file::kSize, {tags::kNetwork}},
        {std::string(names::kDisplay), display_file::kSize, {tags::kDisplay, tags::kIoBoard}},
        {std::string(names::kIoBoard), io_board_file::fileSize(code), {tags::kIoBoard}},
        {std::string(names::kMimic), MimicTable::kFileSize, {tags::kMimic}, true},
    };
    for (int j = 1; j <= deviceFileCount(code); ++j) {
        files.push_back(
            {deviceFileName(j), device_file::fileSize(code), {tags::kDevices, tags::kIoBoard}});
    }
    files.push_back({std::string(names::kLinkageInput),
                     LinkageInputTable::kSize,
                     {tags::kLinkageInput, tags::kIoBoard}});
    files.push_back({std::string(names::kLinkageResult),
                     LinkageResultTable::kSize,
                     {tags::kLinkageResult, tags::kIoBoard}});
    files.push_back({std::string(names::kKeypad), KeypadTable::kFileSize, {tags::kKeypad}});
    const auto panel = [&](std::string_view name, std::size_t size, std::string_view tag) {
        files.push_back({std::string(name), size, {tag}, false, false});
    };
    panel(names::kHandControl, HandControlTable::kFileSize, tags::kHandControl);
    panel(names::kBroadcast, BroadcastTable::kFileSize, tags::kBroadcast);
    panel(names::kBroadcastPoints, BroadcastPointTable::kFileSize, tags::kBroadcastPoints);
    panel(names::kHydrant, HydrantTable::kFileSize, tags::kHydrant);
    panel(names::kGasZones, GasZoneTable::kFileSize, tags::kGasZones);
    return files;
}

} // namespace qb
