// Decoding a 35-track ".NIB" and a WOZ image of 35 tracks, against just reading the file.
#include <benchmark/benchmark.h>

#include "base/host_file.h"
#include "image/disk_image.h"
#include "nibble/gcr_decoder.h"
#include "nibble/woz_reader.h"
#include "nibble_builder.h"
#include "temp_folder.h"

namespace lk::bench {
namespace {

struct NibbleFiles {
    test::TempFolder dir;
    std::vector<uint8_t> nib, woz;
    std::string nibPath, wozPath;
    NibbleFiles() {
        std::vector<uint8_t> sectors(35 * kTrackSize);
        for (size_t i = 0; i < sectors.size(); ++i) sectors[i] = uint8_t(i * 7 + i / 256);
        nib = test::nibbleImage(Bytes(sectors), SectorTable::Dos);
        woz = test::wozImage(Bytes(nib));
        nibPath = dir.write("bench.nib", nib);
        wozPath = dir.write("bench.woz", woz);
    }
};

const NibbleFiles& files() {
    static const NibbleFiles f;
    return f;
}

void readFile(benchmark::State& state, const std::string& path, size_t size) {
    for (auto _ : state) {
        std::vector<uint8_t> bytes;
        readWholeFile(path, bytes, kSpareBytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
}

void BM_ReadNibFile(benchmark::State& state) {
    readFile(state, files().nibPath, files().nib.size());
}
BENCHMARK(BM_ReadNibFile)->Unit(benchmark::kMicrosecond);

void BM_DecodeNib(benchmark::State& state) {
    const NibbleFiles& f = files();
    for (auto _ : state) {
        DecodedNibbles d = decodeNibbles(Bytes(f.nib), SectorTable::Dos, false);
        benchmark::DoNotOptimize(d.sectors.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.nib.size()));
}
BENCHMARK(BM_DecodeNib)->Unit(benchmark::kMicrosecond);

void BM_ReadWozFile(benchmark::State& state) {
    readFile(state, files().wozPath, files().woz.size());
}
BENCHMARK(BM_ReadWozFile)->Unit(benchmark::kMicrosecond);

void BM_DecodeWoz(benchmark::State& state) {
    const NibbleFiles& f = files();
    for (auto _ : state) {
        WozTracks tracks = readWoz(Bytes(f.woz));
        DecodedNibbles d = decodeNibbles(Bytes(tracks.nibbles), SectorTable::Dos, false);
        benchmark::DoNotOptimize(d.sectors.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.woz.size()));
}
BENCHMARK(BM_DecodeWoz)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lk::bench
