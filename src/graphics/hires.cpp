#include <algorithm>
#include <array>

#include "graphics/hires.h"

namespace lk {

namespace {

constexpr uint32_t kViolet = 0xD020D0;
constexpr uint32_t kGreen = 0x00D000;
constexpr uint32_t kBlue = 0x2020F0;
constexpr uint32_t kOrange = 0xF06000;

constexpr int kDotsPerByte = 7;
constexpr int kRowDots = kScreenRowBytes * kDotsPerByte;
constexpr int kPairs = kRowDots / 2;

// Dots are coloured in pairs counted from the left edge of the row, so a pair can straddle two
// bytes (dot 6 of an even byte and dot 0 of the next). Where each dot of a pair lies:
struct PairPlace {
    uint8_t leftByte, leftBit, rightByte, rightBit;
};
constexpr std::array<PairPlace, kPairs> kPairPlaces = [] {
    std::array<PairPlace, kPairs> places{};
    for (int j = 0; j < kPairs; ++j)
        places[size_t(j)] = {uint8_t(2 * j / kDotsPerByte), uint8_t(2 * j % kDotsPerByte),
                             uint8_t((2 * j + 1) / kDotsPerByte),
                             uint8_t((2 * j + 1) % kDotsPerByte)};
    return places;
}();

// The colours of a pair's two dots by its left dot, right dot, and the palette bits of the
// bytes that hold them (bits 0 to 3 of the index). A lone left dot is violet, or blue when its
// palette bit is set (for a pair across two bytes, only when both are), and the right dot
// takes its colour; a lone right dot is green or orange by the palette bit of each dot's own
// byte. Within one byte both palette bits are the same.
struct PairColours {
    uint32_t left, right;
};
constexpr std::array<PairColours, 16> kPairColours = [] {
    std::array<PairColours, 16> c{};
    for (unsigned i = 0; i < 16; ++i) {
        bool l = i & 1, r = i & 2, pl = i & 4, pr = i & 8;
        if (l && r) {
            c[i] = {kWhite, kWhite};
        } else if (l) {
            uint32_t v = pl && pr ? kBlue : kViolet;
            c[i] = {v, v};
        } else if (r) {
            c[i] = {pl ? kOrange : kGreen, pr ? kOrange : kGreen};
        } else {
            c[i] = {kBlack, kBlack};
        }
    }
    return c;
}();

// Draws screen row y as picture row 2y, each dot two pixels wide.
void drawRow(Bytes screen, int y, uint32_t* row) {
    std::array<uint8_t, kScreenRowBytes> bytes{};
    size_t start = hiresRowOffset(y);
    size_t held =
        start < screen.size() ? std::min<size_t>(screen.size() - start, kScreenRowBytes) : 0;
    if (held > 0) std::copy_n(screen.data() + start, held, bytes.begin());
    for (int j = 0; j < kPairs; ++j) {
        const PairPlace& p = kPairPlaces[size_t(j)];
        uint8_t lb = bytes[p.leftByte], rb = bytes[p.rightByte];
        unsigned index = ((lb >> p.leftBit) & 1) | ((rb >> p.rightBit) & 1) << 1 | (lb >> 7) << 2 |
                         (rb >> 7) << 3;
        const PairColours& c = kPairColours[index];
        uint32_t* out = row + 4 * j;
        out[0] = out[1] = c.left;
        out[2] = out[3] = c.right;
    }
    // A byte beyond the data shows black whatever its neighbour holds.
    std::fill(row + 2 * kDotsPerByte * held, row + 2 * kRowDots, kBlack);
}

} // namespace

Picture decodeHiRes(Bytes screen) {
    Picture picture(kHiResPictureWidth, kHiResPictureHeight);
    for (int y = 0; y < kScreenRows; ++y) {
        drawRow(screen, y, picture.pixels.data() + size_t(2 * y) * size_t(picture.width));
        picture.repeatRow(2 * y);
    }
    return picture;
}

} // namespace lk
