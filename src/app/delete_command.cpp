// Delete File: the selected file, a folder with everything in it (asked once), or every file of
// the volume, asking first when "DelPrompt" says so.
#include "app/volume_commands.h"
#include "prodos/delete_file.h"

namespace lk {

namespace {

// Where the selection goes when its node leaves the tree, as a tree view moves it: the next
// sibling, else the previous one, else the parent.
struct SelectionHeirs {
    NodeId next, previous, parent;
};

NodeId firstAlive(const CatalogTree& tree, const SelectionHeirs& h) {
    for (NodeId n : {h.next, h.previous, h.parent})
        if (tree.valid(n)) return n;
    return kNoNode;
}

} // namespace

void commandDeleteFile(ShellContext& ctx) {
    AppState& app = ctx.app;
    CatalogTree& tree = app.tree;
    if (!volumeChangeable(app)) return;
    NodeId node = tree.selection();
    if (node == kNoNode) return;
    SelectionHeirs heirs{tree.nextSibling(node), tree.previousSibling(node), tree.parent(node)};
    size_t before = tree.size();
    DeleteOptions options{app.settings.delPrompt, false};
    Outcome outcome;
    deleteSelected(app.image, tree, options, outcome);
    if (outcome.question) {
        Message question = *outcome.question;
        present(ctx.platform, outcome);
        outcome = {};
        options.confirmed = ask(ctx.platform, question);
        if (options.confirmed) deleteSelected(app.image, tree, options, outcome);
    }
    present(ctx.platform, outcome);
    if (tree.size() < before) {
        if (tree.selection() == kNoNode) onTreeSelected(ctx, firstAlive(tree, heirs));
        saveAfterChange(ctx);
    }
    refreshAfterChange(ctx);
}

} // namespace lk
