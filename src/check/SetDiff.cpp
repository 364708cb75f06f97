#include "SetDiff.h"

#include "check/LinkageDiff.h"
#include "check/PanelDiff.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/ModeNames.h"

namespace qb {

namespace {

using namespace difftext;

// One line per changed field, as a zone has few of them: `zone 3 name: "Lobby" -> "Hall"`.
void diffZones(const ZoneTable& before, const ZoneTable& after, ChangeLines& lines) {
    for (int z = 1; z <= ZoneTable::kZones; ++z) {
        const ZoneRecord& a = before.zone(z);
        const ZoneRecord& b = after.zone(z);
        const std::string subject = "zone " + number(z);
        ChangeLine registration(subject);
        registration.registration(a.registration, b.registration);
        registration.writeTo(lines);
        const auto fieldLine = [&](const char* name, const std::string& from,
                                   const std::string& to) {
            ChangeLine line(subject + ' ' + name);
            line.field("", from, to);
            line.writeTo(lines);
        };
        fieldLine("name", quoted(a.name.view()), quoted(b.name.view()));
        fieldLine("option 1", number(a.option1), number(b.option1));
        fieldLine("option 2", number(a.option2), number(b.option2));
    }
    ChangeLine zones("zones");
    zones.field("resound", onOff(before.resound), onOff(after.resound));
    zones.writeTo(lines);
}

void diffNetwork(const NetworkTable& before, const NetworkTable& after, ChangeLines& lines) {
    ChangeLine network("network");
    network.field("own host", number(before.hostIndex() + 1, 3), number(after.hostIndex() + 1, 3));
    network.field("share", onOff(before.share()), onOff(after.share()));
    network.writeTo(lines);
    for (int h = 1; h <= NetworkTable::kHosts; ++h) {
        ChangeLine host("host " + number(h));
        host.registration(before.hostRegistration(h), after.hostRegistration(h));
        host.field("type", number(before.hostType(h)), number(after.hostType(h)));
        host.writeTo(lines);
    }
}

std::string displayType(std::uint8_t code) {
    const std::u16string_view name = displayTypeName(code);
    return name.empty() ? number(code) : toUtf8(name);
}

void diffDisplays(const DisplayTable& before, const DisplayTable& after, ChangeLines& lines) {
    for (int d = 1; d <= DisplayTable::kDisplays; ++d) {
        const DisplayRecord& a = before.display(d);
        const DisplayRecord& b = after.display(d);
        ChangeLine display("display " + number(d));
        display.registration(a.registration, b.registration);
        display.field("type", displayType(a.type), displayType(b.type));
        display.field("zone", number(a.zone + 1, 2), number(b.zone + 1, 2));
        display.field("name", quoted(a.name.view()), quoted(b.name.view()));
        display.writeTo(lines);
    }
}

void diffBoards(const IoBoardRecord& before, const IoBoardRecord& after, ChangeLines& lines) {
    for (int i = 1; i <= IoBoardRecord::kBoards; ++i) {
        ChangeLine board("IO board " + number(i));
        board.registration(before.registration(i), after.registration(i));
        board.writeTo(lines);
    }
}

void diffDevice(const DeviceRecord& a, const DeviceRecord& b, const std::string& name,
                const ConfigStore& before, const ConfigStore& after, ChangeLines& lines) {
    ChangeLine device("device " + name);
    device.registration(a.registration, b.registration);
    device.field("type", deviceType(a.equipType, before.deviceTypes),
                 deviceType(b.equipType, after.deviceTypes));
    device.field("product type", toUtf8(productTypeName(a.productType)),
                 toUtf8(productTypeName(b.productType)));
    device.field("zone", number(a.zone + 1, 2), number(b.zone + 1, 2));
    device.field("output", toUtf8(outputModeName(a.outputMode)),
                 toUtf8(outputModeName(b.outputMode)));
    device.field("work", toUtf8(workModeName(a.workMode)), toUtf8(workModeName(b.workMode)));
    device.field("position", quoted(a.position.view()), quoted(b.position.view()));
    // The address and loop a record carries for the controller, set from its place.
    device.field("stored address", number(a.address), number(b.address));
    device.field("stored loop index", number(a.loopIndex), number(b.loopIndex));
    device.writeTo(lines);
}

void diffDevices(const ConfigStore& before, const ConfigStore& after, ChangeLines& lines) {
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        const BoardDevices& a = before.devices(j).working;
        const BoardDevices& b = after.devices(j).working;
        if (a.records == b.records) {
            continue; // most boards are alike
        }
        for (int loop = 1; loop <= kLoopsPerBoard; ++loop) {
            for (int address = 1; address <= kAddressesPerLoop; ++address) {
                const DeviceRecord& from = a.device(loop, address);
                const DeviceRecord& to = b.device(loop, address);
                if (!(from == to)) {
                    diffDevice(from, to, device(j, loop, address), before, after, lines);
                }
            }
        }
    }
}

} // namespace

ChangeLines diffConfigurations(const ConfigStore& before, const ConfigStore& after) {
    ChangeLines lines;
    diffZones(before.zones.working, after.zones.working, lines);
    diffNetwork(before.network.working, after.network.working, lines);
    diffDisplays(before.displays.working, after.displays.working, lines);
    diffBoards(before.ioBoards.working, after.ioBoards.working, lines);
    diffDevices(before, after, lines);
    diffLinkageRules(before, after, lines);
    diffMimic(before, after, lines);
    diffPanels(before, after, lines);
    return lines;
}

} // namespace qb
