#include "ChangeLine.h"
#include "HtmlWriter.h"
#include "ReportSections.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/ModeNames.h"

#include <array>
#include <optional>

namespace qb::report {

namespace {

using difftext::number;

// The escaped names of the codes a report meets, made once each: a full configuration names a
// type in every one of its 27,216 rows.
class NameCache {
public:
    explicit NameCache(const DeviceTypeTable& types) : m_types(types) {}

    const std::string& deviceType(std::uint8_t code) {
        auto& name = m_deviceTypes[code];
        if (!name) {
            name = htmlEscape(difftext::deviceType(code, m_types));
        }
        return *name;
    }
    const std::string& productType(std::uint8_t code) {
        auto& name = m_productTypes[code];
        if (!name) {
            // A code no list names reads as itself, not as "none", which is a product of its own.
            name = code != 0 && !knownProductType(code) ? number(code)
                                                        : htmlEscape(toUtf8(productTypeName(code)));
        }
        return *name;
    }

private:
    const DeviceTypeTable& m_types;
    std::array<std::optional<std::string>, 256> m_deviceTypes;
    std::array<std::optional<std::string>, 256> m_productTypes;
};

// "IO02", or "V1" for a virtual board.
std::string boardName(int board) {
    const std::string text = toUtf8(boardText(board));
    return board >= kVirtualBoard1 ? text : "IO" + text;
}

ReportSection loopSection(const ConfigStore& store, int board, int loop, int count,
                          NameCache& names) {
    const std::string title = "Devices " + boardName(board) + " loop " + number(loop);
    // About 200 bytes a row with a position of full length.
    HtmlWriter html(static_cast<std::size_t>(count) * 220 + 512);
    html.heading(2, title);
    html.paragraph(number(count) + (count == 1 ? " registered device." : " registered devices."));
    html.beginTable({"Addr", "Type", "Product", "Zone", "Output", "Work", "Position"});
    const BoardDevices& devices = store.devices(board).working;
    for (int address = 1; address <= kAddressesPerLoop; ++address) {
        const DeviceRecord& device = devices.device(loop, address);
        if (device.registration == 0) {
            continue;
        }
        html.beginRow();
        // The page shows "Error" for a registration byte it does not know; so does the report.
        html.cell(device.registration == 1
                      ? number(address, 3)
                      : number(address, 3) + " " + registrationMark(device.registration));
        html.escapedCell(names.deviceType(device.equipType));
        html.escapedCell(names.productType(device.productType));
        html.cell(number(device.zone + 1, 2));
        html.cell(toUtf8(outputModeName(device.outputMode)));
        html.cell(toUtf8(workModeName(device.workMode)));
        html.cell(device.position.view());
        html.endRow();
    }
    html.endTable();
    return {title, html.take()};
}

} // namespace

void addDevices(const ConfigStore& store, std::vector<ReportSection>& sections) {
    NameCache names(store.deviceTypes);
    bool any = false;
    for (const int board : reportedBoards(store)) {
        for (int loop = 1; loop <= kLoopsPerBoard; ++loop) {
            if (const int count = registeredDevices(store, board, loop); count > 0) {
                sections.push_back(loopSection(store, board, loop, count, names));
                any = true;
            }
        }
    }
    if (!any) {
        HtmlWriter html;
        html.heading(2, "Devices");
        html.paragraph("No device is registered on a registered IO board.");
        sections.push_back({"Devices", html.take()});
    }
}

} // namespace qb::report
