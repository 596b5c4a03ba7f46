#include "app/picture_commands.h"

#include <algorithm>

#include "app/display_commands.h"
#include "app/export_file.h"
#include "base/host_file.h"
#include "graphics/picture_file.h"
#include "translate/picture_view.h"

namespace lk {

namespace {

// Thousandths of an inch in printer pixels, rounded to the nearest.
int marginPixels(int dotsPerInch, int thousandths) {
    return int((int64_t(dotsPerInch) * thousandths + 500) / 1000);
}

bool pictureShown(const ShellState& s) {
    return s.graphicShown && !s.picture.pixels.empty();
}

} // namespace

PrintTarget pictureTarget(const PrinterPage& page, const Margins& margins, int pictureWidth,
                          int pictureHeight) {
    PrintTarget t;
    t.left = marginPixels(page.dotsPerInchX, margins.left);
    t.top = marginPixels(page.dotsPerInchY, margins.top);
    int right = marginPixels(page.dotsPerInchX, margins.right);
    int bottom = marginPixels(page.dotsPerInchY, margins.bottom);
    t.width = std::clamp(page.width - t.left - right, 0, kMaxPrintScale * pictureWidth);
    t.height = std::clamp(page.height - t.top - bottom, 0, kMaxPrintScale * pictureHeight);
    return t;
}

void showViewPicture(ShellContext& ctx, ViewAction action, Picture picture) {
    ShellState& s = ctx.app.shell;
    if (!ctx.view.showPicture(picture)) {
        show(ctx.platform, message(MessageId::CouldNotCreateBitmap));
        show(ctx.platform, pictureNotShown(action));
        ctx.view.showDisplay();
        return;
    }
    s.picture = std::move(picture);
    s.graphicShown = true;
    s.menu.enable(cmd::kExportGraphic);
}

void commandExportGraphic(ShellContext& ctx) {
    ShellState& s = ctx.app.shell;
    if (!pictureShown(s)) return;
    std::optional<ChosenFile> chosen = ctx.platform.chooseGraphicFile(s.folder);
    if (!chosen) return;
    std::string path = withDefaultExtension(chosen->path, kGraphicExtension);
    std::vector<uint8_t> bytes = pictureFileBytes(s.picture, path);
    // Written whole or not at all; a file that cannot be written is said, not passed over.
    if (bytes.empty() || !writeFileReplacing(path, bytes))
        show(ctx.platform, message(MessageId::CouldNotWriteFile, splitPath(path).fileName));
}

void commandPrintPicture(ShellContext& ctx) {
    if (!pictureShown(ctx.app.shell)) return;
    runPrintJob(ctx, false, [&](const PrintSettings& settings, const std::string& name) {
        return ctx.view.printPicture(settings, ctx.app.shell.pageSetup, name);
    });
}

} // namespace lk
