#include "app/command_handlers.h"
#include "app/display_commands.h"
#include "app/picture_commands.h"
#include "app/volume_commands.h"

namespace lk {

namespace {

bool editAction(int command, EditAction& action) {
    switch (command) {
    case cmd::kUndo:
        action = EditAction::Undo;
        return true;
    case cmd::kCut:
        action = EditAction::Cut;
        return true;
    case cmd::kCopy:
        action = EditAction::Copy;
        return true;
    case cmd::kClear:
        action = EditAction::Clear;
        return true;
    case cmd::kSelectAll:
        action = EditAction::SelectAll;
        return true;
    default:
        return false;
    }
}

} // namespace

void dispatchCommand(ShellContext& ctx, int command) {
    ctx.view.commandDelivered(command);
    if (command < cmd::kLowest || command > cmd::kHighest || !isMenuCommand(command)) return;
    EditAction action;
    if (editAction(command, action)) {
        ctx.view.editDisplay(action);
        return;
    }
    switch (command) {
    case cmd::kNew:
        commandNew(ctx);
        break;
    case cmd::kOpen:
        commandOpen(ctx);
        break;
    case cmd::kSave:
        commandSave(ctx);
        break;
    case cmd::kSaveAs:
        commandSaveAs(ctx);
        break;
    case cmd::kPrint:
        // A shown picture is printed as a picture.
        if (ctx.app.shell.graphicShown)
            commandPrintPicture(ctx);
        else
            commandPrintText(ctx);
        break;
    case cmd::kPageSetup:
        commandPageSetup(ctx);
        break;
    case cmd::kPaste:
        commandPaste(ctx);
        break;
    case cmd::kFind:
        commandFind(ctx, FindMode::Find);
        break;
    case cmd::kFindNext:
        commandFindNext(ctx);
        break;
    case cmd::kReplace:
        commandFind(ctx, FindMode::Replace);
        break;
    case cmd::kExit:
        ctx.view.closeWindow();
        break;
    case cmd::kViewFile:
        viewAppleFile(ctx, Fork::Data);
        break;
    case cmd::kViewResourceFork:
        viewAppleFile(ctx, Fork::Resource);
        break;
    case cmd::kImport:
        commandImport(ctx);
        break;
    case cmd::kExportAs:
        commandExportAs(ctx);
        break;
    case cmd::kCopyFile:
        commandCopyFile(ctx);
        break;
    case cmd::kPasteFile:
        commandPasteFile(ctx);
        break;
    case cmd::kNewFolder:
        commandNewFolder(ctx);
        break;
    case cmd::kRename:
        commandRename(ctx);
        break;
    case cmd::kDeleteFile:
        commandDeleteFile(ctx);
        break;
    case cmd::kBitMap:
        commandBitMap(ctx);
        break;
    case cmd::kDisplayBlock:
        commandDisplayBlock(ctx);
        break;
    case cmd::kDisplaySector:
        commandDisplaySector(ctx);
        break;
    case cmd::kNextBlock:
        commandStep(ctx, StepCommand::NextBlock);
        break;
    case cmd::kPreviousBlock:
        commandStep(ctx, StepCommand::PreviousBlock);
        break;
    case cmd::kNextSector:
        commandStep(ctx, StepCommand::NextSector);
        break;
    case cmd::kPreviousSector:
        commandStep(ctx, StepCommand::PreviousSector);
        break;
    case cmd::kCatalog:
        commandCatalog(ctx);
        break;
    case cmd::kExportGraphic:
        commandExportGraphic(ctx);
        break;
    case cmd::kProperties:
        commandProperties(ctx);
        break;
    case cmd::kPreferences:
        commandPreferences(ctx);
        break;
    case cmd::kHelpContents:
        ctx.platform.showHelpContents();
        break;
    case cmd::kAbout:
        ctx.platform.showAbout();
        break;
    default:
        // The other commands keep their menu items and enabling rules; their work arrives
        // with the features they belong to.
        break;
    }
}

void refreshEditMenu(ShellContext& ctx) {
    EditFacts facts = ctx.view.displayEditFacts();
    facts.findDialogOpen = ctx.app.shell.findDialogOpen;
    prepareEditMenu(ctx.app.shell.menu, facts);
    ctx.view.showMenuState(ctx.app.shell.menu);
}

bool acceptAccelerator(ShellContext& ctx, int command) {
    for (const MenuItem& item : kEditItems) {
        if (item.command == command) {
            refreshEditMenu(ctx);
            break;
        }
    }
    return acceleratorDelivered(ctx.app.shell.menu, command);
}

} // namespace lk
