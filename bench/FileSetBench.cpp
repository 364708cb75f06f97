// Data export and Load Data of a full configuration, beside the floor: writing and reading the
// same bytes with plain file calls.
#include "base/Prompter.h"
#include "files/DataExport.h"
#include "files/LoadData.h"
#include "linkage/LinkageRules.h"
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

// All 42 boards with a position on every address, 3000 rules and 5000 outputs.
std::unique_ptr<qb::ConfigStore> fullConfiguration(const fs::path& folder) {
    qb::RunState run;
    run.systemCode = qb::SystemCode::TwoLoopSo3;
    run.headerTemplate = qb::FileHeader::makeTemplate(run.systemCode);
    run.dataFolder = folder;
    auto store = qb::ConfigStore::create(run);
    for (int j = 1; j <= qb::kDeviceFileCount; ++j) {
        for (qb::DeviceRecord& device : store->devices(j).working.records) {
            char text[32];
            std::snprintf(text, sizeof text, "Board %02d loop %u addr %03u", j % 100,
                          device.loopIndex % 2 + 1u, device.address % 1000u);
            const std::string_view view(text);
            device.registration = 1;
            device.position.assign(std::u16string(view.begin(), view.end()));
        }
    }
    qb::LinkageInputTable& in = store->linkageInputs.working;
    qb::LinkageResultTable& out = store->linkageResults.working;
    const qb::LinkageKind kinds[] = {qb::LinkageKind::General, qb::LinkageKind::Zone,
                                     qb::LinkageKind::Specific};
    std::vector<int> rules;
    for (int n = 0; n < qb::LinkageInputTable::kRecords; ++n) {
        const qb::LinkageKind kind = kinds[n % 3];
        const auto rule = qb::appendRule(in, out, kind);
        in.record(*rule)[qb::regOffset(kind)] = 1;
        in.record(*rule)[qb::delayOffset(kind)] = 5;
        rules.push_back(*rule);
    }
    for (int n = 0; n < qb::LinkageResultTable::kRecords; ++n) {
        const int rule = rules[static_cast<std::size_t>(n) % rules.size()];
        const qb::LinkageKind kind = in.record(rule)[qb::condition::kKind] == 0xFF
                                         ? kinds[(n % rules.size()) % 3]
                                         : qb::LinkageKind::General;
        qb::appendOutput(in, out, rule, kind, 0, static_cast<std::uint8_t>(n % 84),
                         static_cast<std::uint16_t>(n % 324 + 1));
    }
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
