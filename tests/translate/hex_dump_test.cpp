#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "translate/hex_dump.h"

namespace lk {
namespace {

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

TEST(HexDump, EmptyRangeIsTheHeaderAndOneLineFeed) {
    std::vector<uint8_t> none;
    EXPECT_EQ(hexDump(Bytes(none), 0, 0, true), kHeader + "\n");
    EXPECT_EQ(hexDump(Bytes(none), 0, 0, false), "\n");
    std::vector<uint8_t> some = counting(8);
    EXPECT_EQ(hexDump(Bytes(some), 5, 5, false), "\n") << "start at end";
    EXPECT_EQ(hexDump(Bytes(some), 1000, 0, false), hexDump(Bytes(some), 8, 0, false));
}

// A short last row is padded so its characters line up; a full one is not.
TEST(HexDump, SeventeenBytesMakeAFullRowAndAPaddedOne) {
    std::vector<uint8_t> d = counting(17, 0x41);
    const std::string fullRow =
        " 000000   41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50   ABCDEFGHIJKLMNOP\n";
    EXPECT_EQ(hexDump(Bytes(d), 17, 0, true),
              kHeader + "\n" + fullRow + " 000010   51 " + times(15, kPad) + "  Q\n");
    EXPECT_EQ(hexDump(Bytes(d), 16, 0, false), "\n" + fullRow);
}

TEST(HexDump, RowsAreLabelledByTheirIndexIntoTheData) {
    // Rows fall on multiples of 16; a dump from index 5 starts with a short row labelled 5.
    std::vector<uint8_t> d(40, 0x2E);
    EXPECT_EQ(hexDump(Bytes(d), 40, 5, false),
              "\n 000005   " + times(11, "2E ") + "  " + times(11, ".") + "\n 000010   " +
                  times(16, "2E ") + "  " + times(16, ".") + "\n 000020   " + times(8, "2E ") +
                  times(8, kPad) + "  " + times(8, ".") + "\n");
}

TEST(HexDump, AsciiColumnClearsBitSevenAndBlanksControls) {
    struct Case {
        uint8_t byte;
        char shown;
    } cases[] = {{0x00, ' '},    {0x1F, ' '}, {0x20, ' '}, {0x41, 'A'},
                 {0x7F, '\x7F'}, {0x80, ' '}, {0x8D, ' '}, {0x9F, ' '},
                 {0xA0, ' '},    {0xC1, 'A'}, {0xFE, '~'}, {0xFF, '\x7F'}};
    for (const Case& c : cases) {
        std::vector<uint8_t> d = {c.byte};
        std::string text = hexDump(Bytes(d), 1, 0, false);
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text[text.size() - 2], c.shown) << int(c.byte);
    }
}

} // namespace
} // namespace lk
