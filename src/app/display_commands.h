// The commands of the text pane: Edit, Find, Find Next, Replace, the font dialog, Page Setup
// and Print of the text.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "app/commands.h"

namespace lk {

// --- find and replace ---

bool hasFindText(const FindRecord& record);
// One search to the end of the text, from one character after the start of the selection, or
// from the caret when nothing is selected. Found: the match is selected. Not found: the caret
// goes to the top.
bool findNextMatch(DisplayPane& pane, const FindRecord& record);
// One search, and the match replaced by the replace text.
bool replaceOnce(DisplayPane& pane, const FindRecord& record);
// Find (27) and Replace (29): the modeless dialog.
void commandFind(ShellContext& ctx, FindMode mode);
// Find Next (28, F3): searches again without a word when there is a search text, else opens
// Find.
void commandFindNext(ShellContext& ctx);
// What the open dialog asks for; a search the dialog started says so when it finds nothing.
void onFindMessage(ShellContext& ctx, const FindMessage& message);

// --- edit ---

// The clipboard's forms in the order they are weighed, the later winning.
PasteSource choosePasteSource(const ClipboardOffer& offer);
void commandPaste(ShellContext& ctx);

// --- the font dialog ---

// Runs the font dialog from the font at the selection. Whatever the user pressed, the
// dialog's face, size and colour are kept as the chosen ones. True for OK.
bool chooseDisplayFont(ShellContext& ctx);

// --- printing ---

// A rectangle in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const TwipsRect&) const = default;
};

// Where the text goes on a page of that size, measured from the corner of the printable
// area: the margins beyond the printer's minimum ones.
TwipsRect printRectangle(int pageWidthTwips, int pageHeightTwips, const PageSetup& setup);
// The page numbers (from 1) in the order they go to the printer for a text of `pageCount`
// pages: with collate the whole range once per copy, otherwise each page `copies` times.
std::vector<int> printedPages(int pageCount, const PrintSettings& settings);
// Margins below the minimum ones are raised to them.
void keepMinimumMargins(PageSetup& setup);
MessageId printProblemMessage(PrintProblem problem);

void commandPageSetup(ShellContext& ctx);
// Prints what `print` draws with the settings the print dialog gives (`hasSelection` offers the
// selected text only) in a job named after the image, telling every failure.
using PrintFunction =
    std::function<std::vector<PrintProblem>(const PrintSettings&, const std::string& jobName)>;
void runPrintJob(ShellContext& ctx, bool hasSelection, const PrintFunction& print);
// Print (14) of the text; a shown picture is printed by the picture pane.
void commandPrintText(ShellContext& ctx);

} // namespace lk
