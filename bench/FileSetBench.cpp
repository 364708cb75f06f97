// Data export and Load Data of a full configuration, beside the floor: writing and reading the
// same bytes with plain file calls; and the configuration report of that configuration.
#include "FullConfiguration.h"
#include "base/Prompter.h"
#include "check/ConfigReport.h"
#include "files/DataExport.h"
#include "files/DiskFolder.h"
#include "files/LoadData.h"
#include "store/ConfigStore.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <vector>

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

// The full configuration with its Data folder at `folder`.
std::unique_ptr<qb::ConfigStore> fullConfiguration(const fs::path& folder) {
    qb::RunState run;
    run.systemCode = qb::SystemCode::TwoLoopSo3;
    run.headerTemplate = qb::FileHeader::makeTemplate(run.systemCode);
    run.dataFolder = folder;
    auto store = qb::ConfigStore::create(run);
    qb::bench::fillFullConfiguration(*store);
    return store;
}

void DataExportFull(benchmark::State& state) {
    auto store = fullConfiguration(scratch("quillbarrow-bench-export"));
    SilentPrompter prompter;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qb::dataExport(*store, prompter).problems);
    }
}
BENCHMARK(DataExportFull)->Unit(benchmark::kMillisecond);

void LoadDataFull(benchmark::State& state) {
    auto store = fullConfiguration(scratch("quillbarrow-bench-load"));
    SilentPrompter prompter;
    qb::dataExport(*store, prompter);
    for (auto _ : state) {
        benchmark::DoNotOptimize(qb::loadData(*store, prompter).problems);
    }
}
BENCHMARK(LoadDataFull)->Unit(benchmark::kMillisecond);

// The whole report as the command line writes it: the exported set's files read for the cover
// and the check, the 27,216 devices of all 42 boards, all 3000 rules with their outputs.
void BM_ReportHtml(benchmark::State& state) {
    const fs::path folder = scratch("quillbarrow-bench-report");
    auto store = fullConfiguration(folder);
    SilentPrompter prompter;
    qb::dataExport(*store, prompter);
    const qb::DiskFolder data(folder);
    for (auto _ : state) {
        const std::string html =
            qb::reportHtml(qb::reportSections(*store, data, {"2026-12-09", folder.string()}));
        benchmark::DoNotOptimize(html.data());
        state.counters["bytes"] = static_cast<double>(html.size());
    }
}
BENCHMARK(BM_ReportHtml)->Unit(benchmark::kMillisecond);

std::map<fs::path, std::vector<char>> exportedFiles() {
    const fs::path folder = scratch("quillbarrow-bench-floor-source");
    auto store = fullConfiguration(folder);
    SilentPrompter prompter;
    qb::dataExport(*store, prompter);
    std::map<fs::path, std::vector<char>> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::vector<char> bytes(fs::file_size(entry.path()));
        const int fd = ::open(entry.path().c_str(), O_RDONLY);
        benchmark::DoNotOptimize(::read(fd, bytes.data(), bytes.size()));
        ::close(fd);
        files[entry.path().filename()] = std::move(bytes);
    }
    return files;
}

// The floor: the same files with one open, write and close each; with `durable`, also the
// flush and rename that every write of the tool pays for a file that is never half-written.
void writeFloor(benchmark::State& state, bool durable) {
    const auto files = exportedFiles();
    const fs::path folder = scratch("quillbarrow-bench-floor");
    for (auto _ : state) {
        for (const auto& [name, bytes] : files) {
            const fs::path target = folder / name;
            fs::path temp = target;
            if (durable) {
                temp.replace_filename(std::string(".").append(name.string()));
            }
            const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
            if (durable) {
                ::fsync(fd);
            }
            ::close(fd);
            if (durable) {
                std::rename(temp.c_str(), target.c_str());
            }
        }
    }
}

void PlainWriteFloor(benchmark::State& state) {
    writeFloor(state, false);
}
BENCHMARK(PlainWriteFloor)->Unit(benchmark::kMillisecond);

void DurableWriteFloor(benchmark::State& state) {
    writeFloor(state, true);
}
BENCHMARK(DurableWriteFloor)->Unit(benchmark::kMillisecond);

void PlainReadFloor(benchmark::State& state) {
    const auto files = exportedFiles();
    const fs::path folder = scratch("quillbarrow-bench-floor-source");
    std::vector<char> buffer(200000);
    for (auto _ : state) {
        for (const auto& [name, bytes] : files) {
            const int fd = ::open((folder / name).c_str(), O_RDONLY);
            benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
            ::close(fd);
        }
    }
}
BENCHMARK(PlainReadFloor)->Unit(benchmark::kMillisecond);

} // namespace
