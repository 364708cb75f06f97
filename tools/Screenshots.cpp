// Renders the main pages and dialogs of a small sample configuration into PNG files, for the
// README: quillbarrow_screenshots OUT_DIR (run with QT_QPA_PLATFORM=offscreen).
#include "app/Session.h"
#include "devices/MimicLedRecords.h"
#include "files/DataExport.h"
#include "linkage/LinkageRules.h"
#include "pages/MainMenu.h"
#include "store/ConfigStore.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace qb;

namespace {

// Answers every question with OK and keeps the texts to itself: the pictures show no boxes.
class QuietPrompter final : public Prompter {
public:
    void inform(const std::string&, const std::string&) override {}
    bool confirm(const std::string&, const std::string&) override { return true; }
};

struct SampleDevice {
    int address;
    std::uint8_t equipType;
    std::uint8_t productType;
    int zone;
    const char16_t* position;
};

// An office building's first loop, its zones and one rule that starts the smoke fans.
void fillSample(ConfigStore& store) {
    const char16_t* zoneNames[] = {u"Lobby",   u"Offices G",  u"East 1F",
                                   u"West 1F", u"Plant Room", u"Stairs"};
    for (int z = 1; z <= 6; ++z) {
        ZoneRecord& zone = store.zones.working.zone(z);
        zone.registration = 1;
        zone.name.assign(zoneNames[z - 1]);
    }
    const SampleDevice devices[] = {
        {1, 2, 2, 1, u"Lobby entrance smoke"},   {2, 2, 2, 1, u"Reception smoke"},
        {3, 11, 57, 1, u"Main door call point"}, {4, 2, 2, 2, u"Open office north"},
        {5, 2, 2, 2, u"Open office south"},      {6, 3, 3, 2, u"Kitchen heat"},
        {7, 2, 2, 3, u"Meeting room 1.1"},       {8, 2, 2, 3, u"Corridor 1F east"},
        {9, 2, 2, 4, u"Corridor 1F west"},       {10, 11, 57, 4, u"Stair 2 call point"},
        {11, 3, 3, 5, u"Boiler room heat"},      {12, 74, 60, 6, u"Stair 1 sounder"},
        {13, 74, 60, 6, u"Stair 2 sounder"},     {14, 48, 52, 5, u"Smoke fan stair 1"},
        {15, 48, 52, 5, u"Smoke fan stair 2"},   {16, 53, 52, 5, u"Fire damper plant"},
    };
    BoardDevices& board = store.devices(1).working;
    for (const SampleDevice& sample : devices) {
        DeviceRecord& device = board.device(1, sample.address);
        device.registration = 1;
        device.equipType = sample.equipType;
        device.productType = sample.productType;
        device.zone = static_cast<std::uint8_t>(sample.zone - 1);
        device.position.assign(sample.position);
    }
    LinkageInputTable& input = store.linkageInputs.working;
    LinkageResultTable& result = store.linkageResults.working;
    if (const auto rule = appendRule(input, result, LinkageKind::General)) {
        for (const std::uint16_t address : {14, 15, 16}) {
            appendOutput(input, result, *rule, LinkageKind::General, store.hostIndex(), 0, address);
        }
    }
    // The first mimic module lights the zones and the fans' feedback.
    store.mimic.working.registration(1) = 1;
    mimicrecords::Settings leds = mimicrecords::load(store.linkageInputs.working);
    for (int z = 1; z <= 6; ++z) {
        leds[0][z - 1] = MimicLed{1,
                                  MimicLed::Zone,
                                  1,
                                  store.hostIndex(),
                                  MimicLed::kNoLoop,
                                  static_cast<std::uint16_t>(z),
                                  0xFF};
    }
    for (const std::uint16_t address : {14, 15}) {
        leds[0][address - 8] =
            MimicLed{1, MimicLed::Device, 3, store.hostIndex(), 0, address, 0xFF};
    }
    mimicrecords::store(store.linkageInputs.working, leds);
}

// Waits, handling events, until `ready` holds or a few seconds have passed.
bool waitFor(const std::function<bool()>& ready) {
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > 5000) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

bool save(QWidget* widget, const QString& file) {
    QApplication::processEvents(); // the layouts take what the last command changed
    if (!widget->grab().save(file)) {
        std::fprintf(stderr, "quillbarrow_screenshots: cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// Runs `open`, which shows a modal dialog, lets `prepare` set it up, grabs it and closes it.
bool grabDialog(const std::function<void()>& open, const QString& file,
                const std::function<void(QWidget*)>& prepare = {}) {
    bool saved = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll.stop();
            QApplication::processEvents();
            if (prepare) {
                prepare(dialog);
            }
            saved = save(dialog, file);
            dialog->close();
        }
    });
    poll.start(20);
    open();
    if (!saved) {
        std::fprintf(stderr, "quillbarrow_screenshots: no dialog for %s\n", qPrintable(file));
    }
    return saved;
}

// The report preview at the first board's devices, which say more than the cover.
void showDevices(QWidget* dialog) {
    auto* sections = dialog->findChild<QListWidget*>();
    auto* preview = dialog->findChild<QTextBrowser*>();
    if (!sections || !preview) {
        return;
    }
    const auto found = sections->findItems("Devices", Qt::MatchStartsWith);
    if (!found.isEmpty()) {
        sections->setCurrentItem(found.front());
        waitFor([preview] { return preview->toPlainText().contains("Lobby entrance smoke"); });
    }
}

QAction* toolsEntry(ui::MainWindow& window, const QString& label) {
    for (QAction* menu : window.menuBar()->actions()) {
        if (menu->text() == "Tools" && menu->menu()) {
            for (QAction* entry : menu->menu()->actions()) {
                if (entry->text() == label) {
                    return entry;
                }
            }
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillbarrow_screenshots OUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir program;
    if (!out.mkpath(".") || !program.isValid()) {
        std::fprintf(stderr, "quillbarrow_screenshots: no folder to work in\n");
        return 1;
    }
    StartOptions options;
    options.programFolder = program.path().toStdString();
    options.lockFolder = options.programFolder;
    QuietPrompter prompter;
    auto session = Session::start(options, prompter, [] { return SystemCode::TwoLoopSo3; });
    if (!session) {
        return 1;
    }
    ui::MainWindow& window = session->window();
    window.resize(1180, 720);
    fillSample(session->store());
    // Exported, so that the report's cover lists the files with their checksums.
    dataExport(session->store(), prompter);

    bool ok = true;
    window.runCommand(commands::kZoneSetup);
    ok = save(&window, out.filePath("zone-page.png")) && ok;
    window.runCommand(commands::kDeviceSetup);
    ok = save(&window, out.filePath("device-page.png")) && ok;
    ok = grabDialog([&] { window.runCommand(commands::kGeneralLinkageSetup); },
                    out.filePath("general-linkage.png")) &&
         ok;
    ok = grabDialog([&] { window.runCommand(commands::kMimicLinkageSetup); },
                    out.filePath("mimic-led.png")) &&
         ok;
    if (QAction* report = toolsEntry(window, "Print Configuration Report")) {
        ok = grabDialog([report] { report->trigger(); }, out.filePath("report-preview.png"),
                        showDevices) &&
             ok;
    } else {
        std::fprintf(stderr, "quillbarrow_screenshots: no \"Print Configuration Report\" entry\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
