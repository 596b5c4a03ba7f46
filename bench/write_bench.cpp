// The write side beside the plain work it cannot avoid: a 16 MB tree file created and deleted
// against a plain copy of 16 MB (BM_PlainCopy16MB), and larkspoon-cli's get -r and put -r of
// the 10,101-file volume against cp -r of the same host tree. Measured in wall time: the CLI
// runs as a process, as cp does.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "big_volume.h"
#include "cli_runner.h"
#include "prodos/delete_file.h"
#include "temp_folder.h"
#include "write_fixture.h"

namespace lk::bench {
namespace {

namespace fs = std::filesystem;

constexpr size_t kHugeSize = 16 * 1024 * 1024 - 1;

void BM_CreateAndDeleteTreeFile16MB(benchmark::State& state) {
    test::ProdosBuilder blank(65535, "EMPTY");
    test::WriteFixture o(blank);
    std::vector<uint8_t> data = test::patternBytes(kHugeSize);
    for (auto _ : state) {
        o.select("/");
        if (o.create("HUGE", Bytes(data)) <= 0) state.SkipWithError("create failed");
        o.select("HUGE");
        deleteSelected(o.image, o.tree, DeleteOptions{false, true}, o.outcome);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kHugeSize));
}
BENCHMARK(BM_CreateAndDeleteTreeFile16MB)->Unit(benchmark::kMillisecond);

// The big volume taken apart once into a host tree, shared by the three benchmarks below.
struct HostTree {
    test::TempFolder dir;
    std::string tree = dir.file("tree");
    std::string blank = dir.write("blank.po", test::ProdosBuilder(65535, "COPY").bytes());
    HostTree() { test::runCli({"get", "-r", bigVolume().path, "/", tree}); }
};

const HostTree& hostTree() {
    static const HostTree tree;
    return tree;
}

void run(benchmark::State& state, const std::string& command) {
    if (std::system(command.c_str()) != 0) state.SkipWithError(command.c_str());
}

void BM_CpRecursiveHostTree(benchmark::State& state) {
    const HostTree& h = hostTree();
    std::string copy = h.dir.file("cp-copy");
    for (auto _ : state) {
        run(state, "cp -r '" + h.tree + "' '" + copy + "'");
        state.PauseTiming();
        fs::remove_all(copy);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CpRecursiveHostTree)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliGetRecursiveVolume(benchmark::State& state) {
    const HostTree& h = hostTree();
    std::string out = h.dir.file("get-copy");
    for (auto _ : state) {
        test::CliResult r = test::runCli({"get", "-r", bigVolume().path, "/", out});
        if (r.status != 0) state.SkipWithError(r.err.c_str());
        state.PauseTiming();
        fs::remove_all(out);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CliGetRecursiveVolume)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliPutRecursiveIntoEmptyVolume(benchmark::State& state) {
    const HostTree& h = hostTree();
    std::string image = h.dir.file("put.po");
    std::vector<std::string> args = {"put", "-r", image};
    for (const auto& e : fs::directory_iterator(h.tree)) args.push_back(e.path().string());
    args.push_back("/COPY");
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(h.blank, image, fs::copy_options::overwrite_existing);
        state.ResumeTiming();
        test::CliResult r = test::runCli(args);
        if (r.status != 0) state.SkipWithError(r.err.c_str());
    }
}
BENCHMARK(BM_CliPutRecursiveIntoEmptyVolume)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace lk::bench
