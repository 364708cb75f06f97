#include "ChangeLine.h"
#include "Checks.h"
#include "devices/BroadcastPointEditor.h"
#include "devices/HandControlEditor.h"
#include "devices/HydrantChains.h"
#include "devices/HydrantDevices.h"
#include "devices/MimicLedRecords.h"
#include "files/FileNames.h"
#include "files/TextCodec.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"

#include <memory>
#include <optional>

namespace qb {

namespace {

using Fits = bool (*)(const DeviceRecord&);

// Dangling references are work in progress: warnings, each with its page and place.
class References {
public:
    References(const ConfigStore& store, Findings& findings)
        : m_store(store), m_findings(findings) {}

    // A device target on this host: what is wrong with it, in words, or nothing.
    std::optional<std::string> targetProblem(int board, int loop, int address, Fits fits,
                                             const char* wanted) const {
        if (board < 1 || board > kDeviceFileCount || loop < 1 || loop > kLoopsPerBoard) {
            return "names board " + std::to_string(board) + " loop " + std::to_string(loop) +
                   ", which does not exist";
        }
        if (board <= IoBoardRecord::kBoards && m_store.ioBoards.working.registration(board) != 1) {
            return "names board " + difftext::number(board, 2) + ", which is not registered";
        }
        if (address < 1 || address > kAddressesPerLoop) {
            return "names address " + std::to_string(address) + ", outside the loop";
        }
        const DeviceRecord& device = m_store.devices(board).working.device(loop, address);
        if (fits(device)) {
            return std::nullopt;
        }
        const std::string target = difftext::output(board, loop, address);
        // A ManualCtrl counts whatever its registration: what stands there is said instead.
        if (device.registration != 1 && fits != isManualCtrl) {
            return "names " + target + ", where no device is registered";
        }
        return "names " + target + ", a " +
               toUtf8(deviceTypeName(device.equipType, m_store.deviceTypes)) +
               ", which cannot be " + wanted;
    }

    Finding& warn(FindingPage page, const std::string& file, std::string where, int item,
                  std::string text) {
        return m_findings.add(Severity::Warning, page, file, std::move(where), std::move(text),
                              item);
    }

    void checkTarget(FindingPage page, const std::string& file, const std::string& where, int item,
                     int board, int loop, int address, Fits fits, const char* wanted) {
        if (auto problem = targetProblem(board, loop, address, fits, wanted)) {
            warn(page, file, where, item, std::move(*problem));
        }
    }

    bool zoneRegistered(int zone) const {
        return zone >= 1 && zone <= ZoneTable::kZones &&
               m_store.zones.working.zone(zone).registration == 1;
    }

    std::string file(std::string_view name) const { return fileName(m_store.hostIndex(), name); }

