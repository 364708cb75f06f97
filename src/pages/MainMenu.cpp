#include "MainMenu.h"

#include <array>

namespace qb {

namespace {

using namespace commands;

constexpr std::array<MenuEntry, 30> kMenu{{
    {u"Options", u"FireAlarmController", kFireAlarmController, false, true},
    {u"Options", u"Exit", kExit},
    {u"System", u"Zone Setup", kZoneSetup},
    {u"System", u"IO-Board Setup", kIoBoardSetup},
    {u"System", u"Detector/Module Setup", kDeviceSetup, true},
    {u"System", u"CAN-Net Setup", kNetSetup, true},
    {u"System", u"Display Setup", kDisplaySetup},
    {u"System", u"MDM Setup", kMimicSetup},
    {u"System", u"MDM Linkage Setup", kMimicLinkageSetup},
    {u"Linkage", u"General Linkage Setup", kGeneralLinkageSetup},
    {u"Linkage", u"Zone Linkage Setup", kZoneLinkageSetup},
    {u"Linkage", u"Specific Linkage Setup", kSpecificLinkageSetup, true},
    {u"Linkage", u"ZCP Setup", kZcpSetup},
    {u"ADVANCE", u"Load Data", kLoadData},
    {u"ADVANCE", u"Data export", kDataExport, true},
    {u"About", u"Version", kVersion},
    {u"About", u"About Quillbarrow", kAboutBox},
    {u"Tools", u"Controller Version Note", kControllerVersionNote},
    {u"Tools", u"Manual Control Panel Setup", kHandControlSetup},
    {u"Tools", u"Broadcast Controller Setup", kBroadcastControllerSetup},
    {u"Tools", u"Broadcast Point Setup", kBroadcastPointSetup},
    {u"Tools", u"Hydrant Setup", kHydrantSetup},
    {u"Tools", u"Batch Device Placement", kBatchDevicePlacement},
    {u"Tools", u"Gas Zone Registration", kGasZoneRegistration},
    {u"Tools", u"Gas Zone Parameters", kGasZoneParameters},
    {u"Tools", u"Export Devices to Workbook", kExportDevicesToWorkbook},
    {u"Tools", u"Import Devices from Workbook", kImportDevicesFromWorkbook},
    {u"Tools", u"Check Configuration", kCheckConfiguration},
    {u"Tools", u"Print Configuration Report", kPrintConfigurationReport},
    {u"Tools", u"Find Device", kFindDevice},
}};

} // namespace

std::span<const MenuEntry> mainMenu() {
    return kMenu;
}

} // namespace qb
