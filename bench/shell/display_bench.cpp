// Handing a large text to the display pane and scrolling through it: the text is set as a View
// sets it (cleared, handed over, shown), then the pane is painted at the top, moved to the end
// and painted there, as a user paging through a listing would see it.
#include <QApplication>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

#include "base/format.h"
#include "scripted_shell_platform.h"
#include "shell/application.h"
#include "shell/display_window.h"
#include "temp_folder.h"

namespace lk::bench {
namespace {

using Clock = std::chrono::steady_clock;

// A hex dump's look: lines of 78 characters and a line feed.
std::string dumpLikeText(size_t bytes) {
    std::string text;
    text.reserve(bytes);
    for (uint32_t line = 0; text.size() + 79 <= bytes; ++line)
        text +=
            format("%06X: 00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF  0123456789ABCDEF  \n",
                   line * 16);
    return text;
}

void handOver(benchmark::State& state, bool inPieces) {
    test::TempFolder folder;
    folder.writeText("Larkspoon.ini", "[Prompts]\nQuitPrompt=FALSE\n");
    Application app(folder.path, std::make_unique<test::ScriptedShellPlatform>());
    app.show();
    MainWindow& w = app.window();
    std::string text = dumpLikeText(size_t(state.range(0)));
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        w.clearDisplay();
        if (inPieces) {
            // As a hex dump hands its text over: 64 KB at a time at the caret.
            for (size_t at = 0; at < text.size(); at += 65536)
                w.insertDisplayText(std::string_view(text).substr(at, 65536));
        } else {
            w.setDisplayText(text);
        }
        w.showDisplay();
        QPixmap top = w.displayWindow()->grab();
        w.displayWindow()->editor()->moveCursor(QTextCursor::End);
        QPixmap end = w.displayWindow()->grab();
        benchmark::DoNotOptimize(top);
        benchmark::DoNotOptimize(end);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void BM_DisplaySetText(benchmark::State& state) {
    handOver(state, false);
}
BENCHMARK(BM_DisplaySetText)
    ->Arg(1 << 20)
    ->Arg(16 << 20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_DisplayInsertInPieces(benchmark::State& state) {
    handOver(state, true);
}
BENCHMARK(BM_DisplayInsertInPieces)
    ->Arg(1 << 20)
    ->Arg(16 << 20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lk::bench
