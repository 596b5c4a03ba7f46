// The commands that change a ProDOS volume from the window (Import, Copy and Paste Apple file,
// New Folder, Rename, Delete File), Save and Save As, and what follows every change: the save
// at once (or the title marked while changes wait for Save), and the question about unsaved
// changes before the image is closed or replaced.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/command_handlers.h"
#include "app/volume_changes.h"

namespace lk {

void commandImport(ShellContext& ctx);
void commandCopyFile(ShellContext& ctx);
void commandPasteFile(ShellContext& ctx);
void commandNewFolder(ShellContext& ctx);
void commandRename(ShellContext& ctx);
void commandDeleteFile(ShellContext& ctx);
void commandSave(ShellContext& ctx);
void commandSaveAs(ShellContext& ctx);

// A ProDOS volume is open that may be changed (not one converted from nibbles).
bool volumeChangeable(const AppState& app);

// After a change to the volume: saved at once unless the settings say otherwise; otherwise (or
// when the save fails) the window's title shows that changes wait.
void saveAfterChange(ShellContext& ctx);
// Sets or clears the flag of changes not yet saved, and the title's mark with it.
void markModified(ShellContext& ctx, bool modified);
// Before the image is closed or replaced: with unsaved changes, asks whether to save them. Save
// saves (a failed save keeps the image), Discard drops them; true when the caller may go on.
bool saveChangesFirst(ShellContext& ctx);
// The window is being closed: the question about unsaved changes when there are some (it has
// its own Cancel), else the Quit question when the settings want it. True to close.
bool confirmCloseWindow(ShellContext& ctx);

// Asks the long-pathname question of an operation, runs it again on Yes, and presents what it
// reported. True when the change was made.
bool changeAsking(ShellContext& ctx,
                  const std::function<bool(const ChangeAnswers&, Outcome&)>& change);

// A file dragged out of the tree to the desktop: exported into `folder` under the name Export
// As suggests, with the same conversions. The path written, or nothing (what went wrong told).
std::optional<std::string> exportForDrag(ShellContext& ctx, NodeId node,
                                         const std::string& folder);

} // namespace lk
