#include "ChangeLine.h"
#include "Checks.h"
#include "devices/MimicLedRecords.h"
#include "files/FileNames.h"
#include "files/Messages.h"
#include "files/TextCodec.h"
#include "files/ZoneFile.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"

#include <algorithm>

namespace qb {

namespace {

// What the setup pages show for a registration byte that is neither 0 nor 1.
std::string badRegistration(std::uint8_t value) {
    return "registration byte " + std::to_string(value) + " (shown as \"Error\"), not 0 or 1";
}

class Values {
public:
    Values(const ConfigStore& store, Findings& findings) : m_store(store), m_findings(findings) {}

    Finding& error(FindingPage page, std::string_view file, std::string where, int item,
                   std::string text) {
        return m_findings.add(Severity::Error, page, fileName(m_store.hostIndex(), file),
                              std::move(where), std::move(text), item);
    }
    // `where` names the place, asked only for a finding: "zone 3".
    template <class Where>
    void registration(FindingPage page, std::string_view file, Where where, int item,
                      std::uint8_t value) {
        if (value > 1) {
            error(page, file, where(), item, badRegistration(value));
        }
    }

    const ConfigStore& m_store;
    Findings& m_findings;
};

void checkDevice(Values& values, int board, int index, const DeviceRecord& device) {
    const auto error = [&](std::string text) {
        Finding& finding = values.error(FindingPage::Devices, deviceFileName(board),
                                        deviceWhere(board, index), 0, std::move(text));
        placeAtDevice(finding, board, index);
    };
    if (device.registration > 1) {
        error(badRegistration(device.registration));
    }
    if (device.registration != 1) {
        return; // an unregistered slot's other bytes are not read
    }
    if (!knownDeviceType(device.equipType, values.m_store.deviceTypes)) {
        error("device type code " + std::to_string(device.equipType) +
              " is in neither the device type list nor the device type table");
    }
    if (!knownProductType(device.productType)) {
        error("product type code " + std::to_string(device.productType) +
              " is not in the product type list");
    }
    if (device.zone >= ZoneTable::kZones && device.zone != 255) {
        error("zone byte " + std::to_string(device.zone) + ": zones are 1.." +
              std::to_string(ZoneTable::kZones));
    }
    if (device.outputMode > DeviceRecord::kOutputConstant) {
        error("output mode " + std::to_string(device.outputMode) +
              " is neither pulse nor constant");
    }
    if (device.workMode > DeviceRecord::kWorkSlow) {
        error("work mode " + std::to_string(device.workMode) + " is not one of the three");
    }
}

void checkRegistrations(Values& values) {
    const ConfigStore& store = values.m_store;
    for (int z = 1; z <= ZoneTable::kZones; ++z) {
        values.registration(
            FindingPage::Zones, names::kZone, [&] { return "zone " + std::to_string(z); }, z,
            store.zones.working.zone(z).registration);
    }
    for (int h = 1; h <= NetworkTable::kHosts; ++h) {
        values.registration(
            FindingPage::Network, names::kNetwork, [&] { return "host " + std::to_string(h); }, h,
            store.network.working.hostRegistration(h));
    }
    for (int d = 1; d <= DisplayTable::kDisplays; ++d) {
        values.registration(
            FindingPage::Displays, names::kDisplay, [&] { return "display " + std::to_string(d); },
            d, store.displays.working.display(d).registration);
    }
    for (int b = 1; b <= IoBoardRecord::kBoards; ++b) {
        values.registration(
            FindingPage::IoBoards, names::kIoBoard,
            [&] { return "IO board " + difftext::number(b, 2); }, b,
            store.ioBoards.working.registration(b));
    }
    for (int m = 1; m <= MimicTable::kModules; ++m) {
        values.registration(
            FindingPage::Mimic, names::kMimic, [&] { return "mimic module " + std::to_string(m); },
            m, store.mimic.working.registration(m));
    }
    for (int g = 1; g <= GasZoneTable::kZones; ++g) {
        values.registration(
            FindingPage::GasZones, names::kGasZones,
            [&] { return "gas zone " + std::to_string(g); }, g,
            store.gasZones.working.zone(g)[GasZoneTable::kRegistered]);
    }
    // The panel editors show only a tick for 1: their other bytes (0xFF while a point is only
    // begun) are no fault. A button byte outside the keypad is.
    const KeypadTable& keypad = store.keypad.working;
    const int points = keypad.pointCount();
    for (int n = 0; n < points; ++n) {
        const KeypadPoint point = keypad.point(n);
        if (point.button > 32) {
            values.error(FindingPage::Keypad, names::kKeypad,
                         "keypad point " + std::to_string(n + 1), n + 1,
                         "button " + std::to_string(point.button) + ": the keypad has 1..32");
        }
    }
}

// Every rule's Reg byte is 0 or 1 and its delay one the editors offer (or none chosen yet).
// Mimic LED records share the room list with a layout of their own.
void checkRules(Values& values) {
    const LinkageInputTable& input = values.m_store.linkageInputs.working;
    for (const LinkageKind kind : kAllLinkageKinds) {
        const std::vector<int> rules = ruleChain(input, kind);
        for (std::size_t page = 1; page <= rules.size(); ++page) {
            const auto record = input.record(rules[page - 1]);
            if (kind == LinkageKind::RoomAndMimic && mimicrecords::isMimicRecord(record)) {
                continue;
            }
            const std::string where = ruleName(kind, static_cast<int>(page));
            values.registration(
                FindingPage::Linkage, names::kLinkageInput, [&] { return where; },
                static_cast<int>(page), record[regOffset(kind)]);
            const std::uint8_t delay = record[delayOffset(kind)];
            if (delay != kNoDelayChosen && std::find(kDelaySeconds.begin(), kDelaySeconds.end(),
                                                     delay) == kDelaySeconds.end()) {
                values.error(FindingPage::Linkage, names::kLinkageInput, where,
                             static_cast<int>(page),
                             "delay " + std::to_string(delay) + " s is none the rules offer");
            }
        }
    }
}

// A floor rule of the type kind switches every module of a device type: its outputs hold type
// codes, which must be ones the lists know.
void checkOutputTypes(Values& values) {
    const ConfigStore& store = values.m_store;
    const LinkageInputTable& input = store.linkageInputs.working;
    const std::vector<int> rules = ruleChain(input, LinkageKind::FloorByType);
    for (std::size_t page = 1; page <= rules.size(); ++page) {
        const std::vector<int> outputs = outputChain(input, store.linkageResults.working,
                                                     rules[page - 1], LinkageKind::FloorByType);
        for (std::size_t n = 0; n < outputs.size(); ++n) {
            const int code =
                store.linkageResults.working.record(outputs[n])[LinkageResultTable::kAddress];
            if (!knownDeviceType(code, store.deviceTypes)) {
                values.error(FindingPage::Linkage, names::kLinkageResult,
                             ruleName(LinkageKind::FloorByType, static_cast<int>(page)) +
                                 ", output " + std::to_string(n + 1),
                             static_cast<int>(page),
                             "device type code " + std::to_string(code) +
                                 " is in neither the device type list nor the device type table");
            }
        }
    }
}

// The texts Data export would refuse, each with the export's own message.
void checkTexts(Values& values) {
    const ConfigStore& store = values.m_store;
    for (const std::string& message :
         buildZoneFile(store.zones.working, FileVariant::Export).messages) {
        values.error(FindingPage::Zones, names::kZone, {}, 0, message);
    }
    // The positions, as the device files' export measures them (without building the files).
    const std::size_t limit = positionLimitBytes(store.systemCode());
    forEachDevice(store, [&](int board, int index, const DeviceRecord& device) {
        const std::size_t bytes = utf8Size(device.position.view());
        if (device.position.empty() || bytes <= limit) {
            return;
        }
        const int address = BoardDevices::addressOf(index);
        Finding& finding =
            values.error(FindingPage::Devices, deviceFileName(board), deviceWhere(board, index), 0,
                         messages::positionTooLongOnExport(board, address, limit, bytes));
        placeAtDevice(finding, board, index);
    });
}

void capacity(Findings& findings, FindingPage page, const std::string& what, int used, int size) {
    const bool nearlyFull = used * 10 >= size * 9;
    findings.add(nearlyFull ? Severity::Warning : Severity::Note, page, {}, {},
                 what + ": " + std::to_string(used) + " / " + std::to_string(size) +
                     (nearlyFull ? " (nearly full)" : ""));
}

template <class Pool> int recordsInUse(const Pool& pool, int from = 0) {
    int used = 0;
    for (int n = from; n < Pool::kRecords; ++n) {
        used += pool.nextLink(n) != kFreeLink ? 1 : 0;
    }
    return used;
}

void checkCapacity(const ConfigStore& store, Findings& findings) {
    capacity(findings, FindingPage::Linkage, "conditions",
             recordsInUse(store.linkageInputs.working), LinkageInputTable::kRecords);
    capacity(findings, FindingPage::Linkage, "outputs", recordsInUse(store.linkageResults.working),
             LinkageResultTable::kRecords);
    capacity(findings, FindingPage::HandControl, "hand control points",
             store.handControl.working.pointCount(), HandControlTable::kRecords);
    capacity(findings, FindingPage::Broadcast, "broadcast points",
             store.broadcastPoints.working.pointCount(), BroadcastPointTable::kRecords);
    const HydrantTable& hydrant = store.hydrant.working;
    int hydrantOutputs = 0;
    for (int n = 0; n < HydrantTable::kOutputs; ++n) {
        const auto record = hydrant.record(HydrantTable::kInputs + n);
        hydrantOutputs += le::readU16(record, HydrantTable::kNext) != HydrantTable::kFreeLink;
    }
    capacity(findings, FindingPage::Hydrant, "hydrant outputs", hydrantOutputs,
             HydrantTable::kOutputs);
    capacity(findings, FindingPage::Keypad, "keypad points", store.keypad.working.pointCount(),
             KeypadTable::kRecords);
}

void checkNotes(const ConfigStore& store, Findings& findings) {
    const LinkageInputTable& input = store.linkageInputs.working;
    for (const LinkageKind kind : kAllLinkageKinds) {
        const std::vector<int> rules = ruleChain(input, kind);
        for (std::size_t page = 1; page <= rules.size(); ++page) {
            const auto record = input.record(rules[page - 1]);
            if (kind == LinkageKind::RoomAndMimic && mimicrecords::isMimicRecord(record)) {
                continue; // a mimic LED record: it has no outputs of its own
            }
            if (le::readU16(record, firstOutputOffset(kind)) == kFreeLink) {
                findings.add(Severity::Note, FindingPage::Linkage, {},
                             ruleName(kind, static_cast<int>(page)), "has no outputs",
                             static_cast<int>(page));
            }
        }
    }
    std::array<bool, ZoneTable::kZones> zoneUsed{};
    forEachDevice(store, [&](int, int, const DeviceRecord& device) {
        if (device.registration == 1 && device.zone < ZoneTable::kZones) {
            zoneUsed[device.zone] = true;
        }
    });
    for (int z = 1; z <= ZoneTable::kZones; ++z) {
        if (store.zones.working.zone(z).registration == 1 && !zoneUsed[z - 1]) {
            findings.add(Severity::Note, FindingPage::Zones, {}, "zone " + std::to_string(z),
                         "registered, but no device is in it", z);
        }
    }
}

} // namespace

void checkValues(const ConfigStore& store, Findings& findings) {
    Values values(store, findings);
    checkRegistrations(values);
    forEachDevice(store, [&](int board, int index, const DeviceRecord& device) {
        if (device.registration != 0) {
            checkDevice(values, board, index, device);
        }
    });
    checkRules(values);
    checkOutputTypes(values);
    checkTexts(values);
    checkCapacity(store, findings);
    checkNotes(store, findings);
}

} // namespace qb
