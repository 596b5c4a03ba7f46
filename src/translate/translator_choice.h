// How View Apple file shows a file: the translator or decoder its type, auxiliary type, volume
// and the Translate settings choose, or the fallback (hex dump or raw text), and running it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/bytes.h"
#include "base/outcome.h"
#include "graphics/picture.h"
#include "settings/settings.h"
#include "translate/rich_text.h"

namespace lk {

enum class ViewAction {
    Text,             // translateText
    Applesoft,        // listApplesoft
    IntegerBasic,     // listInteger
    AppleWorksWP,     // AppleWorks word processor
    AppleWorksDB,     // AppleWorks data base
    HiRes,            // HiRes picture
    DoubleHiRes,      // Double HiRes picture
    SuperHiRes,       // Super HiRes screen image
    PackedSuperHiRes, // packed Super HiRes image
    Icon,             // IIgs icon file
    DosBinaryText,    // raw text of a DOS 3.3 binary file, as long as its length word says
    HexDump,          // the fallback with DEFTRANS2 "TRUE"
    RawText,          // the fallback otherwise
};

// Everything the choice depends on, for one View.
struct ViewRequest {
    // A DOS 3.3 file, which begins with its length word.
    bool dos33 = false;
    // The ProDOS file type (a DOS 3.3 type mapped by prodosTypeForDos) and auxiliary type.
    uint8_t fileType = 0;
    uint16_t auxType = 0;
    // The file's bytes as the reader returned them (DOS 3.3: its whole sectors).
    Bytes data;
    // View Resource fork, and Shift held while choosing View: both show the fallback.
    bool resourceFork = false;
    bool shiftHeld = false;
    // The user answered Yes to a translator's question (an AppleWorks data base of another
    // version): it tries anyway.
    bool tryAnyway = false;

    // Where a program or text starts in the data; DOS 3.3 files begin with a length word. It
    // doubles as the DOS 3.3 mode of the text and BASIC translators.
    uint32_t startOffset() const { return dos33 ? 2 : 0; }
};

struct ViewChoice {
    ViewAction action = ViewAction::HexDump;
    int textMode = 0; // for ViewAction::Text
};

ViewChoice chooseTranslator(const ViewRequest& request, const Settings& settings);

struct ViewResult {
    ViewChoice choice;
    // The text for the display, which ends at the first zero byte a translator produced.
    std::string text;
    // Formatted text (an AppleWorks word processor document), shown in place of `text`.
    RichText rich;
    // The display shows this text without line wrapping.
    bool lineWrapOff = false;
    // A decoder's picture, for the picture pane instead of the text. A picture action without
    // one failed, and the outcome says why.
    std::optional<Picture> picture;
};

ViewResult runTranslator(const ViewChoice& choice, const ViewRequest& request,
                         const Settings& settings, Outcome& outcome);

inline ViewResult viewFile(const ViewRequest& request, const Settings& settings,
                           Outcome& outcome) {
    return runTranslator(chooseTranslator(request, settings), request, settings, outcome);
}

} // namespace lk
