#include "translate/block_display.h"


#include "base/format.h"
#include "translate/text_out.h"

namespace lk {

namespace {

constexpr const char* kColumns =
    "$    00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F        ASCII";

// Block mode shows plain ASCII and $7F; sector mode also shows high-bit text (DOS 3.3 keeps its
// text with bit 7 set) but not $7F.
char blockChar(uint8_t b) {
    return b >= 0x20 && b <= 0x7F ? char(b) : '.';
}
char sectorChar(uint8_t b) {
    if (b >= 0x20 && b <= 0x7E) return char(b);
    if (b >= 0xA0 && b <= 0xFE) return char(b - 0x80);
    return '.';
}

void appendRow(std::string& out, const uint8_t* row, bool sectorMode) {
    for (int k = 0; k < 16; ++k) {
        out.push_back(kHexDigits[row[k] >> 4]);
        out.push_back(kHexDigits[row[k] & 0xF]);
        out.push_back(' ');
    }
    out.append("  ");
    for (int k = 0; k < 16; ++k) out.push_back(sectorMode ? sectorChar(row[k]) : blockChar(row[k]));
}

} // namespace

std::string blockText(const std::array<uint8_t, 512>& block512, uint32_t block) {
    const uint8_t* bytes = block512.data();
    std::string out = " ";
    out.append(kColumns).append("       Block #\n\n000   ");
    for (uint32_t row = 0; row < 32; ++row) {
        if (row > 0) appendFormat(out, row < 16 ? "\n0%0X   " : "\n%0X   ", row * 16);
        appendRow(out, bytes + row * 16, false);
        if (row == 0) appendFormat(out, "   %u", unsigned(block));
        if (row == 2) appendFormat(out, "   $%02X", block);
    }
    return out;
}

std::string sectorText(const std::array<uint8_t, 512>& block512, uint32_t half, uint32_t track,
                       uint32_t sector) {
    const uint8_t* bytes = block512.data() + (half & 1) * 256;
    std::string out = kColumns;
    out.append("       Trk/Sec#\n\n00   ");
    for (uint32_t row = 0; row < 16; ++row) {
        if (row > 0) appendFormat(out, "\n%0X   ", row * 16);
        appendRow(out, bytes + row * 16, true);
        if (row == 0) appendFormat(out, "   %u/%u", unsigned(track), unsigned(sector));
        if (row == 2) appendFormat(out, "  $%02X/$%02X", track, sector);
    }
    return out;
}

} // namespace lk
