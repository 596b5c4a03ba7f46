#include "translate/rich_text_html.h"

namespace lk {

namespace {

void putEscaped(std::string& out, std::string_view text) {
    for (char ch : text) {
        auto c = uint8_t(ch);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (c >= 0x80) { // Latin-1 in UTF-8
                out += char(0xC0 | (c >> 6));
                out += char(0x80 | (c & 0x3F));
            } else if (c >= 0x20 || c == '\t') {
                out += ch;
            }
        }
    }
}

struct Tag {
    bool on;
    const char* open;
    const char* close;
};

void putRun(std::string& out, std::string_view text, const RunFormat& f) {
    if (text.empty()) return;
    const Tag tags[] = {{f.bold, "<b>", "</b>"},
                        {f.underline, "<u>", "</u>"},
                        {f.offsetTwips > 0, "<sup>", "</sup>"},
                        {f.offsetTwips < 0, "<sub>", "</sub>"}};
    for (const Tag& t : tags)
        if (t.on) out += t.open;
    putEscaped(out, text);
    for (auto t = std::rbegin(tags); t != std::rend(tags); ++t)
        if (t->on) out += t->close;
}

constexpr std::string_view alignmentStyle(TextAlignment a) {
    switch (a) {
    case TextAlignment::Center:
        return " style=\"text-align: center\"";
    case TextAlignment::Right:
        return " style=\"text-align: right\"";
    default:
        return "";
    }
}

void putParagraph(std::string& out, const std::string& content, TextAlignment a) {
    out += "<p";
    out += alignmentStyle(a);
    out += '>';
    // An empty paragraph keeps its line.
    out += content.empty() ? "<br>" : content;
    out += "</p>\n";
}

} // namespace

std::string htmlDocument(const RichText& text, std::string_view title) {
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    putEscaped(out, title);
    out += "</title>\n<style>p { margin: 0; white-space: pre-wrap; }</style>\n</head>\n<body>\n";
    // A paragraph takes the alignment of the last run that reaches it.
    std::string paragraph;
    TextAlignment alignment = TextAlignment::Left;
    bool open = false;
    for (const RichRun& run : text.runs) {
        std::string_view rest = run.text;
        while (!rest.empty()) {
            size_t end = rest.find('\n');
            putRun(paragraph, rest.substr(0, end), run.format);
            alignment = run.alignment;
            open = true;
            if (end == std::string_view::npos) break;
            putParagraph(out, paragraph, alignment);
            paragraph.clear();
            open = false;
            rest.remove_prefix(end + 1);
        }
    }
    if (open) putParagraph(out, paragraph, alignment);
    out += "</body>\n</html>\n";
    return out;
}

} // namespace lk
