// The device workbook exchange on a full configuration, beside LibreOffice Calc converting the
// same workbook to CSV: the printed ratios say how much faster the exchange is.
#include "base/Prompter.h"
#include "excel/DeviceWorkbook.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"
#include "support/Soffice.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

class SilentPrompter : public qb::Prompter {
public:
    void inform(const std::string&, const std::string&) override {}
    bool confirm(const std::string&, const std::string&) override { return true; }
};

fs::path scratch(const char* name) {
    const fs::path folder = fs::temp_directory_path() / name;
    fs::create_directories(folder);
    return folder;
}

// Every device of boards 1..40 registered, with a position.
std::unique_ptr<qb::ConfigStore> fullConfiguration(const fs::path& folder) {
    auto store = qb::ConfigStore::create(qb::RunState::begin(qb::SystemCode::TwoLoopSo3, folder));
    for (int board = 1; board <= qb::device_workbook::kBoards; ++board) {
        for (qb::DeviceRecord& device : store->devices(board).working.records) {
            device.registration = 1;
            device.zone = static_cast<std::uint8_t>(device.address % 32);
            device.position.assign(qb::fromUtf8("Küche Süd 北京 " + std::to_string(board) + "/" +
                                                std::to_string(device.address)));
        }
    }
    return store;
}

// Seconds and iterations of each benchmark over all its repetitions, for the ratios printed at
// the end.
struct Timing {
    double seconds = 0;
    double iterations = 0;
    double perIteration() const { return seconds / iterations; }
};
std::map<std::string, Timing>& timings() {
    static std::map<std::string, Timing> all;
    return all;
}

// Runs `body` once per iteration, timing it apart from `prepare`.
template <class Prepare, class Body>
void timed(benchmark::State& state, const char* name, Prepare prepare, Body body) {
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        body();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    timings()[name].seconds += total;
    timings()[name].iterations += static_cast<double>(state.iterations());
}

const fs::path& exportedWorkbook() {
    static const fs::path path = [] {
        const fs::path folder = scratch("quillbarrow-bench-workbook");
        const fs::path file = folder / qb::device_workbook::kFileName;
        SilentPrompter prompter;
        fs::remove(file);
        if (!qb::exportDevices(*fullConfiguration(folder), file, prompter).succeeded) {
            std::fprintf(stderr, "the export failed\n");
        }
        return file;
    }();
    return path;
}

void ExportCreate(benchmark::State& state) {
    const fs::path folder = scratch("quillbarrow-bench-workbook-create");
    const fs::path file = folder / qb::device_workbook::kFileName;
    auto store = fullConfiguration(folder);
    SilentPrompter prompter;
    timed(
        state, "ExportCreate", [&] { fs::remove(file); },
        [&] {
            if (!qb::exportDevices(*store, file, prompter).succeeded) {
                state.SkipWithError("the export failed");
            }
        });
}
BENCHMARK(ExportCreate)->Unit(benchmark::kMillisecond);

void ExportUpdate(benchmark::State& state) {
    const fs::path folder = scratch("quillbarrow-bench-workbook-update");
    const fs::path file = folder / qb::device_workbook::kFileName;
    auto store = fullConfiguration(folder);
    SilentPrompter prompter;
    fs::copy_file(exportedWorkbook(), file, fs::copy_options::overwrite_existing);
    timed(
        state, "ExportUpdate", [] {},
        [&] {
            if (!qb::exportDevices(*store, file, prompter).succeeded) {
                state.SkipWithError("the export failed");
            }
        });
}
BENCHMARK(ExportUpdate)->Unit(benchmark::kMillisecond);

void Import(benchmark::State& state) {
    auto store = fullConfiguration(scratch("quillbarrow-bench-workbook-import"));
    SilentPrompter prompter;
    timed(
        state, "Import", [] {},
        [&] {
            if (!qb::importDevices(*store, exportedWorkbook(), prompter).succeeded) {
                state.SkipWithError("the import failed");
            }
        });
}
BENCHMARK(Import)->Unit(benchmark::kMillisecond);

// Includes reading the 80 CSV files back, a few milliseconds of the total.
void LibreOfficeToCsv(benchmark::State& state) {
    timed(
        state, "LibreOfficeToCsv", [] {},
        [&] {
            auto sheets = qb::test::sheetsThroughLibreOffice(exportedWorkbook());
            if (!sheets || sheets->size() != 80) {
                state.SkipWithError(sheets ? "not 80 sheets" : sheets.error().text.c_str());
            }
        });
}
BENCHMARK(LibreOfficeToCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto& all = timings();
    const auto libreOffice = all.find("LibreOfficeToCsv");
    if (libreOffice == all.end()) {
        return 0;
    }
    const double theirs = libreOffice->second.perIteration();
    for (const auto& [name, timing] : all) {
        if (name != libreOffice->first) {
            std::printf("%-16s %8.1f ms, %5.1fx faster than LibreOffice (%.0f ms)\n", name.c_str(),
                        timing.perIteration() * 1e3, theirs / timing.perIteration(), theirs * 1e3);
        }
    }
    return 0;
}
