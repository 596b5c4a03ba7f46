// Copy Apple file and Paste Apple file: the copy, both forks, is held apart from the image, so
// that it can be pasted again, also into another image opened in between.
#include "app/volume_commands.h"
#include "catalog/selection.h"

namespace lk {

void commandCopyFile(ShellContext& ctx) {
    AppState& app = ctx.app;
    ShellState& s = app.shell;
    if (app.tree.empty() || app.image.isDos33) return;
    const CatalogItem* item = app.tree.item(app.tree.selection());
    if (!item || item->kind != NodeKind::File) return;
    s.selectedEntry = item->entryOffset;
    // Read into a copy of its own: a file that cannot be read leaves the last copy as it was.
    AppleFileCopy copy;
    Outcome outcome;
    ctx.platform.setWaitCursor(true);
    bool copied = copyAppleFile(app.image, s.selectedEntry, copy, outcome);
    ctx.platform.setWaitCursor(false);
    present(ctx.platform, outcome);
    if (!copied) return;
    app.copied = std::move(copy);
    s.appleClipboard = AppleClipboard::Copied;
    if (!isNibbleKind(app.image.kind)) s.menu.enable(cmd::kPasteFile);
    ctx.view.showMenuState(s.menu);
}

void commandPasteFile(ShellContext& ctx) {
    AppState& app = ctx.app;
    ShellState& s = app.shell;
    if (!volumeChangeable(app)) return;
    if (s.appleClipboard == AppleClipboard::Empty || app.copied.name.empty()) {
        show(ctx.platform, message(MessageId::CouldNotPaste));
        return;
    }
    ctx.platform.setWaitCursor(true);
    bool pasted = changeAsking(ctx, [&app](const ChangeAnswers& answers, Outcome& o) {
        return pasteFile(app.image, app.tree, app.copied, answers, o);
    });
    ctx.platform.setWaitCursor(false);
    if (pasted) {
        saveAfterChange(ctx);
        s.appleClipboard = AppleClipboard::Pasted;
    }
    refreshAfterChange(ctx);
}

} // namespace lk
