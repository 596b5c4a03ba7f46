// Assembling a 16 MB tree file, against a plain copy of the same number of bytes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "big_volume.h"
#include "open_helpers.h"
#include "catalog/find_path.h"
#include "prodos/read_file.h"

namespace lk::bench {
namespace {

constexpr size_t kHugeSize = 16 * 1024 * 1024 - 1;

void BM_PlainCopy16MB(benchmark::State& state) {
    const BigVolume& v = bigVolume();
    for (auto _ : state) {
        std::vector<uint8_t> copy(v.bytes.begin(), v.bytes.begin() + long(kHugeSize));
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kHugeSize));
}
BENCHMARK(BM_PlainCopy16MB)->Unit(benchmark::kMillisecond);

void BM_ReadProdosTreeFile16MB(benchmark::State& state) {
    test::Opened o;
    test::openBytes(o, "big.po", bigVolume().bytes);
    uint32_t entry = o.tree.item(findNodeByPath(o.tree, "HUGE"))->entryOffset;
    for (auto _ : state) {
        Outcome outcome;
        int32_t n = readProdosFile(o.image, entry, Fork::Data, o.file, outcome);
        benchmark::DoNotOptimize(n);
        o.file.release(); // as the next read would
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kHugeSize));
}
BENCHMARK(BM_ReadProdosTreeFile16MB)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lk::bench
