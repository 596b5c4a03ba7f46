// The commands that fill the right side: View, the volume bit map, blocks and sectors, and the
// catalog listing, with the flags that say what is shown and the stepping items that follow them.
#include "app/command_handlers.h"
#include "app/picture_commands.h"
#include "app/view_file.h"
#include "catalog/selection.h"
#include "prodos/volume_bit_map.h"
#include "volume/catalog_listing.h"

namespace lk {

namespace {

// Text is about to take the right side: a picture shown there goes, and with it what can only
// be done with a picture, so that printing and exporting never act on one that is gone.
void leavePicture(ShellContext& ctx) {
    ShellState& s = ctx.app.shell;
    if (s.graphicShown) ctx.view.hideImageWindow();
    s.graphicShown = false;
    s.picture = Picture();
    s.menu.grey(cmd::kExportGraphic);
}

// The stepping items follow what the display shows.
void afterDisplayChange(ShellContext& ctx) {
    ShellState& s = ctx.app.shell;
    updateStepCommands(s.menu, s.blockViewShown, ctx.app.image.isDos33);
    ctx.view.showMenuState(s.menu);
}

bool prodosOpen(const AppState& app) {
    return !app.tree.empty() && !app.image.isDos33;
}

bool dosOpen(const AppState& app) {
    return !app.tree.empty() && app.image.isDos33;
}

// Sets the bit map as the display's text; what it found wrong with the map is handed back.
DamageReport putBitMap(ShellContext& ctx) {
    DamageReport damage;
    ctx.view.setDisplayText(bitMapText(ctx.app.image, damage));
    return damage;
}

void putBlockView(ShellContext& ctx) {
    ctx.view.setDisplayText(blockDisplay(ctx.app.image, ctx.app.shell.blockView));
}

// A block or sector entry was accepted: it replaces what the right side showed.
void showBlockView(ShellContext& ctx) {
    ShellState& s = ctx.app.shell;
    leavePicture(ctx);
    ctx.view.clearDisplay();
    putBlockView(ctx);
    ctx.view.showDisplay();
    s.bitMapShown = false;
    s.blockViewShown = true;
    afterDisplayChange(ctx);
}

} // namespace

void viewAppleFile(ShellContext& ctx, Fork fork) {
    AppState& app = ctx.app;
    ShellState& s = app.shell;
    if (!app.tree.empty()) {
        // Shift as the user chose the command, not as it may be once a long read is done.
        bool shift = ctx.platform.shiftHeld();
        // The file-data buffer that holds a copied file is about to be reused.
        s.appleClipboard = AppleClipboard::Empty;
        s.menu.grey(cmd::kPasteFile);
        ctx.view.showMenuState(s.menu);
        s.selectedEntry = querySelection(app.tree);
        const CatalogItem* node = app.tree.item(app.tree.selection());
        ctx.platform.setWaitCursor(true);
        ViewRequest request;
        Outcome read;
        bool readable =
            s.selectedEntry != 0 && readForView(app.image, *node, fork, app.file, request, read);
        present(ctx.platform, read);
        if (!readable) {
            // Nothing to show: the right side and its flags stay as they were.
            ctx.platform.setWaitCursor(false);
            return;
        }
        request.shiftHeld = shift;
        leavePicture(ctx);
        ctx.view.clearDisplay();
        s.wrapAt80 = true;
        Outcome translated;
        ViewResult result = viewFile(request, app.settings, translated);
        if (translated.question && ask(ctx.platform, *translated.question)) {
            request.tryAnyway = true;
            translated = Outcome{};
            result = viewFile(request, app.settings, translated);
        }
        present(ctx.platform, translated);
        if (result.picture)
            showViewPicture(ctx, result.choice.action, std::move(*result.picture));
        else
            showViewText(ctx, result);
    }
    s.bitMapShown = false;
    s.blockViewShown = false;
    afterDisplayChange(ctx);
    ctx.platform.setWaitCursor(false);
}

void showViewText(ShellContext& ctx, const ViewResult& result) {
    if (result.lineWrapOff) {
        ctx.view.setDisplayWrap(false);
        ctx.app.shell.wrapAt80 = false;
    }
    if (!result.rich.runs.empty())
        ctx.view.displayPane().insertRichText(result.rich);
    else if (!result.text.empty())
        ctx.view.insertDisplayText(result.text);
    ctx.view.showDisplay();
}

void commandBitMap(ShellContext& ctx) {
    // DOS 3.3 volumes keep their free sectors in the VTOC: there is no bit map to show.
    if (!prodosOpen(ctx.app)) return;
    ShellState& s = ctx.app.shell;
    leavePicture(ctx);
    ctx.view.clearDisplay();
    DamageReport damage = putBitMap(ctx);
    ctx.view.showDisplay();
    s.bitMapShown = true;
    s.blockViewShown = false;
    afterDisplayChange(ctx);
    Outcome outcome;
    outcome.addDamage(damage, MessageId::BitMapCut);
    present(ctx.platform, outcome);
}

void commandDisplayBlock(ShellContext& ctx) {
    if (!prodosOpen(ctx.app)) return;
    BlockViewState& v = ctx.app.shell.blockView;
    std::optional<std::string> typed = ctx.platform.askBlockNumber(v.blockEntryText);
    if (!typed) {
        cancelEntry(v);
        return;
    }
    Outcome outcome;
    bool accepted = acceptBlockEntry(v, *typed, imageBlockCount(ctx.app.image), outcome);
    present(ctx.platform, outcome);
    if (!accepted) return;
    showBlockView(ctx);
}

void commandDisplaySector(ShellContext& ctx) {
    if (!dosOpen(ctx.app)) return;
    BlockViewState& v = ctx.app.shell.blockView;
    std::optional<TrackSectorEntry> typed =
        ctx.platform.askTrackSector(v.trackEntryText, v.sectorEntryText);
    if (!typed) {
        cancelEntry(v);
        return;
    }
    Outcome outcome;
    bool accepted = acceptSectorEntry(v, typed->track, typed->sector, outcome);
    present(ctx.platform, outcome);
    if (!accepted) return;
    showBlockView(ctx);
}

void commandStep(ShellContext& ctx, StepCommand step) {
    AppState& app = ctx.app;
    if (app.tree.empty()) return;
    // The shell's flag is the one every command keeps; the stepping rules read their copy.
    app.shell.blockView.blockViewShown = app.shell.blockViewShown;
    if (!stepBlockView(app.shell.blockView, step, app.image.isDos33, imageBlockCount(app.image)))
        return;
    putBlockView(ctx);
}

void commandCatalog(ShellContext& ctx) {
    std::string text;
    if (catalogListing(ctx.app.image, ctx.app.tree, text) < 0)
        show(ctx.platform, message(MessageId::CatalogListingError));
    else
        ctx.view.setDisplayText(text);
    leavePicture(ctx);
    ctx.view.showDisplay();
    ctx.view.showMenuState(ctx.app.shell.menu);
}

void refreshAfterChange(ShellContext& ctx) {
    const ShellState& s = ctx.app.shell;
    if (ctx.app.tree.empty()) return;
    // The map was checked when it was first shown; a change is not a reason to say it again.
    if (s.bitMapShown && !ctx.app.image.isDos33) putBitMap(ctx);
    if (s.blockViewShown) putBlockView(ctx);
    // An open Properties sheet shows the volume as it now is (a new name, the free blocks).
    if (s.selectedEntry != 0 && ctx.view.propertiesShown())
        ctx.view.showProperties(propertySheet(ctx.app.image, ctx.app.tree), false);
}

} // namespace lk
