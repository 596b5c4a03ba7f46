// Showing the tree of a 10,100-file volume in the window, from the end of the open: the model
// takes the new tree, the view expands and selects the volume and paints itself.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>

#include "big_volume.h"
#include "volume/open_image.h"
#include "scripted_shell_platform.h"
#include "shell/application.h"
#include "shell/catalog_model.h"
#include "shell/catalog_view.h"
#include "shell/tree_icons.h"
#include "temp_folder.h"

namespace lk::bench {
namespace {

using Clock = std::chrono::steady_clock;

struct Shown {
    DiskImage image;
    CatalogTree tree;
    test::ScriptedPlatform platform;
    CatalogModel model{tree, QSize(16, 16)};
    CatalogView view{&model};
    Shown() {
        view.resize(260, 700);
        view.show();
    }
    // The open itself, which the measurement leaves out.
    void open() {
        model.beginRebuild();
        image.path = bigVolume().path;
        image.fileTitle = "larkspoon-bench-big.po";
        Outcome outcome;
        openImage(image, tree, outcome);
    }
};

void showTree(benchmark::State& state, bool expandEverything) {
    Shown s;
    for (auto _ : state) {
        s.open();
        Clock::time_point start = Clock::now();
        s.model.endRebuild();
        s.view.expandNode(s.tree.root());
        s.view.showSelection(s.tree.root());
        if (expandEverything) s.view.expandAll();
        QPixmap painted = s.view.grab();
        benchmark::DoNotOptimize(painted);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.counters["nodes"] = double(s.tree.size());
}

void BM_ShowTreeAfterOpen(benchmark::State& state) {
    showTree(state, false);
}
BENCHMARK(BM_ShowTreeAfterOpen)->UseManualTime()->Unit(benchmark::kMillisecond);

// Every folder open: all 10,111 rows laid out.
void BM_ShowTreeExpandedAfterOpen(benchmark::State& state) {
    showTree(state, true);
}
BENCHMARK(BM_ShowTreeExpandedAfterOpen)->UseManualTime()->Unit(benchmark::kMillisecond);

// For comparison: the whole road through the window, open included.
void BM_OpenAndShowInWindow(benchmark::State& state) {
    test::TempFolder folder;
    folder.writeText("Larkspoon.ini", "[Prompts]\nQuitPrompt=FALSE\n");
    Application app(folder.path, std::make_unique<test::ScriptedShellPlatform>());
    app.show();
    for (auto _ : state) {
        openImageAndShow(app.window().context(), {bigVolume().path, "larkspoon-bench-big.po"});
        QPixmap painted = app.window().grab();
        benchmark::DoNotOptimize(painted);
    }
}
BENCHMARK(BM_OpenAndShowInWindow)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lk::bench

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lk::initShellResources();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
