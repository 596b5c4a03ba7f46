// The text pane as the commands see it: its text limit, tab stops and wrap width, and the
// operations of searching, replacing, pasting, formatted text and printing. The window's text
// pane implements it; the commands stay plain functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font_choice.h"
#include "platform/printing.h"
#include "translate/rich_text.h"

namespace lk {

// The pane holds at most this many characters; what does not fit is cut and the user told.
inline constexpr size_t kDisplayTextLimit = 16'777'215;
// Ten tab stops every 400 twips (20 points), and the same spacing after them.
inline constexpr int kTabStopCount = 10;
inline constexpr int kTabStepTwips = 400;
// Lines wrap at the width of this many capital X, plus one pixel.
inline constexpr int kWrapColumns = 80;

// How many of `incoming` characters fit in a text of `length` characters when `replaced` of
// them give way to the new ones.
constexpr size_t charactersThatFit(size_t length, size_t replaced, size_t incoming) {
    size_t kept = length - (replaced < length ? replaced : length);
    size_t room = kept < kDisplayTextLimit ? kDisplayTextLimit - kept : 0;
    return incoming < room ? incoming : room;
}

// Character positions: start and end of a selection (equal for a bare caret).
struct TextRange {
    int64_t start = 0;
    int64_t end = 0;
    bool operator==(const TextRange&) const = default;
};

// What the clipboard offers the pane: text, a picture, or the pane's own formatted text.
struct ClipboardOffer {
    bool text = false;
    bool bitmap = false;
    bool richText = false;
};
enum class PasteSource { None, Text, Bitmap, RichText };

// A failure while printing, each with its message.
enum class PrintProblem { StartDoc, StartPage, DisplayBand, EndPage, EndDoc };

class DisplayPane {
  public:
    virtual ~DisplayPane() = default;

    virtual TextRange selection() const = 0;
    // Selects the range and brings it into view.
    virtual void select(TextRange range) = 0;
    // The first occurrence of `text` starting at or after `from`; case is ignored unless asked.
    virtual std::optional<TextRange> find(std::string_view text, int64_t from, bool matchCase) = 0;
    // Replaces the selection (the caret after the new text); this cannot be undone.
    virtual void replaceSelection(std::string_view text) = 0;

    virtual ClipboardOffer clipboardOffer() const = 0;
    // Pastes from the clipboard in the given form and takes the focus; false when the pane
    // cannot take that form.
    virtual bool paste(PasteSource source) = 0;

    // Inserts formatted text at the caret, as the hand-over of plain text does.
    virtual void insertRichText(const RichText& text) = 0;
    // Wrapping at 80 columns on, or no wrapping at all.
    virtual void setWrapAt80(bool on) = 0;
    // The face, size and colour of the text at the selection.
    virtual FontChoice currentFont() const = 0;

    // Prints the text, or the selection, on the printer or into the file the settings name.
    // Returns the failures in the order they happened.
    virtual std::vector<PrintProblem> print(const PrintSettings& settings, const PageSetup& setup,
                                            const std::string& documentName) = 0;
};

} // namespace lk
