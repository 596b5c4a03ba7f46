// The commands of the picture pane: the picture of a View, Export Graphic and Print of the
// picture, and where a picture goes on the printed page.
#pragma once

#include "app/commands.h"
#include "translate/translator_choice.h"

namespace lk {

// A picture is printed at most this many times its size in each direction.
inline constexpr int kMaxPrintScale = 4;

// A rectangle in printer pixels.
struct PrintTarget {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PrintTarget&) const = default;
};

// The page and its resolution in printer pixels.
struct PrinterPage {
    int width = 0;
    int height = 0;
    int dotsPerInchX = 0;
    int dotsPerInchY = 0;
};

// Where the picture is printed: at the page setup's margins (measured from the paper's edge),
// as wide and as high as they leave room for but at most four times the picture's size, each
// direction limited on its own.
PrintTarget pictureTarget(const PrinterPage& page, const Margins& margins, int pictureWidth,
                          int pictureHeight);

// The picture part of a View once the display has been cleared: the picture in the pane, or
// when the pane cannot take it, the decoder's message over an empty display.
void showViewPicture(ShellContext& ctx, ViewAction action, Picture picture);
// Export Graphic (58): the shown picture to a BMP (or PNG) file.
void commandExportGraphic(ShellContext& ctx);
// Print (14) while a picture is shown.
void commandPrintPicture(ShellContext& ctx);

} // namespace lk
