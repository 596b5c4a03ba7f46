// Rename: the Name dialog with the selected file's, folder's or volume's own name, type and
// access; the entry is written back and only the node's text changes.
#include "app/name_dialog.h"
#include "app/volume_commands.h"

namespace lk {

void commandRename(ShellContext& ctx) {
    AppState& app = ctx.app;
    if (!volumeChangeable(app)) return;
    const CatalogItem* item = app.tree.item(app.tree.selection());
    if (!item) {
        show(ctx.platform, message(MessageId::NoItemSelected));
        return;
    }
    app.shell.selectedEntry = item->entryOffset;
    FileEntry entry;
    if (loadEntry(app.image, item->entryOffset, entry) != 0) return;
    NameDialogState dialog = renameNameDialog(ctx, entry);
    if (!ctx.platform.runNameDialog(dialog)) return;
    bool renamed = changeAsking(ctx, [&](const ChangeAnswers& answers, Outcome& o) {
        return renameFile(app.image, app.tree, nameFields(dialog.fields), answers, o);
    });
    if (!renamed) return;
    saveAfterChange(ctx);
    refreshAfterChange(ctx);
}

} // namespace lk
