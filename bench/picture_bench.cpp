// The picture decoders against a plain loop writing as many output pixels: a HiRes and a Double
// HiRes screen (560 x 384) and a packed Super HiRes screen (640 x 400, unpacking included).
#include <benchmark/benchmark.h>

#include <vector>

#include "graphics/hires.h"
#include "graphics/super_hires.h"
#include "picture_disks.h"

namespace lk::bench {
namespace {

// What writing `n` pixels into a new picture costs on its own.
void plainPixels(benchmark::State& state, size_t n) {
    for (auto _ : state) {
        std::vector<uint32_t> out(n);
        for (size_t i = 0; i < n; ++i) out[i] = uint32_t(i * 0x010203u);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(n));
}

void BM_DecodeHiRes(benchmark::State& state) {
    std::vector<uint8_t> screen = test::hiresBars();
    for (auto _ : state) benchmark::DoNotOptimize(decodeHiRes(Bytes(screen)).pixels.data());
    state.SetItemsProcessed(int64_t(state.iterations()) * 560 * 384);
}
BENCHMARK(BM_DecodeHiRes)->Unit(benchmark::kMicrosecond);

void BM_DecodeDoubleHiRes(benchmark::State& state) {
    std::vector<uint8_t> screen = test::doubleHiResBars();
    for (auto _ : state) benchmark::DoNotOptimize(decodeDoubleHiRes(Bytes(screen)).pixels.data());
    state.SetItemsProcessed(int64_t(state.iterations()) * 560 * 384);
}
BENCHMARK(BM_DecodeDoubleHiRes)->Unit(benchmark::kMicrosecond);

void BM_PlainPixels_560x384(benchmark::State& state) {
    plainPixels(state, 560 * 384);
}
BENCHMARK(BM_PlainPixels_560x384)->Unit(benchmark::kMicrosecond);

void BM_DecodePackedSuperHiRes(benchmark::State& state) {
    std::vector<uint8_t> stream = test::packBytes(test::superHiResBars());
    for (auto _ : state) {
        Outcome outcome;
        benchmark::DoNotOptimize(decodePackedSuperHiRes(Bytes(stream), outcome)->pixels.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 640 * 400);
}
BENCHMARK(BM_DecodePackedSuperHiRes)->Unit(benchmark::kMicrosecond);

void BM_PlainPixels_640x400(benchmark::State& state) {
    plainPixels(state, 640 * 400);
}
BENCHMARK(BM_PlainPixels_640x400)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lk::bench
