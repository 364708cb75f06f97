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

std::string plainNumber(long value) {
    return number(value);
}
// A zone byte as the pages number zones: 3 is "04".
std::string zoneNumber(std::uint8_t zone) {
    return number(zone + 1, 2);
}
// A name field in double quotes.
constexpr auto quotedText = [](const auto& text) { return quoted(text.view()); };

// One line per changed field, as a zone has few of them: `zone 3 name: "Lobby" -> "Hall"`.
void diffZones(const ZoneTable& before, const ZoneTable& after, ChangeLines& lines) {
    for (int z = 1; z <= ZoneTable::kZones; ++z) {
        const ZoneRecord& a = before.zone(z);
        const ZoneRecord& b = after.zone(z);
        if (a == b) {
            continue;
        }
        const std::string subject = "zone " + number(z);
        ChangeLine registration(subject);
        registration.registration(a.registration, b.registration);
        registration.writeTo(lines);
        const auto fieldLine = [&](const char* name, const auto& from, const auto& to, auto text) {
            if (!(from == to)) {
                ChangeLine line(subject, " ", name);
                line.field("", text(from), text(to));
                line.writeTo(lines);
            }
        };
        fieldLine("name", a.name, b.name, quotedText);
        fieldLine("option 1", a.option1, b.option1, plainNumber);
        fieldLine("option 2", a.option2, b.option2, plainNumber);
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
        if (before.hostRegistration(h) == after.hostRegistration(h) &&
            before.hostType(h) == after.hostType(h)) {
            continue;
        }
        ChangeLine host("host ", number(h));
        host.registration(before.hostRegistration(h), after.hostRegistration(h));
        host.field("type", before.hostType(h), after.hostType(h), plainNumber);
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
        if (a == b) {
            continue;
        }
        ChangeLine display("display ", number(d));
        display.registration(a.registration, b.registration);
        display.field("type", a.type, b.type, displayType);
        display.field("zone", a.zone, b.zone, zoneNumber);
        display.field("name", a.name, b.name, quotedText);
        display.writeTo(lines);
    }
}

void diffBoards(const IoBoardRecord& before, const IoBoardRecord& after, ChangeLines& lines) {
    for (int i = 1; i <= IoBoardRecord::kBoards; ++i) {
        if (before.registration(i) == after.registration(i)) {
            continue;
        }
        ChangeLine board("IO board ", number(i));
        board.registration(before.registration(i), after.registration(i));
        board.writeTo(lines);
    }
}

void diffDevice(const DeviceRecord& a, const DeviceRecord& b, const std::string& name,
                const ConfigStore& before, const ConfigStore& after, ChangeLines& lines) {
    ChangeLine device("device ", name);
    device.registration(a.registration, b.registration);
    if (a.equipType != b.equipType) {
        device.field("type", deviceType(a.equipType, before.deviceTypes),
                     deviceType(b.equipType, after.deviceTypes));
    }
    device.field("product type", a.productType, b.productType,
                 [](std::uint8_t code) { return toUtf8(productTypeName(code)); });
    device.field("zone", a.zone, b.zone, zoneNumber);
    device.field("output", a.outputMode, b.outputMode,
                 [](std::uint8_t code) { return toUtf8(outputModeName(code)); });
    device.field("work", a.workMode, b.workMode,
                 [](std::uint8_t code) { return toUtf8(workModeName(code)); });
    device.field("position", a.position, b.position, quotedText);
    // The address and loop a record carries for the controller, set from its place.
    device.field("stored address", a.address, b.address, plainNumber);
    device.field("stored loop index", a.loopIndex, b.loopIndex, plainNumber);
    device.writeTo(lines);
}

void diffDevices(const ConfigStore& before, const ConfigStore& after, ChangeLines& lines) {
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        const BoardDevices& a = before.devices(j).working;
        const BoardDevices& b = after.devices(j).working;
        if (a.sameRecords(b)) {
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
