#include "app/commands.h"
#include "catalog/selection.h"
#include "prodos/file_entry.h"

namespace lk {

SelectionFacts selectionFacts(const AppState& app) {
    SelectionFacts f;
    f.hasSelection = app.tree.selection() != kNoNode;
    Bytes entry = entryBytes(app.image, querySelection(app.tree));
    f.entryFirstByte = entry.empty() ? 0 : entry[0];
    f.kind = app.image.kind;
    f.isDos33 = app.image.isDos33;
    f.appleClipboard = app.shell.appleClipboard;
    return f;
}

void onTreeSelected(ShellContext& ctx, NodeId node) {
    AppState& app = ctx.app;
    app.tree.select(node);
    app.shell.selectedEntry = querySelection(app.tree);
    updateMenuForSelection(app.shell.menu, selectionFacts(app));
    ctx.view.showMenuState(app.shell.menu);
    // An open Properties sheet follows the selection.
    if (app.shell.selectedEntry != 0 && ctx.view.propertiesShown())
        ctx.view.showProperties(propertySheet(app.image, app.tree), false);
}

void onTreeDoubleClick(ShellContext& ctx) {
    // Not gated by the menu: a folder or the volume is "viewed" too.
    if (ctx.app.tree.selection() == kNoNode || querySelection(ctx.app.tree) == 0) return;
    dispatchCommand(ctx, cmd::kViewFile);
}

void onTreeRightClick(ShellContext& ctx, NodeId node, int screenX, int screenY) {
    if (!ctx.app.tree.valid(node)) return;
    onTreeSelected(ctx, node);
    int chosen =
        ctx.platform.trackPopupMenu(treePopupMenu(selectionFacts(ctx.app)), screenX, screenY);
    if (chosen != 0) dispatchCommand(ctx, chosen);
}

} // namespace lk
