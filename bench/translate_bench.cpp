// The text producers of View against a plain loop writing as many bytes: a 1 MB hex dump and
// the listing of a 40 KB Applesoft program.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "open_helpers.h"
#include "basic_builder.h"
#include "scripted_platform.h"
#include "translate/applesoft.h"
#include "translate/hex_dump.h"

namespace lk::bench {
namespace {

const std::vector<uint8_t>& megabyte() {
    static const std::vector<uint8_t> data = [] {
        std::vector<uint8_t> d(1024 * 1024);
        uint32_t x = 12345;
        for (uint8_t& b : d) b = uint8_t((x = x * 1103515245u + 12345u) >> 16);
        return d;
    }();
    return data;
}

// About 40 KB of statements as programs hold them: keywords, names, numbers and strings.
const std::vector<uint8_t>& program40k() {
    static const std::vector<uint8_t> program = [] {
        const std::vector<uint8_t> bodies[] = {
            {0xBA, '"', 'S', 'C', 'O', 'R', 'E', ' ', '"', ';', 'S', ':', 0x97},
            {0x81, 'I', 0xD0, '1', 0xC1, '4', '0', ':', 'X', 0xD0, 'X', 0xC8, 'I', 0xCA, '2', ':',
             0x82, 'I'},
            {0xAD, 'A', '$', 0xD0, '"', 'Y', '"', 0xC4, '1', '0', '0', '0'},
            {0xB9, '7', '6', '8', ',', 0xE2, '(', '7', '6', '9', ')', 0xC8, '1'},
            {0xB2, ' ', 'M', 'A', 'I', 'N', ' ', 'L', 'O', 'O', 'P'},
        };
        std::vector<test::BasicLine> lines;
        size_t size = 0;
        for (uint16_t n = 10; size < 40 * 1024; n += 10) {
            const std::vector<uint8_t>& body = bodies[n / 10 % 5];
            lines.push_back({n, body});
            size += body.size() + 5;
        }
        return test::applesoftProgram(lines);
    }();
    return program;
}

// What writing `n` output bytes costs on its own.
void plainWrite(benchmark::State& state, size_t n) {
    for (auto _ : state) {
        std::string out;
        out.reserve(n);
        for (size_t i = 0; i < n; ++i) out.push_back(char('0' + (i & 15)));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(n));
}

size_t hexDumpSize() {
    const auto& d = megabyte();
    return hexDump(Bytes(d), d.size(), 0, true).size();
}

size_t listingSize() {
    test::ScriptedPlatform p;
    return reported(p, [&](Outcome& out) { return listApplesoft(Bytes(program40k()), 0, kBasicBaseAddress, out); }).size();
}

void BM_HexDump1MB(benchmark::State& state) {
    const auto& d = megabyte();
    for (auto _ : state) {
        std::string text = hexDump(Bytes(d), d.size(), 0, true);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(hexDumpSize()));
}
BENCHMARK(BM_HexDump1MB)->Unit(benchmark::kMicrosecond);

void BM_PlainWrite_HexDump1MBSize(benchmark::State& state) {
    plainWrite(state, hexDumpSize());
}
BENCHMARK(BM_PlainWrite_HexDump1MBSize)->Unit(benchmark::kMicrosecond);

void BM_ListApplesoft40KB(benchmark::State& state) {
    test::ScriptedPlatform p;
    for (auto _ : state) {
        std::string text = reported(p, [&](Outcome& out) { return listApplesoft(Bytes(program40k()), 0, kBasicBaseAddress, out); });
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(listingSize()));
}
BENCHMARK(BM_ListApplesoft40KB)->Unit(benchmark::kMicrosecond);

void BM_PlainWrite_Listing40KBSize(benchmark::State& state) {
    plainWrite(state, listingSize());
}
BENCHMARK(BM_PlainWrite_Listing40KBSize)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lk::bench
