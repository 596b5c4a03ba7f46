#include "translate/applesoft.h"

#include <algorithm>

#include "translate/text_out.h"

namespace lk {

// clang-format off
constexpr std::string_view kApplesoftTokens[107] = {
    /* $80 */ "END", "FOR", "NEXT", "DATA", "INPUT", "DEL", "DIM", "READ",
    /* $88 */ "GR", "TEXT", "PR#", "IN#", "CALL", "PLOT", "HLIN", "VLIN",
    /* $90 */ "HGR2", "HGR", "HCOLOR=", "HPLOT", "DRAW", "XDRAW", "HTAB", "HOME",
    /* $98 */ "ROT=", "SCALE=", "SHLOAD", "TRACE", "NOTRACE", "NORMAL", "INVERSE", "FLASH",
    /* $A0 */ "COLOR=", "POP", "VTAB", "HIMEM:", "LOMEM:", "ONERR", "RESUME", "RECALL",
    /* $A8 */ "STORE", "SPEED=", "LET", "GOTO", "RUN", "IF", "RESTORE", "&",
    /* $B0 */ "GOSUB", "RETURN", "REM", "STOP", "ON", "WAIT", "LOAD", "SAVE",
    /* $B8 */ "DEF", "POKE", "PRINT", "CONT", "LIST", "CLEAR", "GET", "NEW",
    /* $C0 */ "TAB(", "TO", "FN", "SPC(", "THEN", "AT", "NOT", "STEP",
    /* $C8 */ "+", "-", "*", "/", "^", "AND", "OR", ">",
    /* $D0 */ "=", "<", "SGN", "INT", "ABS", "USR", "FRE", "SCRN(",
    /* $D8 */ "PDL", "POS", "SQR", "RND", "LOG", "EXP", "COS", "SIN",
    /* $E0 */ "TAN", "ATN", "PEEK", "LEN", "STR$", "VAL", "ASC", "CHR$",
    /* $E8 */ "LEFT$", "RIGHT$", "MID$",
};
// clang-format on

namespace {

constexpr uint8_t kFirstToken = 0x80;
constexpr uint8_t kLastToken = 0xEA;

} // namespace

std::string listApplesoft(Bytes data, uint32_t startOffset, uint32_t baseAddress,
                          Outcome& outcome) {
    std::string out;
    // Positions are compared as signed values: a short program makes `length - 3` negative.
    int64_t length = int64_t(data.size());
    if (startOffset == 2) length = std::min<int64_t>(le16At(data, 0), length);
    out.reserve(size_t(length) * 2);
    int64_t pos = startOffset;
    int64_t address = baseAddress;
    while (pos < length - 3) {
        uint16_t link = le16At(data, size_t(pos));
        int64_t lineLength = int64_t(link) - address;
        address = link;
        uint16_t number = le16At(data, size_t(pos) + 2);
        // A line 0 whose body starts with two zero bytes is listed without its number.
        if (uint32_t(number) + le16At(data, size_t(pos) + 4) != 0) appendDecimal(out, number);
        pos += 4;
        out.push_back(' ');
        int64_t j = 0;
        for (; j < lineLength - 4; ++j) {
            if (pos + j > length - 1) {
                out.push_back('\n');
                outcome.beep();
                return out;
            }
            uint8_t b = data[size_t(pos + j)];
            if (b == 0) continue;
            if (b < kFirstToken) {
                out.push_back(char(b));
            } else if (b <= kLastToken) {
                out.push_back(' ');
                out.append(kApplesoftTokens[b - kFirstToken]);
                out.push_back(' ');
            } else {
                outcome.beep();
                out.push_back(' ');
            }
        }
        pos += j;
        out.push_back('\n');
    }
    return out;
}

} // namespace lk
