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
uint32_t dot(const Picture& p, int x, int y) {
    EXPECT_EQ(p.at(2 * x + 1, 2 * y + 1), p.at(2 * x, 2 * y)) << x;
    return p.at(2 * x, 2 * y);
}

size_t count(const Picture& p, uint32_t colour) {
    return size_t(std::count(p.pixels.begin(), p.pixels.end(), colour));
}

TEST(HiRes, ArtefactColoursAtByteAndPairBoundaries) {
    struct Case {
        uint8_t b0, b1; // columns 0 and 1 of row 0
        int dot;
        uint32_t colour;
    } cases[] = {
        {0x01, 0x00, 0, kViolet},
        {0x01, 0x00, 1, kViolet},
        {0x01, 0x00, 2, kBlack},
        {0x81, 0x00, 1, kBlue},
        {0x02, 0x00, 0, kGreen},
        {0x82, 0x00, 1, kOrange},
        {0x03, 0x00, 0, kWhite},
        {0x55, 0x2A, 7, kViolet},
        {0x55, 0x2A, 14, kBlack},
        {0xD5, 0xAA, 6, kBlue},
        {0xD5, 0xAA, 9, kBlue},
        // Dots 6 and 7 pair across two bytes: a lone left dot is blue only when both palette
        // bits are set; a lone right dot takes each byte's own palette bit.
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
        EXPECT_EQ(dot(decodeHiRes(Bytes(screen)), c.dot, 0), c.colour)
            << int(c.b0) << " " << int(c.b1) << " dot " << c.dot;
    }
    EXPECT_EQ(count(decodeHiRes(Bytes(std::vector<uint8_t>(8192, 0x7F))), kWhite), 560u * 384);
}

TEST(HiRes, AShortScreenShowsTheRowsItCoversAndADos33FileItsData) {
    // Row y lies at (y mod 8) x $400 and on: rows 0-3 of every eight are in the first 4 KB.
    Picture half = decodeHiRes(Bytes(std::vector<uint8_t>(4096, 0x7F)));
    for (int y : {0, 3, 187}) EXPECT_EQ(dot(half, 100, y), kWhite) << y;
    for (int y : {4, 191}) EXPECT_EQ(dot(half, 100, y), kBlack) << y;
    // The dots of a missing byte are black, even the right one of a pair across bytes.
    Picture one = decodeHiRes(Bytes(std::vector<uint8_t>(1, 0x40)));
    EXPECT_EQ(dot(one, 6, 0), kViolet);
    EXPECT_EQ(dot(one, 7, 0), kBlack);
    // A DOS 3.3 binary file starts after its address and length words and is as long as the
    // length word says, but never longer than the file: $800 bytes hold rows 0 and 1 of every
    // eight.
    std::vector<uint8_t> file(0x804, 0x7F);
    putLe16(file.data(), 0x2000);
    putLe16(file.data() + 2, 0xFFFF);
    ViewRequest r{true, 0x06, 0, Bytes(file)};
    Outcome out;
    std::optional<Picture> p = viewFile(r, Settings(), out).picture;
    ASSERT_TRUE(p);
    EXPECT_EQ(count(*p, kWhite), 48u * 2 * 560);
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
    EXPECT_EQ(count(decodeDoubleHiRes(Bytes(std::vector<uint8_t>(16384, 0x7F))), kWhite),
              560u * 384);
}

// Line 0 in 640 or 320 mode, of bytes `pixels`, with palette 0's entry `entry` set.
Picture superHiResLine(bool mode640, uint8_t pixels, int entry, uint16_t colour) {
    std::vector<uint8_t> s(32768, 0);
    std::fill_n(s.begin(), 160, pixels);
    s[0x7D00] = mode640 ? 0x80 : 0x00;
    putLe16(s.data() + 0x7E00 + 2 * entry, colour);
    putLe16(s.data() + 0x7E02, 0x0789);
    return decodeSuperHiRes(Bytes(s));
}

