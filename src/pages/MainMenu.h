#pragma once

#include <span>
#include <string_view>

namespace qb {

// Command numbers of the main window.
namespace commands {
inline constexpr int kFireAlarmController = 32808;
inline constexpr int kExit = 32787;
inline constexpr int kZoneSetup = 32771;
inline constexpr int kIoBoardSetup = 32780;
inline constexpr int kDeviceSetup = 32782;
inline constexpr int kNetSetup = 32774;
inline constexpr int kDisplaySetup = 32776;
inline constexpr int kMimicSetup = 32820;
inline constexpr int kMimicLinkageSetup = 32819;
inline constexpr int kGeneralLinkageSetup = 32788;
inline constexpr int kZoneLinkageSetup = 32789;
inline constexpr int kSpecificLinkageSetup = 32793;
inline constexpr int kZcpSetup = 32810;
inline constexpr int kLoadData = 32784;
inline constexpr int kDataExport = 32785;
inline constexpr int kVersion = 32800;
inline constexpr int kControllerVersionNote = 32818;
inline constexpr int kBroadcastControllerSetup = 32802;
inline constexpr int kBroadcastPointSetup = 32803;
inline constexpr int kHandControlSetup = 32794;
inline constexpr int kHydrantSetup = 32804;
inline constexpr int kBatchDevicePlacement = 32801;
inline constexpr int kGasZoneRegistration = 32814;
inline constexpr int kGasZoneParameters = 32815;
inline constexpr int kExportDevicesToWorkbook = 32806;
inline constexpr int kImportDevicesFromWorkbook = 32807;
inline constexpr int kCheckConfiguration = 32809;
inline constexpr int kPrintConfigurationReport = 32799;
inline constexpr int kFindDevice = 32840;
// The About box, which the window system's own menu offered; here the About menu does.
inline constexpr int kAboutBox = 16;
} // namespace commands

struct MenuEntry {
    std::u16string_view menu;
    std::u16string_view label;
    int command;
    bool separatorAfter = false;
    bool checkable = false;
};

// The menu bar, in order: Options, System, Linkage, ADVANCE, About, then Tools, which offers the
// commands that have no entry of their own.
std::span<const MenuEntry> mainMenu();

} // namespace qb
