// The handlers the dispatcher calls, one per command or group of commands.
#pragma once

#include "app/commands.h"
#include "app/block_view.h"
#include "translate/translator_choice.h"

namespace lk {

// File > Open: the open-image dialog, then the open.
void commandOpen(ShellContext& ctx);

// File > New: the dialog, the new image written beside the others and opened.
void commandNew(ShellContext& ctx);
// Apple > Properties: the sheet of the selected item, its volume and the image.
void commandProperties(ShellContext& ctx);
// Tools > Preferences: the sheet of the settings.
void commandPreferences(ShellContext& ctx);

// --- what the right side shows ---

// View Apple file (the data fork) and View Resource fork.
void viewAppleFile(ShellContext& ctx, Fork fork);
// The text part of a View once the display has been cleared: the translator's text, unwrapped
// when it asks for that, shown with the caret at the start.
void showViewText(ShellContext& ctx, const ViewResult& result);
// Display Volume Bit Map (ProDOS).
void commandBitMap(ShellContext& ctx);
// Display Block (ProDOS) and Display Sector (DOS 3.3): the dialog, the range check, the text.
void commandDisplayBlock(ShellContext& ctx);
void commandDisplaySector(ShellContext& ctx);
// Increment and Decrement Block and Sector: the next or previous one, within the limits.
void commandStep(ShellContext& ctx, StepCommand step);
// Catalog: the listing of the selected file, folder or volume.
void commandCatalog(ShellContext& ctx);
// After a change to the volume: the bit map or the block or sector shown is drawn again.
void refreshAfterChange(ShellContext& ctx);

// --- Apple files and the host ---

// Export As: the selected file to a host file.
void commandExportAs(ShellContext& ctx);

} // namespace lk