TEST(SuperHiRes, LinesInTheirModesAndPalettes) {
    Picture red = superHiResLine(false, 0x33, 3, 0x0F00);
    for (int x : {0, 639}) EXPECT_EQ(red.at(x, 1), 0xF00000u) << x;
    EXPECT_EQ(red.at(0, 2), kBlack);
    // $0FFF is $F0F0F0, drawn white in 320 mode only.
    EXPECT_EQ(superHiResLine(false, 0x22, 2, 0x0FFF).at(5, 0), kWhite);
    EXPECT_EQ(superHiResLine(true, 0xAA, 2, 0x0FFF).at(5, 0), 0xF0F0F0u);
    // 640 mode: $E4 shows entries 3, 2, 1, 0, one column each.
    Picture p = superHiResLine(true, 0xE4, 3, 0x0123);
    EXPECT_EQ(std::vector<uint32_t>(p.pixels.begin(), p.pixels.begin() + 4),
              (std::vector<uint32_t>{0x102030, kBlack, 0x708090, kBlack}));
    // A short screen reads as if zero bytes followed: black, never past its end.
    EXPECT_EQ(count(decodeSuperHiRes(Bytes(std::vector<uint8_t>(100, 0x11))), kBlack), 640u * 400);
}

TEST(PackBytes, RunKindsAndStreamEnds) {
    std::vector<uint8_t> full;
    for (int i = 0; i < 8192; ++i) full.insert(full.end(), {0xC0, 0x00});
    std::vector<uint8_t> overflow(full.begin(), full.end() - 2); // 32764 bytes, then 8 more
    overflow.insert(overflow.end(), {0xC1, 0x07});
    full.push_back(0x00); // a byte left once the screen is full
    struct Case {
        std::vector<uint8_t> stream;
        int status;
        std::vector<uint8_t> start;
    } cases[] = {
        {{0x02, 'a', 'b', 'c'}, -1, {'a', 'b', 'c', 0}},
        {{0x41, 'x', 0x00, 'y'}, -1, {'x', 'x', 'y', 0}},
        {{0x81, 1, 2, 3, 4}, -1, {1, 2, 3, 4, 1, 2, 3, 4, 0}},
        {{0xC1, 7}, -1, {7, 7, 7, 7, 7, 7, 7, 7, 0}},
        // Runs cut short by the stream's end take what is there and no more.
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
}

using test::IconSpec;

std::vector<std::string> texts(const Outcome& out) {
    std::vector<std::string> t;
    for (const Message& m : out.messages) t.push_back(messageText(m));
    return t;
}

TEST(IconFile, SheetLayoutColoursAndEdges) {
    // Seven icons 32 wide (16 bytes a line) and 3 lines high; then one 1000 wide (500 bytes a
    // line) and 400 high, cut at the sheet's right and bottom edges.
    std::vector<IconSpec> icons(7, IconSpec{32, 3, std::vector<uint8_t>(48, 0x00)});
    icons[0].image[0] = 0x1B;
    icons.push_back(IconSpec{1000, 400, std::vector<uint8_t>(500 * 400, 0)});
    Outcome out;
    std::optional<Picture> sheet = decodeIconFile(Bytes(test::iconFile(icons)), out);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(std::vector<uint32_t>(sheet->pixels.begin() + 20 * 640 + 19,
                                    sheet->pixels.begin() + 20 * 640 + 24),
              (std::vector<uint32_t>{kWhite, kBlack, 0x0000FF, 0x00EF00, kWhite}));
    EXPECT_EQ(sheet->at(21, 21), 0x0000FFu); // each line two rows high
    // x advances by 20 + 2 x 32 = 84: 20, 104, ..., 440; the seventh (x = 524) opens row two,
    // 2 x 3 + 40 rows further down at y = 66.
    for (int x : {104, 440}) EXPECT_EQ(sheet->at(x, 25), kBlack) << x;
    EXPECT_EQ(sheet->at(524, 20), kWhite);
    EXPECT_EQ(sheet->at(20, 66), kBlack);
    EXPECT_EQ(sheet->at(20, 72), kWhite);
    // The wide icon starts at x = 104 of that row and nothing wraps into the rows below.
    EXPECT_EQ(sheet->at(639, 72), kBlack);
    EXPECT_EQ(sheet->at(0, 73), kWhite);
    EXPECT_EQ(sheet->at(104, 689), kBlack);
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

} // namespace
} // namespace lk
