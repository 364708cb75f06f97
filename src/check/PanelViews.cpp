#include "PanelViews.h"

#include "devices/HydrantChains.h"
#include "devices/MimicLedNames.h"
#include "devices/MimicLedRecords.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"

namespace qb {

namespace {

using namespace difftext;

int ownHost(const ConfigStore& store) {
    return store.hostIndex() + 1;
}

// Broadcast points and hydrant records keep the boards as 1..40, with "V1" as 40 and "V2" as 41.
int boardOfCode(std::uint8_t code) {
    return code == hydrant::kV2Code ? kVirtualBoard2 : code;
}

std::string hydrantRule(std::uint8_t rule) {
    if (rule == hydrant::kRuleList) {
        return "list";
    }
    return rule == hydrant::kRuleAll ? "all boards" : "board " + number(rule, 2);
}

std::string allowText(std::uint8_t value) {
    switch (value) {
    case GasZoneTable::kAllow:
        return "Allow";
    case GasZoneTable::kForbid:
        return "Forbid";
    default:
        return number(value);
    }
}

std::string confirmText(std::uint8_t value) {
    switch (value) {
    case GasZoneTable::kPressureSwitch:
        return "PresrSwith";
    case GasZoneTable::kRelayDriver:
        return "RelayDriver";
    default:
        return number(value);
    }
}

// "Constant", or the list entry: 1 is "5", 2..6 are "10s".."30s".
std::string valveText(std::uint8_t value) {
    if (value == GasZoneTable::kValveConstant) {
        return "Constant";
    }
    if (value == 1) {
        return "5";
    }
    return value >= 2 && value <= 6 ? number(5 * value) + "s" : "code " + number(value);
}

// What the LED shows, in the column its cause fills.
std::string ledTarget(const MimicLed& led) {
    if (!led.hasNumber()) {
        return "none";
    }
    switch (led.cause) {
    case MimicLed::Device:
        return "address " + number(led.number, 3);
    case MimicLed::Zone:
        return "zone " + number(led.number, 2);
    case MimicLed::NcInput:
    case MimicLed::NoInput:
        return "input " + toUtf8(mimicnames::input(led.number));
    default:
        return "number " + number(led.number);
    }
}

} // namespace

std::optional<RecordFields> keypadPointView(const ConfigStore& store, int index) {
    const KeypadPoint p = store.keypad.working.point(index);
    RecordFields view;
    view.registration = p.registration;
    const bool noButton = p.button == KeypadPoint::kFree || p.button == KeypadPoint::kBegunButton;
    view.add("button", noButton ? "none" : number(p.button));
    std::string target = "none";
    if (p.target != KeypadPoint::kFree) {
        target =
            p.fieldDevice() ? device(p.target, p.loop, p.address) : "zone " + number(p.target, 2);
    }
    view.add("target", target);
    return view;
}

std::optional<RecordFields> handControlPointView(const ConfigStore& store, int index) {
    const HandControlPoint p = store.handControl.working.point(index);
    RecordFields view;
    view.registration = p.registration;
    view.add("input", p.inputAddress == HandControlPoint::kBegunAddress
                          ? "none"
                          : device(p.inputBoard, p.inputLoop, p.inputAddress));
    view.add("output", p.outputAddress == HandControlPoint::kNoAddress
                           ? "none"
                           : output(p.outputBoard, p.outputLoop, p.outputAddress) +
                                 onHost(p.outputHost, ownHost(store)));
    return view;
}

std::optional<RecordFields> broadcastControllerView(const ConfigStore& store, int index) {
    const BroadcastTable& table = store.broadcast.working;
    const std::uint8_t size = table.sizeCode(index + 1);
    RecordFields view;
    view.registration = table.registration(index + 1);
    view.add("points", size <= 2 ? number(30 * (size + 1)) : "code " + number(size));
    return view;
}

std::optional<RecordFields> broadcastPointView(const ConfigStore& store, int index) {
    using Table = BroadcastPointTable;
    const Table& table = store.broadcastPoints.working;
    if (!table.used(index)) {
        return std::nullopt;
    }
    const Table::Slot slot = table.slot(index);
    const auto numberOrNone = [](std::uint8_t value) {
        return value == Table::kFree ? std::string("none") : number(value + 1, 2);
    };
    const std::uint16_t address = le::readU16(slot, Table::kAddress);
    RecordFields view;
    view.registration = slot[Table::kRegistered];
    view.add("controller", numberOrNone(slot[Table::kController]));
    view.add("point", numberOrNone(slot[Table::kPoint]));
    view.add("module", address == 0xFFFF
                           ? "none"
                           : device(boardOfCode(slot[Table::kBoard]), slot[Table::kLoop], address));
    return view;
}

std::optional<RecordFields> hydrantInputView(const ConfigStore& store, int index) {
    const HydrantTable& table = store.hydrant.working;
    if (!hydrant::inputUsed(table, index)) {
        return std::nullopt;
    }
    const hydrant::Input input = hydrant::readInput(table, index);
    RecordFields view;
    view.registration = table.record(index)[HydrantTable::kRegistered];
    view.add("input", device(boardOfCode(input.board), input.loop, input.address));
    view.add("rule", hydrantRule(input.rule));
    view.hasOutputs = true;
    for (const hydrant::Output& out : hydrant::readOutputs(table, index)) {
        view.outputs.push_back(output(boardOfCode(out.board), out.loop, out.address));
    }
    return view;
}

std::optional<RecordFields> gasZoneView(const ConfigStore& store, int index) {
    using Table = GasZoneTable;
    const auto zone = store.gasZones.working.zone(index + 1);
    RecordFields view;
    view.registration = zone[Table::kRegistered];
    view.add("manual release", allowText(zone[Table::kManualRelease]));
    view.add("release confirmation", confirmText(zone[Table::kConfirmInput]));
    view.add("manual release delay", number(zone[Table::kManualDelay]) + "s");
    view.add("release delay", number(zone[Table::kReleaseDelay]) + "s");
    view.add("horn/strobe button", allowText(zone[Table::kHornButton]));
    view.add("smoke detectors", number(zone[Table::kSmokeCount]));
    view.add("heat detectors", number(zone[Table::kHeatCount]));
    view.add("valve drive", valveText(zone[Table::kValveDrive]));
    return view;
}

RecordFields mimicLedView(const MimicLed& led) {
    RecordFields view;
    view.registration = led.reg;
    view.add("cause", toUtf8(mimicnames::cause(led.cause)));
    view.add("indication", toUtf8(mimicnames::indication(led.indication)));
    view.add("host", led.hasHost() ? number(led.host + 1, 3) : "none");
    view.add("loop", led.hasLoop() ? number(led.loop + 1, 2) : "none");
    view.add("", ledTarget(led));
    return view;
}

} // namespace qb
