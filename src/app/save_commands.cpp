// Save, Save As, the save after every change, and the unsaved changes: the title's mark while
// the image holds changes its file does not, and the question before they would be lost.
#include "app/export_file.h"
#include "app/host_transfer.h"
#include "app/volume_commands.h"
#include "image/save_image.h"

namespace lk {

bool volumeChangeable(const AppState& app) {
    return !app.tree.empty() && !app.image.isDos33 && !isNibbleKind(app.image.kind);
}

bool changeAsking(ShellContext& ctx,
                  const std::function<bool(const ChangeAnswers&, Outcome&)>& change) {
    Outcome outcome;
    bool done = withLongPathAnswer(
        [&ctx](const Message& question) { return ask(ctx.platform, question); }, outcome,
        change);
    present(ctx.platform, outcome);
    return done;
}

void markModified(ShellContext& ctx, bool modified) {
    ctx.app.modified = modified;
    ctx.view.setModified(modified);
}

void saveAfterChange(ShellContext& ctx) {
    Outcome outcome;
    bool saved = autoSave(ctx.app.image, ctx.app.settings, outcome);
    present(ctx.platform, outcome);
    markModified(ctx, !saved);
}

void commandSave(ShellContext& ctx) {
    AppState& app = ctx.app;
    if (isNibbleKind(app.image.kind)) return; // converted images are written by Save As only
    ctx.platform.setWaitCursor(true);
    Outcome outcome;
    bool saved = saveImage(app.image, outcome);
    ctx.platform.setWaitCursor(false);
    present(ctx.platform, outcome);
    if (saved) markModified(ctx, false);
}

void commandSaveAs(ShellContext& ctx) {
    AppState& app = ctx.app;
    if (!app.image.bufferValid) return;
    std::optional<ChosenFile> chosen = ctx.platform.chooseImageToSave(app.shell.folder);
    if (!chosen) return;
    ctx.platform.setWaitCursor(true);
    Outcome outcome;
    bool saved =
        saveImageAs(app.image, withDefaultExtension(chosen->path, kDefaultExtension), outcome);
    ctx.platform.setWaitCursor(false);
    present(ctx.platform, outcome);
    // A refused name leaves the path and title as they were.
    ctx.view.setCaption(mainTitle(app.image.fileTitle));
    if (saved) markModified(ctx, false);
}

bool saveChangesFirst(ShellContext& ctx) {
    AppState& app = ctx.app;
    if (!app.modified) return true;
    Message question = message(MessageId::SaveChangesQuestion, app.image.fileTitle);
    const MessageDef& def = messageDef(question.id);
    switch (ctx.platform.askSaveDiscardCancel(messageText(question), def.caption)) {
    case SaveChoice::Save:
        commandSave(ctx);
        return !app.modified;
    case SaveChoice::Discard:
        markModified(ctx, false);
        return true;
    default:
        return false;
    }
}

bool confirmCloseWindow(ShellContext& ctx) {
    if (ctx.app.modified) return saveChangesFirst(ctx);
    return confirmQuit(ctx.app, ctx.platform);
}

} // namespace lk
