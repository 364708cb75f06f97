// Start-up to the first shown window, drawing the pages and printing the report, offscreen.
#include "FullConfiguration.h"
#include "app/Session.h"
#include "check/ConfigReport.h"
#include "files/DeviceFile.h"
#include "files/DiskFolder.h"
#include "pages/ColumnBatchDialog.h"
#include "pages/MainMenu.h"
#include "pages/MainWindowLogic.h"
#include "store/ConfigStore.h"
#include "ui/MainWindow.h"
#include "ui/ReportPrinter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

class QuietPrompter : public qb::Prompter {
public:
    void inform(const std::string&, const std::string&) override {}
    bool confirm(const std::string&, const std::string&) override { return true; }
};

class NoDialogs : public qb::DialogRunner {
public:
    bool runColumnBatch(qb::ColumnBatchDialog&) override { return false; }
    bool runPositionDescription(qb::PositionDescriptionDialog&) override { return false; }
    void showAbout(const std::filesystem::path&) override {}
    bool runLinkageEditor(qb::LinkageEditor&) override { return false; }
    bool runKeypadEditor(qb::KeypadEditor&) override { return false; }
    bool runMimicLedEditor(qb::MimicLedEditor&) override { return false; }
    bool runHandControlEditor(qb::HandControlEditor&) override { return false; }
    bool runHydrantEditor(qb::HydrantEditor&) override { return false; }
    bool runBroadcastControllerEditor(qb::BroadcastControllerEditor&) override { return false; }
    bool runBroadcastPointEditor(qb::BroadcastPointEditor&) override { return false; }
    bool runBatchPlacement(qb::BatchPlacementEditor&) override { return false; }
    bool runGasZoneEditor(qb::GasZoneEditor&) override { return false; }
    void runWithProgress(const std::string&, int,
                         const std::function<void(const qb::ProgressStep&)>& work) override {
        work([](int) {});
    }
    void showFindings(const qb::FindingsCheck&,
                      const std::function<void(const qb::Finding&)>&) override {}
    void showFindDevice(qb::FindDeviceDialog&, const std::function<bool()>&) override {}
    void showReport(const std::vector<qb::ReportSection>&, const std::string&) override {}
};

qb::StartOptions optionsIn(const QTemporaryDir& folder) {
    qb::StartOptions options;
    options.programFolder = folder.path().toStdString();
    options.lockFolder = folder.path().toStdString();
    return options;
}

