#include "translate/hex_dump.h"

#include <algorithm>

#include "translate/text_out.h"

namespace lk {

namespace {

constexpr size_t kRowBytes = 16;
// Label (10) + 16 cells (48) + ASCII column (18) + line feed.
constexpr size_t kRowTextMax = 10 + 48 + 18 + 1;

// The dump shows every byte with bit 7 cleared; control characters become spaces.
inline char dumpChar(uint8_t b) {
    uint8_t c = b & 0x7F;
    return c < 0x20 ? ' ' : char(c);
}

// One row: label, cells, the pads of a short last row, and the ASCII column. File lengths are
// 32-bit, so the index fits the label's writer.
void appendRow(std::string& out, Bytes data, size_t from, size_t to, bool last) {
    out.push_back(' ');
    appendHex(out, uint32_t(from), 6);
    out.append("   ");
    char cells[kRowBytes * 3];
    char ascii[kRowBytes + 2] = {' ', ' '};
    size_t n = to - from;
    for (size_t k = 0; k < n; ++k) {
        uint8_t b = data[from + k];
        cells[3 * k] = kHexDigits[b >> 4];
        cells[3 * k + 1] = kHexDigits[b & 0xF];
        cells[3 * k + 2] = ' ';
        ascii[2 + k] = dumpChar(b);
    }
    out.append(cells, 3 * n);
    if (last) out.append(3 * (kRowBytes - n), ' ');
    out.append(ascii, 2 + n);
    out.push_back('\n');
}

} // namespace

void hexDump(std::string& out, Bytes data, size_t end, size_t start, bool withHeader) {
    end = std::min(end, data.size());
    if (withHeader) out.append(kHexDumpHeader);
    out.push_back('\n');
    if (start >= end) return;
    out.reserve(out.size() + ((end - start) / kRowBytes + 2) * kRowTextMax);
    size_t from = start;
    while (from < end) {
        size_t to = std::min(end, (from / kRowBytes + 1) * kRowBytes);
        appendRow(out, data, from, to, to == end);
        from = to;
    }
}

} // namespace lk
