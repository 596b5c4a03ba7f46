#include <algorithm>

#include "graphics/icon_file.h"

namespace lk {

namespace {

constexpr size_t kVersionByte = 4;
constexpr size_t kFirstRecord = 26;
// Offsets in a record: its length, and the large icon's height, width and image.
constexpr size_t kHeightWord = 0x5A;
constexpr size_t kWidthWord = 0x5C;
constexpr size_t kImage = 0x5E;

constexpr int kMargin = 20;     // around the sheet and between icons
constexpr int kRowGap = 40;     // between rows of icons
constexpr int kLastStart = 500; // an icon starting further right opens a new row

// Each image byte is four pixels of two bits; the first and third take one table, the second
// and fourth the other.
constexpr uint32_t kOddColours[4] = {0x000000, 0xDF0000, 0x00EF00, 0xFFFFFF};
constexpr uint32_t kEvenColours[4] = {0x000000, 0x0000FF, 0xFFFF00, 0xFFFFFF};

struct Placement {
    int x = kMargin;
    int top = kMargin;
    int rowHeight = 0;
};

enum class Drawn { Whole, SheetFull, PastEnd };

// Draws the icon's lines, each two sheet rows high, each byte four columns wide; columns past
// the sheet's right edge are left out. A line is drawn only when all its bytes are in the file,
// since a sheet with an icon cut short is not shown at all.
Drawn drawIcon(Bytes file, size_t image, int height, int rowBytes, const Placement& at,
               Picture& sheet) {
    int shownBytes = std::clamp((sheet.width - at.x + 3) / 4, 0, rowBytes);
    for (int r = 0; r < height; ++r) {
        int y = at.top + 2 * r;
        if (y + 1 >= sheet.height) return Drawn::SheetFull;
        size_t line = image + size_t(r) * size_t(rowBytes);
        if (line + size_t(rowBytes) > file.size()) return Drawn::PastEnd;
        for (int k = 0; k < shownBytes; ++k) {
            uint8_t b = file[line + size_t(k)];
            uint32_t colours[4] = {kOddColours[b >> 6], kEvenColours[(b >> 4) & 3],
                                   kOddColours[(b >> 2) & 3], kEvenColours[b & 3]};
            int x = at.x + 4 * k;
            for (int i = 0; i < 4 && x + i < sheet.width; ++i)
                sheet.fill(x + i, y, 1, 2, colours[i]);
        }
    }
    return Drawn::Whole;
}

std::optional<Picture> refuse(Outcome& outcome, std::optional<MessageId> why) {
    if (why) outcome.add(*why);
    outcome.add(MessageId::UnableIcon);
    return std::nullopt;
}

} // namespace

std::optional<Picture> decodeIconFile(Bytes file, Outcome& outcome) {
    if (byteAt(file, kVersionByte) != 1) return refuse(outcome, std::nullopt);
    Picture sheet(kIconSheetWidth, kIconSheetHeight, kWhite);
    Placement at;
    size_t record = kFirstRecord;
    for (;;) {
        // The record's length and the words that size its icon must lie in the file.
        if (record + kImage > file.size()) {
            if (record + 2 <= file.size() && le16At(file, record) == 0) break;
            return refuse(outcome, MessageId::IconImagePastEnd);
        }
        uint16_t length = le16At(file, record);
        if (length == 0) break;
        int height = le16At(file, record + kHeightWord);
        int width = le16At(file, record + kWidthWord);
        int rowBytes = (width - 1) / 2 + 1;
        at.rowHeight = std::max(at.rowHeight, height);
        if (at.x > kLastStart) {
            // The icon that opens a row counts for the gap above it, not for its own row.
            // Rows below the sheet stay below it: only icons without lines can follow.
            at.top = std::min(at.top + 2 * at.rowHeight + kRowGap, kIconSheetHeight);
            at.x = kMargin;
            at.rowHeight = 0;
        }
        Drawn drawn = drawIcon(file, record + kImage, height, rowBytes, at, sheet);
        if (drawn == Drawn::PastEnd) return refuse(outcome, MessageId::IconImagePastEnd);
        if (drawn == Drawn::SheetFull) break;
        at.x += kMargin + 2 * width;
        record += length;
        if (record >= file.size()) {
            outcome.add(MessageId::IconRecordPastEnd);
            break;
        }
    }
    return sheet;
}

} // namespace lk
