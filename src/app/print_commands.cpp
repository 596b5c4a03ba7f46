#include <algorithm>

#include "base/host_file.h"
#include "app/display_commands.h"

namespace lk {

namespace {

constexpr int kTwipsPerInch = 1440;

int thousandthsToTwips(int thousandths) {
    return int(int64_t(thousandths) * kTwipsPerInch / 1000);
}

} // namespace

TwipsRect printRectangle(int pageWidthTwips, int pageHeightTwips, const PageSetup& setup) {
    const Margins& m = setup.margins;
    const Margins& min = setup.minimum;
    TwipsRect r;
    r.left = std::max(0, thousandthsToTwips(m.left - min.left));
    r.top = thousandthsToTwips(m.top - min.top);
    r.right = pageWidthTwips - thousandthsToTwips(m.right + min.right);
    r.bottom = pageHeightTwips - thousandthsToTwips(m.bottom + min.bottom);
    return r;
}

std::vector<int> printedPages(int pageCount, const PrintSettings& settings) {
    int copies = std::max(1, settings.copies);
    int documentCopies = settings.collate ? copies : 1;
    int pageCopies = settings.collate ? 1 : copies;
    std::vector<int> pages;
    for (int d = 0; d < documentCopies; ++d) {
        // Even an empty text is one page.
        for (int page = 1; page <= std::max(1, pageCount); ++page) {
            if (settings.pageRange && page > settings.toPage) break;
            if (settings.pageRange && page < settings.fromPage) continue;
            pages.insert(pages.end(), size_t(pageCopies), page);
        }
    }
    return pages;
}

void keepMinimumMargins(PageSetup& setup) {
    Margins& m = setup.margins;
    const Margins& min = setup.minimum;
    m.left = std::max(m.left, min.left);
    m.top = std::max(m.top, min.top);
    m.right = std::max(m.right, min.right);
    m.bottom = std::max(m.bottom, min.bottom);
}

MessageId printProblemMessage(PrintProblem problem) {
    switch (problem) {
    case PrintProblem::StartDoc:
        return MessageId::StartDocError;
    case PrintProblem::StartPage:
        return MessageId::StartPageError;
    case PrintProblem::DisplayBand:
        return MessageId::DisplayBandError;
    case PrintProblem::EndPage:
        return MessageId::EndPageError;
    case PrintProblem::EndDoc:
        break;
    }
    return MessageId::EndDocError;
}

void commandPageSetup(ShellContext& ctx) {
    PageSetup& setup = ctx.app.shell.pageSetup;
    if (ctx.platform.runPageSetup(setup)) keepMinimumMargins(setup);
}

void runPrintJob(ShellContext& ctx, bool hasSelection, const PrintFunction& print) {
    ShellState& s = ctx.app.shell;
    PrintSettings settings = s.printSettings;
    if (!ctx.platform.choosePrintJob(s.pageSetup, settings, hasSelection)) return;
    ctx.platform.setWaitCursor(true);
    // The job is named after the image's file, or its whole path when it has no file name.
    std::string name = splitPath(ctx.app.image.path).fileName;
    if (name.empty()) name = ctx.app.image.path;
    for (PrintProblem p : print(settings, name)) show(ctx.platform, message(printProblemMessage(p)));
    s.printSettings = settings;
    ctx.platform.setWaitCursor(false);
}

void commandPrintText(ShellContext& ctx) {
    DisplayPane& pane = ctx.view.displayPane();
    TextRange selected = pane.selection();
    runPrintJob(ctx, selected.start != selected.end,
                [&](const PrintSettings& settings, const std::string& name) {
                    return pane.print(settings, ctx.app.shell.pageSetup, name);
                });
}

} // namespace lk
