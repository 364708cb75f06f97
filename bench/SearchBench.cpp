// The search the "Find Device" dialog runs on each key typed, over the full configuration: every
// position folded and scanned once per search.
#include "FullConfiguration.h"
#include "check/DeviceSearch.h"
#include "store/ConfigStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void BM_FindDevice(benchmark::State& state) {
    qb::RunState run;
    run.systemCode = qb::SystemCode::TwoLoopSo3;
    run.headerTemplate = qb::FileHeader::makeTemplate(run.systemCode);
    run.dataFolder = std::filesystem::temp_directory_path();
    auto store = qb::ConfigStore::create(run);
    qb::bench::fillFullConfiguration(*store);
    // With argument 1 every position starts with an umlaut, so none takes the ASCII way.
    if (state.range(0) == 1) {
        for (int j = 1; j <= qb::kDeviceFileCount; ++j) {
            for (qb::DeviceRecord& device : store->devices(j).working.records) {
                std::u16string position(device.position.view());
                position.front() = u'\u00C4';
                device.position.assign(position);
            }
        }
    }
    // One address in each loop of each board holds it, so the hits are built too.
    for (auto _ : state) {
        benchmark::DoNotOptimize(qb::findInStore(*store, u"ADDR 007").size());
    }
}
BENCHMARK(BM_FindDevice)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
