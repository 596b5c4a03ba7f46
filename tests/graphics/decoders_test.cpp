// The picture decoders against pixels worked out by hand from a few bytes each.
#include <gtest/gtest.h>

#include "graphics/hires.h"
#include "graphics/icon_file.h"
#include "graphics/super_hires.h"
#include "picture_disks.h"
#include "translate/translator_choice.h"

namespace lk {
namespace {

constexpr uint32_t kViolet = 0xD020D0, kGreen = 0x00D000, kBlue = 0x2020F0, kOrange = 0xF06000;

// The colour of HiRes dot x of screen row y: a 2 x 2 block of the picture.
uint32_t hiresDot(const Picture& p, int x, int y) {
    uint32_t c = p.at(2 * x, 2 * y);
    EXPECT_EQ(p.at(2 * x + 1, 2 * y + 1), c) << x;
    return c;
}

TEST(HiRes, ArtefactColoursAtByteAndPairBoundaries) {
    struct Case {
        uint8_t b0, b1; // columns 0 and 1 of row 0
        int dot;        // 0-13
        uint32_t colour;
    } cases[] = {
        {0x01, 0x00, 0, kViolet},
        {0x01, 0x00, 1, kViolet},
        {0x01, 0x00, 2, kBlack},
        {0x81, 0x00, 1, kBlue},
        {0x02, 0x00, 0, kGreen},
        {0x82, 0x00, 1, kOrange},
        {0x03, 0x00, 0, kWhite},
        {0x55, 0x2A, 6, kViolet},
        {0x55, 0x2A, 7, kViolet},
        {0x55, 0x2A, 14, kBlack},
        {0xD5, 0xAA, 6, kBlue},
        {0xD5, 0xAA, 9, kBlue},
        // A pair across bytes 0 and 1: a lone left dot is blue only when both palette bits are
        // set; a lone right dot takes each byte's own palette bit.
        {0xC0, 0x00, 6, kViolet},
        {0xC0, 0x00, 7, kViolet},
        {0xC0, 0x80, 7, kBlue},
        {0x00, 0x81, 6, kGreen},
        {0x00, 0x81, 7, kOrange},
        {0x80, 0x01, 6, kOrange},
        {0x80, 0x01, 7, kGreen},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> screen(8192, 0);
        screen[0] = c.b0;
        screen[1] = c.b1;
        EXPECT_EQ(hiresDot(decodeHiRes(Bytes(screen)), c.dot, 0), c.colour)
            << int(c.b0) << " " << int(c.b1) << " dot " << c.dot;
    }
    std::vector<uint8_t> white(8192, 0x7F);
    Picture p = decodeHiRes(Bytes(white));
    EXPECT_EQ(p.width, 560);
    EXPECT_EQ(p.height, 384);
    EXPECT_EQ(std::count(p.pixels.begin(), p.pixels.end(), kWhite), 560 * 384);
}

TEST(HiRes, AShortScreenShowsTheRowsItCovers) {
    std::vector<uint8_t> half(4096, 0x7F);
    Picture p = decodeHiRes(Bytes(half));
    // Row y lies at (y mod 8) x $400 and on: rows 0-3 of every eight are in the first 4 KB.
    for (int y : {0, 3, 8, 187}) EXPECT_EQ(hiresDot(p, 100, y), kWhite) << y;
    for (int y : {4, 7, 191}) EXPECT_EQ(hiresDot(p, 100, y), kBlack) << y;
    // A row cut after its first byte: the dots of the missing byte are black.
    std::vector<uint8_t> one(1, 0x40);
    Picture q = decodeHiRes(Bytes(one));
    EXPECT_EQ(hiresDot(q, 6, 0), kViolet);
    EXPECT_EQ(hiresDot(q, 7, 0), kBlack);
}

TEST(DoubleHiRes, SevenPixelsOfFourBitsFromFourBytes) {
    struct Case {
        size_t offset; // aux[0] = 0, main[0] = $2000, aux[1] = 1, main[1] = $2001
        uint8_t value;
        int pixel;
        uint32_t colour;
    } cases[] = {
        {0, 0x01, 0, 0x000090},    {0, 0x01, 1, kBlack},        {0x2000, 0x01, 1, 0xD00030},
        {0x2000, 0x80, 1, kBlack}, {0x2000, 0x40, 3, 0x007020}, {1, 0x01, 3, 0x805010},
        {1, 0x40, 5, 0x000090},    {0x2001, 0x78, 6, kWhite},   {0x2001, 0x07, 5, 0xF0F000},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> screen(16384, 0);
        screen[c.offset] = c.value;
        Picture p = decodeDoubleHiRes(Bytes(screen));
        // A pixel is a block 4 wide and 2 high.
        EXPECT_EQ(p.at(4 * c.pixel, 0), c.colour) << c.offset << " pixel " << c.pixel;
        EXPECT_EQ(p.at(4 * c.pixel + 3, 1), c.colour) << c.offset << " pixel " << c.pixel;
    }
    std::vector<uint8_t> white(16384, 0x7F);
    Picture p = decodeDoubleHiRes(Bytes(white));
    EXPECT_EQ(std::count(p.pixels.begin(), p.pixels.end(), kWhite), 560 * 384);
}

// A screen with line 0 in the given mode, palette 0 holding `colour` at entry `entry`.
std::vector<uint8_t> superHiResLine(bool mode640, uint8_t pixels, int entry, uint16_t colour) {
    std::vector<uint8_t> s(32768, 0);
    std::fill_n(s.begin(), 160, pixels);
    s[0x7D00] = mode640 ? 0x80 : 0x00;
    putLe16(s.data() + 0x7E00 + 2 * entry, colour);
    return s;
}

TEST(SuperHiRes, LinesInTheirModesAndPalettes) {
    Picture red = decodeSuperHiRes(Bytes(superHiResLine(false, 0x11, 1, 0x0F00)));
    EXPECT_EQ(red.width, 640);
    EXPECT_EQ(red.height, 400);
    for (int x : {0, 1, 320, 639}) EXPECT_EQ(red.at(x, 1), 0xF00000u) << x;
    EXPECT_EQ(red.at(0, 2), kBlack);
    // $0FFF is $F0F0F0, drawn white in 320 mode only.
    EXPECT_EQ(decodeSuperHiRes(Bytes(superHiResLine(false, 0x22, 2, 0x0FFF))).at(5, 0), kWhite);
    EXPECT_EQ(decodeSuperHiRes(Bytes(superHiResLine(true, 0xAA, 2, 0x0FFF))).at(5, 0), 0xF0F0F0u);
    // 640 mode: $E4 shows entries 3, 2, 1, 0, one column each.
    std::vector<uint8_t> s = superHiResLine(true, 0xE4, 3, 0x0123);
    putLe16(s.data() + 0x7E04, 0x0456);
    putLe16(s.data() + 0x7E02, 0x0789);
    Picture p = decodeSuperHiRes(Bytes(s));
    EXPECT_EQ(std::vector<uint32_t>(p.pixels.begin(), p.pixels.begin() + 4),
              (std::vector<uint32_t>{0x102030, 0x405060, 0x708090, kBlack}));
    // A short screen reads as if zero bytes followed: black, never past its end.
    std::vector<uint8_t> shortScreen(100, 0x11);
    Picture q = decodeSuperHiRes(Bytes(shortScreen));
    EXPECT_EQ(std::count(q.pixels.begin(), q.pixels.end(), kBlack), 640 * 400);
}

TEST(PackBytes, RunKindsAndStreamEnds) {
    std::vector<uint8_t> zeros4;
    for (int i = 0; i < 8192; ++i) zeros4.insert(zeros4.end(), {0xC0, 0x00});
    std::vector<uint8_t> full = zeros4, overflow = zeros4;
    full.push_back(0x00);                 // a byte left after the screen is full
    overflow.resize(overflow.size() - 2); // 32764 bytes, then 8 more
    overflow.insert(overflow.end(), {0xC1, 0x07});
    struct Case {
        std::vector<uint8_t> stream;
        int status;
        std::vector<uint8_t> start;
    } cases[] = {
        {{0x02, 'a', 'b', 'c'}, -1, {'a', 'b', 'c', 0}},
        {{0x41, 'x', 0x00, 'y'}, -1, {'x', 'x', 'y', 0}},
        {{0x81, 1, 2, 3, 4}, -1, {1, 2, 3, 4, 1, 2, 3, 4, 0}},
        {{0xC1, 7}, -1, {7, 7, 7, 7, 7, 7, 7, 7, 0}},
        // A literal run cut short by the stream's end copies what is there and no more.
        {{0x3F, 'a', 'b'}, -1, {'a', 'b', 0}},
        {{0x80, 1, 2}, -1, {0, 0}},
        {{}, -1, {0}},
        {full, 0, {0}},
        {overflow, -4, {0}},
    };
    for (const Case& c : cases) {
        Unpacked u = unpackBytes(Bytes(c.stream));
        EXPECT_EQ(u.status, c.status) << c.stream.size();
        ASSERT_EQ(u.screen.size(), 32768u);
        EXPECT_TRUE(std::equal(c.start.begin(), c.start.end(), u.screen.begin()))
            << c.stream.size();
    }
    Outcome out;
    EXPECT_FALSE(decodePackedSuperHiRes(Bytes(overflow), out));
    EXPECT_EQ(messageText(out.messages.at(0)), "Error # -4.");
    // A stream ending with its last run shows its picture all the same.
    std::vector<uint8_t> screen = test::superHiResBars();
    Outcome quiet;
    EXPECT_EQ(decodePackedSuperHiRes(Bytes(test::packBytes(screen)), quiet),
              decodeSuperHiRes(Bytes(screen)));
    EXPECT_TRUE(quiet.empty());
}

std::vector<std::string> texts(const Outcome& out) {
    std::vector<std::string> t;
    for (const Message& m : out.messages) t.push_back(messageText(m));
    return t;
}

using test::IconSpec;

TEST(IconFile, SheetLayoutAndColours) {
    // Seven icons 32 wide (16 bytes a line) and 3 lines high: six fit in the first row.
    std::vector<IconSpec> icons(7, IconSpec{32, 3, std::vector<uint8_t>(48, 0x00)});
    icons[0].image[0] = 0x1B;
    Outcome out;
    std::optional<Picture> sheet = decodeIconFile(Bytes(test::iconFile(icons)), out);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(sheet->width, 640);
    EXPECT_EQ(sheet->height, 690);
    EXPECT_EQ(sheet->at(19, 20), kWhite);
    EXPECT_EQ(std::vector<uint32_t>(sheet->pixels.begin() + 20 * 640 + 20,
                                    sheet->pixels.begin() + 20 * 640 + 24),
              (std::vector<uint32_t>{kBlack, 0x0000FF, 0x00EF00, kWhite}));
    EXPECT_EQ(sheet->at(21, 21), 0x0000FFu);
    // x advances by 20 + 2 x 32 = 84: 20, 104, ..., 440; the seventh (x = 524) opens row two,
    // 2 x 3 + 40 rows further down; each line is two rows high.
    for (int x : {20, 104, 440}) EXPECT_EQ(sheet->at(x, 25), kBlack) << x;
    EXPECT_EQ(sheet->at(524, 20), kWhite);
    EXPECT_EQ(sheet->at(20, 66), kBlack);
    EXPECT_EQ(sheet->at(20, 72), kWhite);
}

TEST(IconFile, RefusalsAndFilesThatEndEarly) {
    std::vector<uint8_t> one = test::iconFile({IconSpec{4, 2, {0x1B, 0x1B, 0x1B, 0x1B}}});
    std::vector<uint8_t> notIcons = one, cutImage = one, cutHeader = one, noEnd = one;
    notIcons[4] = 0;
    cutImage.resize(26 + 0x5E + 3);
    cutHeader.resize(26 + 0x50);
    noEnd.resize(noEnd.size() - 2);
    struct Case {
        std::vector<uint8_t> file;
        bool shown;
        std::vector<std::string> messages;
    } cases[] = {
        {notIcons, false, {"Unable to display icon file!"}},
        {cutImage, false, {"bufpos >= fs", "Unable to display icon file!"}},
        {cutHeader, false, {"bufpos >= fs", "Unable to display icon file!"}},
        {noEnd, true, {"ios > fs-1"}},
    };
    for (const Case& c : cases) {
        Outcome out;
        EXPECT_EQ(decodeIconFile(Bytes(c.file), out).has_value(), c.shown) << c.file.size();
        EXPECT_EQ(texts(out), c.messages) << c.file.size();
    }
}

TEST(IconFile, IconsWiderOrTallerThanTheSheetAreCutAtItsEdges) {
    // 1000 pixels wide: 500 bytes a line, of which the 155 right of x = 20 are drawn, and
    // nothing wraps into the next rows; 400 lines: the 335 from row 20 to 689 are drawn.
    std::vector<IconSpec> icons = {IconSpec{1000, 400, std::vector<uint8_t>(500 * 400, 0)}};
    Outcome out;
    std::optional<Picture> sheet = decodeIconFile(Bytes(test::iconFile(icons)), out);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->at(639, 20), kBlack);
    EXPECT_EQ(sheet->at(0, 21), kWhite);
    EXPECT_EQ(sheet->at(19, 688), kWhite);
    EXPECT_EQ(sheet->at(20, 689), kBlack);
}

// A DOS 3.3 binary file holds its picture after its load address and length words, and is as
// long as the length word says but never longer than the file.
TEST(HiRes, ADos33FileIsReadFromOffsetFourWithinItsData) {
    struct Case {
        uint16_t lengthWord;
        size_t fileSize;
        int whiteRows; // of the first eight
    } cases[] = {{0x2000, 0x2100, 8}, {0x0400, 0x2100, 1}, {0xFFFF, 0x0804, 2}};
    for (const Case& c : cases) {
        std::vector<uint8_t> file(c.fileSize, 0x7F);
        file[0] = 0x00;
        file[1] = 0x20;
        putLe16(file.data() + 2, c.lengthWord);
        ViewRequest r;
        r.dos33 = true;
        r.fileType = 0x06;
        r.data = Bytes(file);
        Outcome out;
        ViewResult result = viewFile(r, Settings(), out);
        ASSERT_TRUE(result.picture);
        int white = 0;
        for (int y = 0; y < 8; ++y) white += hiresDot(*result.picture, 0, y) == kWhite;
        EXPECT_EQ(white, c.whiteRows) << c.lengthWord;
        // The header's bytes never show: the row's first dots are white, not coloured.
        EXPECT_EQ(hiresDot(*result.picture, 13, 0), kWhite);
    }
}

} // namespace
} // namespace lk
