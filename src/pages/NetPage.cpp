#include "NetPage.h"

#include "PageFileWriter.h"
#include "RegistrationColumn.h"
#include "files/FileNames.h"
#include "files/NetworkFile.h"
#include "files/SystemSettingsFile.h"
#include "store/ConfigStore.h"

namespace qb {

namespace {

constexpr const char* kRegistrationError =
    "Error in Network Registration Information!\nPlease set it correctly!";
constexpr const char* kHostTypeError =
    "Error in Network HostType Information!\nPlease set it correctly!";

// The host type column shows "√" for a registered type 3 and "×" for 0.
std::uint8_t hostTypeAsFlag(std::uint8_t type) {
    if (type == NetworkTable::kHostTypeRegistered) {
        return 1;
    }
    return type == 0 ? 0 : 2;
}

} // namespace

void NetPage::draw(WindowState& window) {
    NetworkTable& net = store().network.working;
    window.grid.reset(NetworkTable::kHosts + 1, {u"Host", u"Register", u"CRT"}, {1000, 5430, 5200});
    for (int h = 1; h <= NetworkTable::kHosts; ++h) {
        drawRegistration(window.grid, h, kColumnRegister, net.hostRegistration(h), prompter(),
                         kRegistrationError);
        drawRegistration(window.grid, h, kColumnCrt, hostTypeAsFlag(net.hostType(h)), prompter(),
                         kHostTypeError);
    }
    SelectorState& hosts = window.firstSelector;
    hosts.visible = true;
    hosts.label = u"Host:";
    hosts.items.clear();
    for (int h = 1; h <= NetworkTable::kHosts; ++h) {
        hosts.items.push_back(numberText(h, 3));
    }
    hosts.current = net.hostIndex() < NetworkTable::kHosts ? net.hostIndex() : -1;
    window.share.checked = net.share() != 0;
}

void NetPage::doubleClickCell(WindowState& window, int row, int column) {
    NetworkTable& net = store().network.working;
    if (column == kColumnRegister) {
        toggleRegistration(window.grid, row, column,
                           [&](int h, bool on) { net.hostRegistration(h) = on ? 1 : 0; });
    } else if (column == kColumnCrt) {
        toggleRegistration(window.grid, row, column, [&](int h, bool on) {
            net.hostType(h) = on ? NetworkTable::kHostTypeRegistered : 0;
        });
    }
}

void NetPage::doubleClickCaption(WindowState& window, int column) {
    NetworkTable& net = store().network.working;
    if (column == kColumnRegister) {
        toggleWholeColumn(window.grid, column,
                          [&](int h, bool on) { net.hostRegistration(h) = on ? 1 : 0; });
    } else if (column == kColumnCrt) {
        toggleWholeColumn(window.grid, column, [&](int h, bool on) {
            net.hostType(h) = on ? NetworkTable::kHostTypeRegistered : 0;
        });
    }
}

void NetPage::chooseSelector(WindowState& window, int index) {
    if (index < 0 || index >= NetworkTable::kHosts) {
        return;
    }
    NetworkTable& net = store().network.working;
    const int host = index + 1;
    net.setHostIndex(static_cast<std::uint8_t>(index));
    net.hostRegistration(host) = 1;
    window.grid.setText(host, kColumnRegister, markFor(true));
    window.firstSelector.current = index;
}

void NetPage::clickShare(WindowState& window) {
    NetworkTable& net = store().network.working;
    net.setShare(net.share() ? 0 : 1);
    window.share.checked = net.share() != 0;
}

void NetPage::save() {
    ConfigStore& s = store();
    NetworkTable& net = s.network.working;
    net.header = FileHeader::fromTemplate(s.headerTemplate(), tags::kNetwork);
    const BuiltFile netFile = buildNetworkFile(net, s.headerTemplate(), FileVariant::PageSave);
    if (writeHostFile(names::kNetwork, netFile)) {
        s.network.takeSavePoint();
    }
    const BuiltFile sysFile = buildSystemSettingsFile(s.systemSettings.working);
    if (writeHostFile(names::kSystemSettings, sysFile)) {
        s.systemSettings.saved.setCanRate(s.systemSettings.working.canRate());
    }
}

void NetPage::cancel() {
    ConfigStore& s = store();
    s.network.revert();
    s.systemSettings.working.setCanRate(s.systemSettings.saved.canRate());
}

} // namespace qb
