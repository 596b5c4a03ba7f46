// New Folder: the New Folder dialog, then the folder made in the place of the tree's selection.
#include <ctime>

#include "app/name_dialog.h"
#include "app/volume_commands.h"
#include "prodos/volume_bit_map.h"

namespace lk {

void commandNewFolder(ShellContext& ctx) {
    AppState& app = ctx.app;
    ShellState& s = app.shell;
    if (!volumeChangeable(app)) return;
    NameDialogState dialog = newFolderDialog(ctx);
    if (!ctx.platform.runNameDialog(dialog)) return;
    if (countFreeBlocks(app.image) < 1) {
        show(ctx.platform, message(MessageId::NotEnoughSpaceFolder));
        return;
    }
    // Paste Apple file stays greyed until the next copy, as after a View.
    s.appleClipboard = AppleClipboard::Empty;
    s.menu.grey(cmd::kPasteFile);
    ctx.view.showMenuState(s.menu);
    LocalDateTime now = localDateTime(std::time(nullptr));
    bool made = changeAsking(ctx, [&](const ChangeAnswers& answers, Outcome& o) {
        return newFolder(app.image, app.tree, dialog.fields.name, dialog.fields.access, now,
                         answers, o);
    });
    if (made) saveAfterChange(ctx);
    refreshAfterChange(ctx);
}

} // namespace lk
