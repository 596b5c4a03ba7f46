// Formatted text for the display pane: runs of 8-bit text ("\n" line ends), each with its own
// character format and the alignment of the paragraph it falls in. The AppleWorks word
// processor translator writes its bold, underlined, raised and lowered text and its centred and
// right-aligned paragraphs this way; the pane shows the runs in its one font and colour.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lk {

enum class TextAlignment { Left, Center, Right };

// Sizes and offsets in twips (1/20 point). A height of 0 means the display font's own size.
struct RunFormat {
    bool bold = false;
    bool underline = false;
    int offsetTwips = 0; // above the base line when positive, below when negative
    int heightTwips = 0;

    bool operator==(const RunFormat&) const = default;
};

struct RichRun {
    std::string text;
    RunFormat format;
    // The alignment given to every paragraph this run reaches; a paragraph keeps the
    // alignment of the last run that reached it.
    TextAlignment alignment = TextAlignment::Left;

    bool operator==(const RichRun&) const = default;
};

struct RichText {
    std::vector<RichRun> runs;

    // Adds text in a format, joining it to the last run when the format and alignment agree.
    void append(std::string_view text, const RunFormat& format,
                TextAlignment alignment = TextAlignment::Left) {
        if (text.empty()) return;
        if (!runs.empty() && runs.back().format == format && runs.back().alignment == alignment) {
            runs.back().text.append(text);
            return;
        }
        runs.push_back({std::string(text), format, alignment});
    }
    size_t length() const {
        size_t n = 0;
        for (const RichRun& r : runs) n += r.text.size();
        return n;
    }
    // The text without its formats.
    std::string plainText() const {
        std::string out;
        out.reserve(length());
        for (const RichRun& r : runs) out += r.text;
        return out;
    }
};

} // namespace lk
