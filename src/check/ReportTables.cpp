#include "ChangeLine.h"
#include "HtmlWriter.h"
#include "ReportSections.h"
#include "files/FileNames.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/ModeNames.h"

namespace qb::report {

namespace {

using difftext::number;

std::string onOff(bool on) {
    return on ? "on" : "off";
}

} // namespace

std::string registrationMark(std::uint8_t value) {
    if (value <= 1) {
        return value == 1 ? "\u221A" : "\u00D7";
    }
    return "Error (" + number(value) + ")";
}

std::vector<int> reportedBoards(const ConfigStore& store) {
    std::vector<int> boards;
    for (int board = 1; board <= ioBoardCount(store.systemCode()); ++board) {
        if (store.ioBoards.working.registration(board) != 0) {
            boards.push_back(board);
        }
    }
    // The virtual boards have no registration of their own: their devices speak for them.
    for (int board = kVirtualBoard1; board <= deviceFileCount(store.systemCode()); ++board) {
        if (registeredDevices(store, board, 1) + registeredDevices(store, board, 2) > 0) {
            boards.push_back(board);
        }
    }
    return boards;
}

int registeredDevices(const ConfigStore& store, int board, int loop) {
    const BoardDevices& devices = store.devices(board).working;
    int count = 0;
    for (int address = 1; address <= kAddressesPerLoop; ++address) {
        count += devices.device(loop, address).registration != 0 ? 1 : 0;
    }
    return count;
}

ReportSection zones(const ConfigStore& store) {
    const ZoneTable& table = store.zones.working;
    HtmlWriter html;
    html.heading(2, "Zones");
    html.paragraph("Resound: " + onOff(table.resound != 0));
    bool any = false;
    for (int z = 1; z <= zoneCount(store.systemCode()); ++z) {
        const ZoneRecord& zone = table.zone(z);
        if (zone.registration == 0 && zone.name.empty()) {
            continue;
        }
        if (!any) {
            html.beginTable({"Zone", "Reg", "Position"});
            any = true;
        }
        html.beginRow();
        html.cell(number(z, 2));
        html.cell(registrationMark(zone.registration));
        html.cell(zone.name.view());
        html.endRow();
    }
    if (any) {
        html.endTable();
    } else {
        html.paragraph("No zone is registered.");
    }
    return {"Zones", html.take()};
}

ReportSection network(const ConfigStore& store) {
    const NetworkTable& net = store.network.working;
    HtmlWriter html;
    html.heading(2, "Network");
    html.lines({"Host of this set: " + hostNumberText(net.hostIndex()),
                "Share: " + onOff(net.share() != 0)});
    bool any = false;
    for (int h = 1; h <= NetworkTable::kHosts; ++h) {
        if (net.hostRegistration(h) == 0 && net.hostType(h) == 0) {
            continue;
        }
        if (!any) {
            html.beginTable({"Host", "Reg", "CRT"});
            any = true;
        }
        const std::uint8_t type = net.hostType(h);
        html.beginRow();
        html.cell(number(h, 3));
        html.cell(registrationMark(net.hostRegistration(h)));
        html.cell(type == NetworkTable::kHostTypeRegistered ? registrationMark(1)
                  : type == 0                               ? registrationMark(0)
                                                            : registrationMark(type));
        html.endRow();
    }
    if (any) {
        html.endTable();
    } else {
        html.paragraph("No host is registered.");
    }
    return {"Network", html.take()};
}

ReportSection displays(const ConfigStore& store) {
    HtmlWriter html;
    html.heading(2, "Displays");
    bool any = false;
    for (int d = 1; d <= DisplayTable::kDisplays; ++d) {
        const DisplayRecord& display = store.displays.working.display(d);
        if (display.registration == 0 && display.name.empty()) {
            continue;
        }
        if (!any) {
            html.beginTable({"ID", "Reg", "Type", "Zone", "Position"});
            any = true;
        }
        const std::u16string_view type = displayTypeName(display.type);
        html.beginRow();
        html.cell(number(d, 2));
        html.cell(registrationMark(display.registration));
        html.cell(type.empty() ? number(display.type) : toUtf8(type));
        html.cell(number(display.zone + 1, 2));
        html.cell(display.name.view());
        html.endRow();
    }
    if (any) {
        html.endTable();
    } else {
        html.paragraph("No display is registered.");
    }
    return {"Displays", html.take()};
}

ReportSection ioBoards(const ConfigStore& store) {
    HtmlWriter html;
    html.heading(2, "IO boards");
    bool any = false;
    for (const int board : reportedBoards(store)) {
        if (!any) {
            html.beginTable({"IOB", "Reg", "Loop 1 devices", "Loop 2 devices"});
            any = true;
        }
        const bool isVirtual = board >= kVirtualBoard1;
        html.beginRow();
        html.cell(boardText(board));
        html.cell(isVirtual ? std::string("virtual")
                            : registrationMark(store.ioBoards.working.registration(board)));
        html.cell(number(registeredDevices(store, board, 1)));
        html.cell(number(registeredDevices(store, board, 2)));
        html.endRow();
    }
    if (any) {
        html.endTable();
    } else {
        html.paragraph("No IO board is registered.");
    }
    // The device pages of a board that is not registered still hold what was set on them, but
    // their devices are not listed: say so rather than let them vanish.
    std::string left;
    for (int board = 1; board <= ioBoardCount(store.systemCode()); ++board) {
        const int count = registeredDevices(store, board, 1) + registeredDevices(store, board, 2);
        if (store.ioBoards.working.registration(board) == 0 && count > 0) {
            left += (left.empty() ? "" : ", ") + number(board, 2) + " (" + number(count) + ")";
        }
    }
    if (!left.empty()) {
        html.paragraph("Registered devices on IO boards that are not registered, not listed in "
                       "this report: " +
                       left + ".");
    }
    return {"IO boards", html.take()};
}

} // namespace qb::report