// From the start of the session (lock, store defaults, window) to the window on screen.
void StartUpToFirstWindow(benchmark::State& state) {
    QTemporaryDir folder;
    QuietPrompter prompter;
    for (auto _ : state) {
        auto session = qb::Session::start(optionsIn(folder), prompter,
                                          [] { return qb::SystemCode::TwoLoopSo3; });
        if (!QTest::qWaitForWindowExposed(&session->window())) {
            state.SkipWithError("window not shown");
        }
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToFirstWindow)->Unit(benchmark::kMillisecond);

// Showing the Detector/Module page: 324 rows of eight columns, drawn and mirrored.
void ShowDevicePage(benchmark::State& state) {
    QTemporaryDir folder;
    QuietPrompter prompter;
    auto session =
        qb::Session::start(optionsIn(folder), prompter, [] { return qb::SystemCode::TwoLoopSo3; });
    qb::ui::MainWindow& window = session->window();
    for (auto _ : state) {
        window.runCommand(qb::commands::kDeviceSetup);
        QApplication::processEvents();
        state.PauseTiming();
        window.runCommand(qb::commands::kZoneSetup);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(ShowDevicePage)->Unit(benchmark::kMillisecond);

// The same page in the logic alone, without widgets.
void DrawDevicePageLogic(benchmark::State& state) {
    QTemporaryDir folder;
    QuietPrompter prompter;
    NoDialogs dialogs;
    auto store = qb::ConfigStore::create(
        qb::RunState::begin(qb::SystemCode::TwoLoopSo3, folder.path().toStdString()));
    qb::MainWindowLogic logic(*store, prompter, dialogs);
    for (auto _ : state) {
        logic.showPage(qb::PageId::Devices);
        benchmark::DoNotOptimize(logic.state().grid.rows());
    }
}
BENCHMARK(DrawDevicePageLogic)->Unit(benchmark::kMicrosecond);

// Building all 42 device files as an export does.
void BuildAllDeviceFiles(benchmark::State& state) {
    QTemporaryDir folder;
    auto store = qb::ConfigStore::create(
        qb::RunState::begin(qb::SystemCode::TwoLoopSo3, folder.path().toStdString()));
    for (auto _ : state) {
        for (int j = 1; j <= qb::kDeviceFileCount; ++j) {
            auto file = qb::buildDeviceFile(store->devices(j).working, j, store->systemCode(),
                                            qb::FileVariant::Export);
            benchmark::DoNotOptimize(file.bytes.data());
        }
    }
}
BENCHMARK(BuildAllDeviceFiles)->Unit(benchmark::kMillisecond);

// The full configuration with its program folder at `folder`.
std::unique_ptr<qb::ConfigStore> fullConfiguration(const QTemporaryDir& folder) {
    auto store = qb::ConfigStore::create(
        qb::RunState::begin(qb::SystemCode::TwoLoopSo3, folder.path().toStdString()));
    qb::bench::fillFullConfiguration(*store);
    return store;
}

// The report of a full configuration laid out and written as a PDF, as "Save as PDF..." does.
void BM_ReportPdf(benchmark::State& state) {
    QTemporaryDir folder;
    const auto store = fullConfiguration(folder);
    const qb::DiskFolder data(store->dataFolder());
    const auto sections = qb::reportSections(
        *store, data, qb::ReportCover{"2024-01-01", folder.path().toStdString()});
    const std::filesystem::path pdf = folder.filePath("report.pdf").toStdString();
    for (auto _ : state) {
        if (!qb::ui::saveReportPdf(sections, pdf)) {
            state.SkipWithError("PDF not written");
            break;
        }
    }
    std::error_code error;
    state.counters["sections"] = static_cast<double>(sections.size());
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(pdf, error)) / 1e6;
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kSecond)->Iterations(1);

// A Column Batch over the 324 addresses of board 1 ("Zone" set to 6), as the installer runs it.
class ZoneBatchDialogs : public NoDialogs {
public:
    bool runColumnBatch(qb::ColumnBatchDialog& dialog) override {
        dialog.choose(5);
        dialog.range.startText = u"1";
        dialog.range.endText = u"324";
        return dialog.pressOk();
    }
};

// Undo (`undo` true) or redo of that batch on a full configuration, the page redrawn each time;
// the opposite step runs untimed.
void undoOrRedoColumnBatch(benchmark::State& state, bool undo) {
    QTemporaryDir folder;
    QuietPrompter prompter;
    ZoneBatchDialogs dialogs;
    const auto store = fullConfiguration(folder);
    qb::MainWindowLogic logic(*store, prompter, dialogs);
    logic.showPage(qb::PageId::Devices);
    logic.doubleClickCell(0, 4); // the "Zone" caption
    if (!logic.canUndo()) {
        state.SkipWithError("the batch left no step");
        return;
    }
    for (auto _ : state) {
        if (!undo) {
            state.PauseTiming();
            logic.undo();
            state.ResumeTiming();
        }
        undo ? logic.undo() : logic.redo();
        if (undo) {
            state.PauseTiming();
            logic.redo();
            state.ResumeTiming();
        }
    }
}

void UndoColumnBatch324(benchmark::State& state) {
    undoOrRedoColumnBatch(state, true);
}
BENCHMARK(UndoColumnBatch324)->Unit(benchmark::kMicrosecond);

void RedoColumnBatch324(benchmark::State& state) {
    undoOrRedoColumnBatch(state, false);
}
BENCHMARK(RedoColumnBatch324)->Unit(benchmark::kMicrosecond);

// Pasting 324 rows of all eight columns into the Detector/Module page of a full configuration,
// as from a spreadsheet: every cell differs from what it shows, so each one is committed. The
// pastes alternate between two blocks and must take at most 50 ms on average.
void PasteDeviceSchedule324x8(benchmark::State& state) {
    QTemporaryDir folder;
    QuietPrompter prompter;
    NoDialogs dialogs;
    const auto store = fullConfiguration(folder);
    qb::MainWindowLogic logic(*store, prompter, dialogs);
    logic.showPage(qb::PageId::Devices);
    const std::u16string shown = logic.copy({1, 0, 324, 7});
    std::string other;
    for (int address = 1; address <= 324; ++address) {
        other += std::to_string(address) + "\t\u00D7\tOptDet\tOptDet\t" +
                 std::to_string(address % 32 + 1) + "\tPulse\tSlow\tStair " +
                 std::to_string(address) + "\r\n";
    }
    const QString utf16 = QString::fromStdString(other);
    const std::u16string blocks[] = {utf16.toStdU16String(), shown};
    std::size_t next = 0;
    std::chrono::steady_clock::duration total{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool pasted = logic.paste(1, 0, blocks[next]);
        total += std::chrono::steady_clock::now() - start;
        if (!pasted) {
            state.SkipWithError("the paste was refused");
            return;
        }
        next = 1 - next;
    }
    if (state.iterations() > 0 && total / state.iterations() > std::chrono::milliseconds(50)) {
        state.SkipWithError("a paste took longer than 50 ms on average");
    }
}
BENCHMARK(PasteDeviceSchedule324x8)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
