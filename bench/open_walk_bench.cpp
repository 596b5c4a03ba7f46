// Opening and walking a 32 MB volume of 10,100 files, against just reading the file.
#include <benchmark/benchmark.h>

#include "big_volume.h"
#include "base/host_file.h"
#include "volume/open_image.h"
#include "scripted_platform.h"

namespace lk::bench {
namespace {

void BM_ReadImageFileOnly(benchmark::State& state) {
    const BigVolume& v = bigVolume();
    for (auto _ : state) {
        std::vector<uint8_t> bytes;
        readWholeFile(v.path, bytes, kSpareBytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(v.bytes.size()));
}
BENCHMARK(BM_ReadImageFileOnly)->Unit(benchmark::kMillisecond);

void BM_OpenAndWalkImage(benchmark::State& state) {
    const BigVolume& v = bigVolume();
    test::ScriptedPlatform platform;
    size_t nodes = 0;
    for (auto _ : state) {
        DiskImage image;
        CatalogTree tree;
        image.path = v.path;
        image.fileTitle = "larkspoon-bench-big.po";
        Outcome outcome;
        openImage(image, tree, outcome);
        nodes = tree.size();
        benchmark::DoNotOptimize(nodes);
    }
    state.counters["nodes"] = double(nodes);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(v.bytes.size()));
}
BENCHMARK(BM_OpenAndWalkImage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lk::bench
