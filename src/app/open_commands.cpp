#include "app/commands.h"
#include "base/host_file.h"
#include "settings/load_settings.h"
#include "volume/open_image.h"

namespace lk {

namespace {

// The folder of the image just opened (or tried) is where the dialogs start next time, and the
// settings remember it.
void rememberImageFolder(ShellContext& ctx, const std::string& path) {
    ShellState& s = ctx.app.shell;
    s.folder = splitPath(path).folder;
    writeSetting(ctx.app.settings, s.settingsPath, "Directories", "Open", s.folder);
}

} // namespace

void openImageAndShow(ShellContext& ctx, const ChosenFile& file) {
    AppState& app = ctx.app;
    ShellState& s = app.shell;
    app.image.path = file.path;
    app.image.fileTitle = file.fileTitle;
    ctx.platform.setWaitCursor(true);
    ctx.view.beginTreeRebuild();
    Outcome outcome;
    openImage(app.image, app.tree, outcome);
    ctx.view.endTreeRebuild();
    ctx.platform.setWaitCursor(false);
    present(ctx.platform, outcome);
    if (app.image.bufferValid) {
        if (!app.image.isDos33) ctx.view.setDisplayText(" ");
        menuAfterOpen(s.menu, app.image.isDos33, app.image.kind, s.appleClipboard);
        ctx.view.expandNode(app.tree.root());
        onTreeSelected(ctx, app.tree.root());
    } else {
        // Nothing is loaded: no command may act on the image that was closed.
        menuAfterFailedOpen(s.menu);
        s.selectedEntry = 0;
        ctx.view.showMenuState(s.menu);
    }
    // The display no longer shows the bit map or a block of the image that was open, so a
    // change to the new one must not bring either back.
    s.bitMapShown = false;
    s.blockViewShown = false;
    ctx.platform.setWaitCursor(false);
    ctx.view.setCaption(mainTitle(app.image.bufferValid ? app.image.fileTitle : ""));
}

void dropFiles(ShellContext& ctx, const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    const std::string& path = paths.front();
    openImageAndShow(ctx, {path, splitPath(path).fileName});
    rememberImageFolder(ctx, path);
}

void commandOpen(ShellContext& ctx) {
    std::optional<ChosenFile> chosen = ctx.platform.chooseImageToOpen(ctx.app.shell.folder);
    if (!chosen) return;
    openImageAndShow(ctx, *chosen);
    rememberImageFolder(ctx, chosen->path);
}

} // namespace lk
