#include <filesystem>

#include "app/commands.h"
#include "app/volume_commands.h"
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

OpenOptions openOptions(const Settings& settings) {
    OpenOptions o;
    o.tsOn = settings.tsOn;
    o.tsDat = settings.tsDat;
    o.tsTsDat = settings.tsTsDat;
    o.allowNibSave = settings.allowNibSave;
    o.saveTracks = settings.saveTracks;
    return o;
}

void replaceEnd(std::string& s, const char* three) {
    if (s.size() >= 3) s.replace(s.size() - 3, 3, three);
}

// Offers to keep the converted TrackStar tracks as a ".NIB" file; the chosen name, if any.
std::optional<ChosenFile> offerNibbleCopy(ShellContext& ctx, const NibbleCopy& copy) {
    std::optional<ChosenFile> chosen =
        ctx.platform.chooseNibbleCopy(ctx.app.image.folder, copy.proposedPath);
    if (!chosen) return chosen;
    Outcome written;
    writeNibbleCopy(copy, chosen->path, written);
    present(ctx.platform, written);
    return chosen;
}

// One try of the open, with the tree view following the rebuild only at its end.
OpenReport openOnce(ShellContext& ctx, const ChosenFile& file, const OpenOptions& options,
                    Outcome& outcome) {
    AppState& app = ctx.app;
    app.image.path = file.path;
    app.image.fileTitle = file.fileTitle;
    ctx.platform.setWaitCursor(true);
    ctx.view.beginTreeRebuild();
    OpenReport report = openImage(app.image, app.tree, options, outcome);
    ctx.view.endTreeRebuild();
    ctx.platform.setWaitCursor(false);
    return report;
}

// The open with its questions: what was reported before a question is shown first, and a Yes
// opens again with the answer. The ".NIB" copy of a TrackStar image is offered once.
OpenReport openAsking(ShellContext& ctx, const ChosenFile& file, Outcome& outcome) {
    OpenOptions options = openOptions(ctx.app.settings);
    std::optional<ChosenFile> copy;
    for (;;) {
        outcome = {};
        OpenReport report = openOnce(ctx, file, options, outcome);
        if (report.nibbleCopy) {
            copy = offerNibbleCopy(ctx, *report.nibbleCopy);
            options.allowNibSave = false;
        }
        if (outcome.question) {
            Message question = *outcome.question;
            present(ctx.platform, outcome);
            // The decoder's summary box is shown once.
            for (const Message& m : outcome.messages)
                if (m.id == MessageId::NibbleSummary) options.tsDat = false;
            outcome = {};
            if (ask(ctx.platform, question)) {
                acceptAnswer(options, question);
                continue;
            }
        }
        // The image now goes by the name chosen for its copy: a Save As writes a sector image
        // beside it, and the title names the TrackStar file.
        if (copy) {
            ctx.app.image.path = copy->path;
            if (ctx.app.image.bufferValid) replaceEnd(ctx.app.image.path, "DSK");
            ctx.app.image.fileTitle = copy->fileTitle;
            replaceEnd(ctx.app.image.fileTitle, "APP");
        }
        return report;
    }
}

} // namespace

void openImageAndShow(ShellContext& ctx, const ChosenFile& file) {
    AppState& app = ctx.app;
    ShellState& s = app.shell;
    // Changes waiting for Save are saved or dropped first, or the open does not happen.
    if (!saveChangesFirst(ctx)) return;
    Outcome outcome;
    OpenReport report = openAsking(ctx, file, outcome);
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
    // The decoder's report of every address field, when the settings ask for it.
    if (!report.sectorReport.empty()) ctx.view.setDisplayText(report.sectorReport);
    // The display no longer shows the bit map or a block of the image that was open, so a
    // change to the new one must not bring either back.
    s.bitMapShown = false;
    s.blockViewShown = false;
    ctx.platform.setWaitCursor(false);
    ctx.view.setCaption(mainTitle(app.image.bufferValid ? app.image.fileTitle : ""));
    markModified(ctx, false);
}

void dropFiles(ShellContext& ctx, const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    const std::string& path = paths.front();
    openImageAndShow(ctx, {path, splitPath(path).fileName});
    rememberImageFolder(ctx, path);
}

void openNamedImages(ShellContext& ctx, const std::vector<std::string>& names) {
    if (names.empty()) return;
    // The folder remembered is the image's own, whatever folder the program started in.
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(hostPath(names.front()), ec);
    if (ec) path = hostPath(names.front());
    dropFiles(ctx, {utf8Path(path.lexically_normal())});
}

void commandOpen(ShellContext& ctx) {
    std::optional<ChosenFile> chosen = ctx.platform.chooseImageToOpen(ctx.app.shell.folder);
    if (!chosen) return;
    openImageAndShow(ctx, *chosen);
    rememberImageFolder(ctx, chosen->path);
}

} // namespace lk
