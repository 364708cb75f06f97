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

#include <string>

namespace qb {

namespace {

bool sameFormat(const FileHeader& a, const FileHeader& b) {
    return a.formatByte1() == b.formatByte1() && a.formatByte2() == b.formatByte2();
}

std::string formatText(const FileHeader& header) {
    return std::to_string(header.formatByte1()) + ' ' + std::to_string(header.formatByte2());
}

// "A", "A and B", "A, B, C and D", or the first four and how many more: enough to find them.
std::string fileList(const std::vector<std::string>& files) {
    constexpr std::size_t kNamed = 4;
    const std::size_t named = files.size() <= kNamed + 1 ? files.size() : kNamed;
    std::string text;
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0) {
            text += i + 1 == files.size() ? " and " : ", ";
        }
        text += files[i];
    }
    if (named < files.size()) {
        text += " and " + std::to_string(files.size() - named) + " more";
    }
    return text;
}

Error cannotTell(std::string text, Cause cause = Cause::InvalidInput) {
    return {cause, {}, std::move(text)};
}

} // namespace

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

std::vector<std::string> setFileNames() {
    std::vector<std::string> list{std::string(names::kZone), std::string(names::kNetwork),
                                  std::string(names::kSystemSettings), std::string(names::kDisplay),
                                  std::string(names::kIoBoard)};
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        list.push_back(deviceFileName(j));
    }
    for (std::string_view name : {names::kLinkageInput, names::kLinkageResult, names::kHandControl,
                                  names::kBroadcast, names::kBroadcastPoints, names::kHydrant,
                                  names::kGasZones, names::kMimic, names::kKeypad}) {
        list.emplace_back(name);
    }
    return list;
}

Result<SystemCode> inferSystemCode(std::span<const FoundSetFile> files) {
    const FileHeader legacy = FileHeader::makeTemplate(SystemCode::TwoLoopSo12);
    // Codes 1 and 2 write the same format bytes.
    const FileHeader current = FileHeader::makeTemplate(SystemCode::TwoLoopSo3);
    std::vector<std::string> legacyFiles;
    std::vector<std::string> currentFiles;
    const FoundSetFile* ioBoard = nullptr;
    for (const FoundSetFile& file : files) {
        if (file.size <= FileHeader::kFormat2Offset) {
            continue;
        }
        if (sameFormat(file.header, legacy)) {
            legacyFiles.push_back(file.fileName);
        } else if (sameFormat(file.header, current)) {
            currentFiles.push_back(file.fileName);
            if (file.name == names::kIoBoard) {
                ioBoard = &file;
            }
        } else {
            return cannotTell(file.fileName + " has format bytes " + formatText(file.header) +
                              ", which no system code writes");
        }
    }
    if (!legacyFiles.empty() && !currentFiles.empty()) {
        return cannotTell("the files disagree: format bytes " + formatText(legacy) +
                          " (system code 0) in " + fileList(legacyFiles) + "; format bytes " +
                          formatText(current) + " (system code 1 or 2) in " +
                          fileList(currentFiles));
    }
    if (!legacyFiles.empty()) {
        return SystemCode::TwoLoopSo12;
    }
    if (currentFiles.empty()) {
        return cannotTell("no file of the set could be read", Cause::Missing);
    }
    const std::size_t oneLoopSize = io_board_file::fileSize(SystemCode::OneLoop);
    const std::size_t twoLoopSize = io_board_file::fileSize(SystemCode::TwoLoopSo3);
    const std::string sizes = "(" + std::to_string(oneLoopSize) + " bytes under system code 1, " +
                              std::to_string(twoLoopSize) + " under 2)";
    if (!ioBoard) {
        return cannotTell("format bytes " + formatText(current) +
                          " mean system code 1 or 2, and only the IO board file tells them apart " +
                          sizes + ", but it is missing or unreadable");
    }
    if (ioBoard->size == oneLoopSize) {
        return SystemCode::OneLoop;
    }
    if (ioBoard->size == twoLoopSize) {
        return SystemCode::TwoLoopSo3;
    }
    return cannotTell(ioBoard->fileName + " is " + std::to_string(ioBoard->size) +
                      " bytes long, which tells neither system code 1 nor 2 " + sizes);
}

} // namespace qb
