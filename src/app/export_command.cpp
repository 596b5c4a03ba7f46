// Export As: the selected Apple file, adjusted as the export preferences say, to a host file the
// user chooses.
#include "app/command_handlers.h"
#include "app/export_file.h"
#include "app/volume_commands.h"
#include "base/host_file.h"
#include "catalog/selection.h"

namespace lk {

void commandExportAs(ShellContext& ctx) {
    AppState& app = ctx.app;
    ShellState& s = app.shell;
    if (app.tree.empty()) return;
    s.selectedEntry = querySelection(app.tree);
    if (s.selectedEntry == 0) return;
    std::string suggested = suggestedExportName(app.image, *app.tree.item(app.tree.selection()));
    // A buffer of its own: the shared one may hold a copied Apple file waiting to be pasted,
    // which an export must not replace.
    FileDataBuffer exported;
    Outcome outcome;
    int32_t n = prepareExport(app.image, app.tree, app.settings, exported, outcome);
    present(ctx.platform, outcome);
    if (n <= 0) return;
    std::optional<ChosenFile> chosen = ctx.platform.chooseExportFile(suggested, s.exportFolder);
    if (!chosen) return;
    std::string path = withDefaultExtension(chosen->path, kDefaultExtension);
    PathParts parts = splitPath(path);
    if (writeExportFile(path, exported.bytes()) == 0) {
        show(ctx.platform, message(MessageId::CouldNotWriteFile, parts.fileName));
        return;
    }
    // The next export starts where this one went.
    s.exportFolder = parts.folder;
}

std::optional<std::string> exportForDrag(ShellContext& ctx, NodeId node,
                                         const std::string& folder) {
    AppState& app = ctx.app;
    const CatalogItem* item = app.tree.item(node);
    if (!item || !isFile(item->kind)) return std::nullopt;
    onTreeSelected(ctx, node);
    FileDataBuffer exported;
    Outcome outcome;
    int32_t n = prepareExport(app.image, app.tree, app.settings, exported, outcome);
    present(ctx.platform, outcome);
    if (n <= 0) return std::nullopt;
    std::string path = utf8Path(hostPath(folder) / hostPath(hostFileName(app.image, *item)));
    if (writeExportFile(path, exported.bytes()) == 0) {
        show(ctx.platform, message(MessageId::CouldNotWriteFile, splitPath(path).fileName));
        return std::nullopt;
    }
    return path;
}

} // namespace lk
