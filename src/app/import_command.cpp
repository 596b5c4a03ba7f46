// Import: host files chosen in one dialog, each named in the Name dialog and created in the place
// of the tree's selection. A failed create is told and the import goes on with the next file;
// every other stop ends the whole import.
#include "app/name_dialog.h"
#include "app/volume_commands.h"
#include "base/host_file.h"
#include "prodos/path_limits.h"
#include "prodos/place_path.h"
#include "prodos/volume_bit_map.h"

namespace lk {

namespace {

// The dialog hands its names over in a buffer of "BufferSize" bytes: the folder and every name,
// each with its ending zero, and a zero after the last.
bool namesFit(const ImportChoice& choice, int bufferSize) {
    uint64_t needed = choice.folder.size() + 2;
    for (const std::string& name : choice.names) needed += name.size() + 1;
    return needed <= uint64_t(std::max(bufferSize, 0));
}

// The pathname limits, asked about when the path is long; true to go on.
bool pathAllowedAsking(ShellContext& ctx, int length) {
    Outcome outcome;
    bool allowed = pathLengthAllowed(length, false, outcome);
    present(ctx.platform, outcome);
    if (outcome.question) allowed = ask(ctx.platform, *outcome.question);
    return allowed;
}

// Imports one host file; false when the whole import stops.
bool importOne(ShellContext& ctx, const std::string& folder, const std::string& name) {
    AppState& app = ctx.app;
    std::string text;
    int place = placePath(app.image, app.tree, text);
    if (place < 0) {
        Outcome outcome;
        addPlaceError(outcome, place, PlaceContext::Import);
        present(ctx.platform, outcome);
        return false;
    }
    readHostFile(utf8Path(hostPath(folder) / hostPath(name)), app.transfer);
    NameDialogState dialog = importNameDialog(ctx, name);
    bool goOn = ctx.platform.runNameDialog(dialog) &&
                pathAllowedAsking(ctx, place + int(dialog.fields.name.size()));
    // An empty host file, or one that cannot be read, ends the import without a word.
    goOn = goOn && app.transfer.length > 0;
    if (goOn && !freeBytesAtLeast(app.image, app.transfer.length)) {
        show(ctx.platform, message(MessageId::NotEnoughSpaceImport));
        goOn = false;
    }
    if (goOn) {
        ImportRequest request{nameFields(dialog.fields), &app.transfer, false, {}};
        Outcome outcome;
        // The long pathname was asked about above.
        bool imported =
            importFile(app.image, app.tree, app.workingEntry, request, {true}, outcome);
        present(ctx.platform, outcome);
        if (imported) saveAfterChange(ctx);
        refreshAfterChange(ctx);
    }
    app.transfer.release();
    return goOn;
}

} // namespace

void commandImport(ShellContext& ctx) {
    AppState& app = ctx.app;
    if (!volumeChangeable(app)) return;
    std::optional<ImportChoice> choice = ctx.platform.chooseImportFiles(app.shell.folder);
    if (!choice) return;
    if (!namesFit(*choice, app.settings.bufferSize)) {
        show(ctx.platform, message(MessageId::TooManyFilesSelected));
        return;
    }
    // The next Open, Save As or Import starts where these files came from.
    app.shell.folder = choice->folder;
    for (const std::string& name : choice->names)
        if (!importOne(ctx, choice->folder, name)) break;
}

} // namespace lk
