#include "translate/integer_basic.h"

#include <algorithm>

#include "translate/text_out.h"

namespace lk {

// clang-format off
constexpr std::string_view kIntegerTokens[128] = {
    /* $00 */ "HIMEM:", "", "_", ":", "LOAD", "SAVE", "CON", "RUN",
    /* $08 */ "RUN", "DEL", ",", "NEW", "CLR ", "AUTO", ",", "MAN",
    /* $10 */ "HIMEM:", "LOMEM:", "+", "-", "*", "/", "=", "#",
    /* $18 */ ">=", ">", "<=", "<>", "<", " AND ", " OR ", " MOD ",
    /* $20 */ "^", "+", "(", ",", " THEN ", " THEN ", ",", ",",
    /* $28 */ "\"", "\"", "(", "!", "!", "(", "PEEK ", " RND ",
    /* $30 */ " SGN ", " ABS ", " PDL ", "RNDX", "(", "+", "-", "NOT ",
    /* $38 */ "(", "=", "#", "LEN(", " ASC(", "SCRN(", ",", "(",
    /* $40 */ "$", "$", "(", ",", ",", ";", ";", ";",
    /* $48 */ ",", ",", ",", "TEXT ", "GR ", "CALL ", "DIM ", "DIM ",
    /* $50 */ "TAB ", "END ", "INPUT ", "INPUT ", "INPUT ", "FOR ", "=", " TO ",
    /* $58 */ " STEP ", "NEXT ", ",", "RETURN ", "GOSUB ", "REM ", "LET ", "GOTO ",
    /* $60 */ "IF ", "PRINT ", "PRINT ", "PRINT ", "POKE ", ",", "COLOR=", "PLOT ",
    /* $68 */ ",", "HLIN ", ",", " AT ", "VLIN ", ",", " AT ", "VTAB ",
    /* $70 */ "=", "=", ")", ")", "LIST ", ",", "LIST ", "POP ",
    /* $78 */ "NODSP ", "DSP ", "NOTRACE ", "DSP ", "DSP", "TRACE ", "PR#", "IN#",
};
// clang-format on

namespace {

namespace token {
constexpr uint8_t kColon = 0x03;
constexpr uint8_t kOpenQuote = 0x28;
constexpr uint8_t kCloseQuote = 0x29;
constexpr uint8_t kPeek = 0x2E;
constexpr uint8_t kLen = 0x3B;
constexpr uint8_t kRem = 0x5D;
constexpr uint8_t kIf = 0x60;
} // namespace token

// What the lister remembers within a line, so that digits and spaces come out as typed.
struct LineState {
    bool noNumber = false; // inside REM or a string: digits are characters
    int afterChar = 1;     // a digit right after a character continues a name
    bool spaceDue = false; // a colon owes the next statement a space
    bool afterIf = false;  // the previous token was IF

    void startLine() {
        noNumber = false;
        spaceDue = false;
    }

    void token(std::string& out, uint8_t b) {
        afterChar = 0;
        if (b == token::kIf) {
            afterIf = true;
            afterChar = 1;
        }
        if (b == token::kRem || b == token::kOpenQuote) noNumber = true;
        if (b == token::kCloseQuote) noNumber = false;
        if (b == token::kColon) {
            noNumber = false;
            spaceDue = true;
            afterChar = 1;
        } else if (spaceDue) {
            out.push_back(' ');
            spaceDue = false;
        }
        if ((b == token::kLen || b == token::kPeek) && !afterIf) out.push_back(' ');
        if (b != token::kIf) afterIf = false;
        out.append(kIntegerTokens[b]);
    }
};

// Line numbers are right-aligned in five columns.
void appendLineNumber(std::string& out, uint16_t number) {
    int digits = number >= 10000  ? 5
                 : number >= 1000 ? 4
                 : number >= 100  ? 3
                 : number >= 10   ? 2
                                  : 1;
    out.append(size_t(5 - digits), ' ');
    appendDecimal(out, number);
}

bool isConstantMarker(uint8_t b) {
    return b >= 0xB0 && b <= 0xB9;
}

} // namespace

std::string listInteger(Bytes data, uint32_t startOffset, uint32_t /*baseAddress*/,
                        Outcome& outcome) {
    std::string out;
    int64_t length = startOffset == 2 ? le16At(data, 0) : int64_t(data.size());
    int64_t end = std::min<int64_t>(int64_t(startOffset) + length, int64_t(data.size()));
    out.reserve(size_t(std::max<int64_t>(end, 0)) * 2);
    LineState state;
    int64_t pos = startOffset;
    while (pos + 3 <= end) {
        int64_t lineLength = data[size_t(pos)];
        appendLineNumber(out, le16At(data, size_t(pos) + 1));
        pos += 3;
        out.push_back(' ');
        state.startLine();
        int64_t j = 0;
        for (; j < lineLength - 3; ++j) {
            if (pos + j >= end) {
                out.push_back('\n');
                outcome.beep();
                return out;
            }
            uint8_t b = data[size_t(pos + j)];
            if (b < 0x80) {
                state.token(out, b);
                continue;
            }
            state.spaceDue = false;
            state.afterIf = false;
            if (isConstantMarker(b) && !state.noNumber && state.afterChar == 0) {
                appendDecimal(out, le16At(data, size_t(pos + j) + 1));
                j += 2;
                continue;
            }
            uint8_t c = b - 0x80;
            if (c >= 0x20) out.push_back(char(c));
            ++state.afterChar;
        }
        pos += j;
        out.push_back('\n');
        state.afterChar = 1;
    }
    return out;
}

} // namespace lk
