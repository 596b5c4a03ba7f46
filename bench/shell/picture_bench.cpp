// From the double click on a picture file to the picture painted in its pane: the file read,
// decoded, turned into the pane's image and drawn, for a HiRes, a packed Super HiRes and an
// icon file.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>

#include "app/menu_table.h"
#include "picture_disks.h"
#include "scripted_shell_platform.h"
#include "shell/application.h"
#include "shell/catalog_view.h"
#include "shell/image_window.h"
#include "temp_folder.h"

namespace lk::bench {
namespace {

using Clock = std::chrono::steady_clock;

void showPicture(benchmark::State& state, const char* name) {
    test::TempFolder folder;
    folder.writeText("Larkspoon.ini", "[Prompts]\nQuitPrompt=FALSE\n");
    std::string image = folder.write("PICTURES.po", test::picturesVolume());
    Application app(folder.path, std::make_unique<test::ScriptedShellPlatform>());
    app.show();
    MainWindow& w = app.window();
    openImageAndShow(w.context(), {image, "PICTURES.po"});
    CatalogTree& tree = w.context().app.tree;
    for (NodeId n = tree.firstChild(tree.root()); n != kNoNode; n = tree.nextSibling(n))
        if (tree.item(n)->text == name) onTreeSelected(w.context(), n);
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        onTreeDoubleClick(w.context());
        QPixmap painted = w.imageWindow()->grab();
        benchmark::DoNotOptimize(painted);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

void BM_DoubleClickToHiResShown(benchmark::State& state) {
    showPicture(state, "HGR");
}
BENCHMARK(BM_DoubleClickToHiResShown)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DoubleClickToPackedSuperHiResShown(benchmark::State& state) {
    showPicture(state, "PACKED");
}
BENCHMARK(BM_DoubleClickToPackedSuperHiResShown)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DoubleClickToIconSheetShown(benchmark::State& state) {
    showPicture(state, "ICONS");
}
BENCHMARK(BM_DoubleClickToIconSheetShown)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lk::bench