    const ConfigStore& m_store;
    Findings& m_findings;
};

void checkLinkageOutputs(References& refs) {
    const ConfigStore& store = refs.m_store;
    const LinkageInputTable& input = store.linkageInputs.working;
    const LinkageResultTable& result = store.linkageResults.working;
    const std::string file = refs.file(names::kLinkageResult);
    for (const LinkageKind kind : kAllLinkageKinds) {
        if (kind == LinkageKind::FloorByType) {
            continue; // its outputs name device types, not devices
        }
        const std::vector<int> rules = ruleChain(input, kind);
        for (std::size_t page = 1; page <= rules.size(); ++page) {
            const std::vector<int> outputs = outputChain(input, result, rules[page - 1], kind);
            for (std::size_t n = 0; n < outputs.size(); ++n) {
                const auto record = result.record(outputs[n]);
                if (record[LinkageResultTable::kHostIndex] != store.hostIndex()) {
                    continue; // another host's devices are in its own set
                }
                const int loopIndex = record[LinkageResultTable::kLoopIndex];
                refs.checkTarget(FindingPage::Linkage, file,
                                 ruleName(kind, static_cast<int>(page)) + ", output " +
                                     std::to_string(n + 1),
                                 static_cast<int>(page), loopIndex / 2 + 1, loopIndex % 2 + 1,
                                 le::readU16(record, LinkageResultTable::kAddress), isOutputModule,
                                 "switched by a rule");
            }
        }
    }
    // Zone, building, floor and room rules start from a zone (mimic LED records share the room
    // list and keep other things there).
    for (const LinkageKind kind : {LinkageKind::Zone, LinkageKind::Building,
                                   LinkageKind::FloorByAddress, LinkageKind::RoomAndMimic}) {
        const std::vector<int> rules = ruleChain(input, kind);
        for (std::size_t page = 1; page <= rules.size(); ++page) {
            const auto record = input.record(rules[page - 1]);
            if (kind == LinkageKind::RoomAndMimic && mimicrecords::isMimicRecord(record)) {
                continue;
            }
            const int zone = record[condition::kZone] + 1;
            if (!refs.zoneRegistered(zone)) {
                refs.warn(FindingPage::Linkage, refs.file(names::kLinkageInput),
                          ruleName(kind, static_cast<int>(page)), static_cast<int>(page),
                          "starts from zone " + std::to_string(zone) + ", which is not registered");
            }
        }
    }
}

void checkKeypad(References& refs) {
    const KeypadTable& table = refs.m_store.keypad.working;
    const std::string file = refs.file(names::kKeypad);
    const int points = table.pointCount();
    for (int n = 0; n < points; ++n) {
        const KeypadPoint point = table.point(n);
        const std::string where = "keypad point " + std::to_string(n + 1);
        if (point.target == KeypadPoint::kFree) {
            continue; // no target chosen yet
        }
        if (point.fieldDevice()) {
            refs.checkTarget(FindingPage::Keypad, file, where, n + 1, point.target, point.loop,
                             point.address, isOutputModule, "switched by a keypad");
        } else if (!refs.zoneRegistered(point.target)) {
            refs.warn(FindingPage::Keypad, file, where, n + 1,
                      "names zone " + std::to_string(point.target) + ", which is not registered");
        }
    }
}

void checkHandControl(References& refs) {
    const ConfigStore& store = refs.m_store;
    const HandControlTable& table = store.handControl.working;
    const std::string file = refs.file(names::kHandControl);
    const int points = table.pointCount();
    for (int n = 0; n < points; ++n) {
        const HandControlPoint point = table.point(n);
        const std::string where = "hand control point " + std::to_string(n + 1);
        if (point.inputAddress != HandControlPoint::kBegunAddress) {
            refs.checkTarget(FindingPage::HandControl, file, where + ", input", n + 1,
                             point.inputBoard, point.inputLoop, point.inputAddress, isManualCtrl,
                             "its input (a ManualCtrl module)");
        }
        if (point.outputHost == store.hostIndex() + 1 &&
            point.outputAddress != HandControlPoint::kNoAddress) {
            refs.checkTarget(FindingPage::HandControl, file, where + ", output", n + 1,
                             point.outputBoard, point.outputLoop, point.outputAddress,
                             isOutputModule, "switched by a hand control point");
        }
    }
}

// Broadcast points and hydrant records keep "V1" as 40 and "V2" as 41: 41 is device file 42,
// and 40 reads as board 40, as their editors read it.
int deviceFileOfBoardByte(int board) {
    return board == kVirtualBoard1 ? kVirtualBoard2 : board;
}

void checkBroadcast(References& refs) {
    const ConfigStore& store = refs.m_store;
    const BroadcastPointTable& table = store.broadcastPoints.working;
    const std::string file = refs.file(names::kBroadcastPoints);
    using T = BroadcastPointTable;
    const int points = table.pointCount();
    for (int n = 0; n < points; ++n) {
        const T::Slot slot = table.slot(n);
        const std::string where = "broadcast point " + std::to_string(n + 1);
        const int controller = slot[T::kController] + 1;
        if (slot[T::kController] != T::kFree &&
            (controller > BroadcastTable::kControllers ||
             store.broadcast.working.registration(controller) != 1)) {
            refs.warn(FindingPage::Broadcast, file, where, n + 1,
                      "names broadcast controller " + std::to_string(controller) +
                          ", which is not registered");
        }
        if (slot[T::kSpare] == 0) { // a module is set
            refs.checkTarget(FindingPage::Broadcast, file, where, n + 1,
                             deviceFileOfBoardByte(slot[T::kBoard]), slot[T::kLoop],
                             le::readU16(slot, T::kAddress), isBModule,
                             "switched by a broadcast point");
        }
    }
}

void checkHydrant(References& refs) {
    const HydrantTable& table = refs.m_store.hydrant.working;
    const std::string file = refs.file(names::kHydrant);
    for (const int in : hydrant::usedInputs(table)) {
        const hydrant::Input input = hydrant::readInput(table, in);
        const std::string where = "hydrant input " + std::to_string(in + 1);
        refs.checkTarget(FindingPage::Hydrant, file, where, in + 1,
                         deviceFileOfBoardByte(input.board), input.loop, input.address,
                         hydrant::isHydrantInput, "a hydrant input");
        const std::vector<hydrant::Output> outputs = hydrant::readOutputs(table, in);
        for (std::size_t n = 0; n < outputs.size(); ++n) {
            refs.checkTarget(FindingPage::Hydrant, file,
                             where + ", output " + std::to_string(n + 1), in + 1,
                             deviceFileOfBoardByte(outputs[n].board), outputs[n].loop,
                             outputs[n].address, hydrant::isHydrantModule, "a hydrant output");
        }
    }
}

bool anyDevice(const DeviceRecord& device) {
    return device.registration == 1;
}

void checkMimicLeds(References& refs) {
    const ConfigStore& store = refs.m_store;
    if (store.linkageInputs.working.head(mimicrecords::kKind) == kFreeLink) {
        return; // no LED is set up
    }
    const std::string file = refs.file(names::kLinkageInput);
    const auto settings =
        std::make_unique<mimicrecords::Settings>(mimicrecords::load(store.linkageInputs.working));
    for (int module = 1; module <= mimicrecords::kModules; ++module) {
        for (int led = 1; led <= mimicrecords::kLeds; ++led) {
            const MimicLed& setting = (*settings)[module - 1][led - 1];
            const std::string where =
                "mimic module " + std::to_string(module) + ", LED " + std::to_string(led);
            if (setting.cause == MimicLed::Zone && setting.hasNumber() &&
                !refs.zoneRegistered(setting.number)) {
                refs.warn(FindingPage::Mimic, file, where, module,
                          "shows zone " + std::to_string(setting.number) +
                              ", which is not registered");
            } else if (setting.cause == MimicLed::Device && setting.hasHost() &&
                       setting.host == store.hostIndex() && setting.hasLoop() &&
                       setting.hasNumber()) {
                refs.checkTarget(FindingPage::Mimic, file, where, module, setting.loop + 1, 1,
                                 setting.number, anyDevice, "shown");
            }
        }
    }
}

void checkDeviceZones(References& refs) {
    forEachDevice(refs.m_store, [&](int board, int index, const DeviceRecord& device) {
        const int zone = device.zone + 1;
        if (device.registration != 1 || zone > ZoneTable::kZones || refs.zoneRegistered(zone)) {
            return; // no zone (255) or a code outside the list are values' business
        }
        Finding& finding = refs.warn(
            FindingPage::Devices, refs.file(deviceFileName(board)), deviceWhere(board, index), 0,
            "in zone " + std::to_string(zone) + ", which is not registered");
        placeAtDevice(finding, board, index);
    });
}

} // namespace

void checkReferences(const ConfigStore& store, Findings& findings) {
    References refs(store, findings);
    checkLinkageOutputs(refs);
    checkKeypad(refs);
    checkHandControl(refs);
    checkBroadcast(refs);
    checkHydrant(refs);
    checkMimicLeds(refs);
    checkDeviceZones(refs);
}

} // namespace qb
