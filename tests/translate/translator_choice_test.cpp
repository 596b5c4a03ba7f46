// What View shows: the translator chosen for a file, and the text forms every view falls back
// on (the hex dump, text with or without bit 7, raw text).
#include <gtest/gtest.h>

#include <numeric>
#include <sstream>

#include "basic_builder.h"
#include "dos33/dos_entry.h"
#include "settings/setting_keys.h"
#include "translate/hex_dump.h"
#include "translate/text.h"
#include "translate/translator_choice.h"

namespace lk {
namespace {

using A = ViewAction;

// The defaults with the changes written as "KEY=VALUE KEY=VALUE".
Settings settingsWith(const std::string& changes) {
    Settings s;
    std::istringstream in(changes);
    for (std::string kv; in >> kv;) {
        size_t eq = kv.find('=');
        setSettingText(s, *findSetting("Translate", kv.substr(0, eq)), kv.substr(eq + 1));
    }
    return s;
}

ViewRequest request(uint8_t type, const std::vector<uint8_t>& data, bool dos33 = false) {
    ViewRequest r;
    r.dos33 = dos33;
    r.fileType = type;
    r.data = Bytes(data);
    return r;
}

ViewResult run(const ViewRequest& r, const Settings& s = Settings()) {
    Outcome outcome;
    return viewFile(r, s, outcome);
}

// The edges of the choice: a "FALSE" turns a translator off, except that the double hires,
// packed picture and DEFTRANS2 switches need "TRUE" to be on; double hires goes by size; Shift
// gives the fallback whatever the type.
TEST(TranslatorChoice, SwitchesAndSizesDecide) {
    struct Case {
        const char* name;
        uint8_t type;
        uint16_t aux;
        size_t length;
        const char* settings;
        ViewAction action;
        bool shift = false;
    } cases[] = {
        {"text: only FALSE is off", 0x04, 0, 10, "TXT=false", A::Text},
        {"double hires size", 0x06, 0, 16376, "", A::DoubleHiRes},
        {"below double hires size", 0x06, 0, 16375, "", A::HiRes},
        {"double hires: only TRUE is on", 0x06, 0, 16384, "DHR=true", A::HiRes},
        {"packed: only TRUE is on", 0xC0, 0x0001, 10, "SHRC00001=true", A::HexDump},
        {"no translator, raw text", 0x00, 0, 10, "DEFTRANS2=true", A::RawText},
        {"Shift, raw text", 0xFC, 0, 10, "DEFTRANS2=FALSE", A::RawText, true},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> data(c.length);
        ViewRequest r = request(c.type, data);
        r.auxType = c.aux;
        r.shiftHeld = c.shift;
        EXPECT_EQ(chooseTranslator(r, settingsWith(c.settings)).action, c.action) << c.name;
    }
}

// A DOS 3.3 file begins with its length word; its type letter stands for a ProDOS type. Its
// text ends at the first zero once bit 7 is cleared; a binary file without pictures shows as
// raw text as far as its length word says, but no further than the file.
TEST(TranslatorChoice, DosFilesAreShownByTheirTypeLetter) {
    std::vector<uint8_t> program = test::withLengthWord(test::applesoftProgram({{10, {'A'}}}));
    program.resize(512, 0);
    std::vector<uint8_t> text = {0xC8, 0xC9, 0x8D, 0x80, 0xC1},
                         binary = {0, 0x20, 3, 0, 'A', 0, 'B', 'C'};
    std::vector<uint8_t> longBinary = binary;
    longBinary[2] = 0xFF;
    Settings noPictures = settingsWith("HGR=FALSE DHR=FALSE");
    struct Case {
        uint8_t dosType;
        const std::vector<uint8_t>& data;
        std::string shown;
    } cases[] = {
        {kDosApplesoft, program, "10 A\n"},
        {kDosText, text, "HI\n"},
        {kDosBinary, binary, std::string(" \x20\x03", 3)},
        {kDosBinary, longBinary, std::string(" \x20\xFF A BC", 8)},
        {3, text, hexDump(Bytes(text), text.size(), 0, true)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(request(prodosTypeForDos(c.dosType), c.data, true), noPictures).text, c.shown)
            << int(c.dosType);
}

const std::string kHeader =
    "   $      00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F        ASCII \n";
const std::string kPad = "   ";

std::vector<uint8_t> counting(size_t n, uint8_t first = 0) {
    std::vector<uint8_t> v(n);
    std::iota(v.begin(), v.end(), first);
    return v;
}

std::string times(int n, const std::string& s) {
    std::string out;
    while (n-- > 0) out += s;
    return out;
}

TEST(HexDump, AnEmptyRangeIsTheHeaderAndOneLineFeedSeventeenBytesTwoRows) {
    std::vector<uint8_t> none;
    EXPECT_EQ(hexDump(Bytes(none), 0, 0, true), kHeader + "\n");
    EXPECT_EQ(hexDump(Bytes(none), 0, 0, false), "\n");
    std::vector<uint8_t> some = counting(8);
    EXPECT_EQ(hexDump(Bytes(some), 5, 5, false), "\n") << "start at end";
    EXPECT_EQ(hexDump(Bytes(some), 1000, 0, false), hexDump(Bytes(some), 8, 0, false));
    // A short last row is padded so its characters line up; a full one is not.
    std::vector<uint8_t> d = counting(17, 0x41);
    const std::string fullRow =
        " 000000   41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50   ABCDEFGHIJKLMNOP\n";
    EXPECT_EQ(hexDump(Bytes(d), 17, 0, true),
              kHeader + "\n" + fullRow + " 000010   51 " + times(15, kPad) + "  Q\n");
    EXPECT_EQ(hexDump(Bytes(d), 16, 0, false), "\n" + fullRow);
}

// Rows fall on multiples of 16, a dump from index 5 starting with a short row labelled 5; the
// text column clears bit 7 and blanks control characters.
TEST(HexDump, RowsAreLabelledByTheirIndexAndTheTextColumnClearsBitSeven) {
    std::vector<uint8_t> d(40, 0x2E);
    EXPECT_EQ(hexDump(Bytes(d), 40, 5, false),
              "\n 000005   " + times(11, "2E ") + "  " + times(11, ".") + "\n 000010   " +
                  times(16, "2E ") + "  " + times(16, ".") + "\n 000020   " + times(8, "2E ") +
                  times(8, kPad) + "  " + times(8, ".") + "\n");
    struct Case {
        uint8_t byte;
        char shown;
    } cases[] = {{0x1F, ' '}, {0x20, ' '}, {0x7F, '\x7F'}, {0x9F, ' '}, {0xA0, ' '}, {0xC1, 'A'}};
    for (const Case& c : cases) {
        std::vector<uint8_t> d = {c.byte};
        std::string text = hexDump(Bytes(d), 1, 0, false);
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text[text.size() - 2], c.shown) << int(c.byte);
    }
}

// Each text mode maps every class of byte, keeping every position (a DOS 3.3 zero once bit 7 is
// cleared included); raw text turns zero bytes into spaces.
TEST(TranslateText, EachModeMapsEveryByteClass) {
    struct Case {
        uint8_t byte;
        char dos;
        char prodos;
    } cases[] = {
        {0x00, ' ', ' '},    {0x08, ' ', '\x08'}, {0x09, ' ', '\t'},   {0x0A, ' ', ' '},
        {0x0D, ' ', '\n'},   {0x41, ' ', 'A'},    {0x7F, ' ', '\x7F'}, {0x80, '\0', ' '},
        {0x87, '\x07', ' '}, {0x8D, '\n', ' '},   {0xC1, 'A', ' '},    {0xFF, '\x7F', ' '},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> in = {c.byte};
        EXPECT_EQ(translateText(kDos33TextMode, Bytes(in)), std::string(1, c.dos)) << int(c.byte);
        EXPECT_EQ(translateText(1, Bytes(in)), std::string(1, c.prodos)) << int(c.byte);
    }
    std::vector<uint8_t> dos = {0xC8, 0xC9, 0x8D, 0x80, 0xC1};
    EXPECT_EQ(translateText(kDos33TextMode, Bytes(dos)), std::string("HI\n\0A", 5));
    EXPECT_EQ(translateText(0, Bytes()), "");
    std::vector<uint8_t> raw = {0x00, 'A', 0x0D, 0xC1, 0x00};
    EXPECT_EQ(rawText(Bytes(raw)), std::string(" A\r\xC1 "));
}

} // namespace
} // namespace lk
