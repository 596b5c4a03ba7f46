#include <array>

#include "graphics/super_hires.h"

namespace lk {

namespace {

constexpr int kLines = 200;
constexpr size_t kLineBytes = 160;
constexpr size_t kControlBytes = 0x7D00;
constexpr size_t kPalettes = 0x7E00;
constexpr uint8_t kMode640 = 0x80;
constexpr uint32_t kNearWhite = 0xF0F0F0;

using Palette = std::array<uint32_t, 16>;

// A colour word $0RGB: each four-bit component c becomes the eight-bit value c x 16.
Palette readPalette(const uint8_t* screen, unsigned number, bool mode320) {
    Palette p;
    for (size_t i = 0; i < p.size(); ++i) {
        uint16_t w = le16(screen + kPalettes + number * 32 + i * 2);
        uint32_t rgb =
            uint32_t((w >> 8) & 15) << 20 | uint32_t((w >> 4) & 15) << 12 | uint32_t(w & 15) << 4;
        // The brightest grey shows as white in 320 mode.
        p[i] = mode320 && rgb == kNearWhite ? kWhite : rgb;
    }
    return p;
}

// In 640 mode each byte is four pixels of two bits, one picture column each; in 320 mode two
// pixels of four bits, the high nibble first, two columns each.
void decodeLine(const uint8_t* line, const Palette& p, bool mode640, uint32_t* row) {
    for (size_t x = 0; x < kLineBytes; ++x, row += 4) {
        uint8_t b = line[x];
        if (mode640) {
            row[0] = p[(b >> 6) & 3];
            row[1] = p[(b >> 4) & 3];
            row[2] = p[(b >> 2) & 3];
            row[3] = p[b & 3];
        } else {
            row[0] = row[1] = p[b >> 4];
            row[2] = row[3] = p[b & 15];
        }
    }
}

} // namespace

Picture decodeSuperHiRes(Bytes screen) {
    std::vector<uint8_t> padded;
    if (screen.size() < kSuperHiResScreenSize) {
        padded.assign(kSuperHiResScreenSize, 0);
        std::copy(screen.begin(), screen.end(), padded.begin());
        screen = Bytes(padded);
    }
    const uint8_t* s = screen.data();
    Picture picture(kSuperHiResPictureWidth, kSuperHiResPictureHeight);
    for (int y = 0; y < kLines; ++y) {
        uint8_t control = s[kControlBytes + size_t(y)];
        bool mode640 = control & kMode640;
        Palette p = readPalette(s, control & 15, !mode640);
        uint32_t* row = picture.pixels.data() + size_t(2 * y) * size_t(picture.width);
        decodeLine(s + size_t(y) * kLineBytes, p, mode640, row);
        picture.repeatRow(2 * y);
    }
    return picture;
}

std::optional<Picture> decodePackedSuperHiRes(Bytes stream, Outcome& outcome) {
    Unpacked unpacked = unpackBytes(stream);
    if (unpacked.status == kUnpackOverflow) {
        outcome.add(MessageId::PackedPictureError, unpacked.status);
        return std::nullopt;
    }
    return decodeSuperHiRes(Bytes(unpacked.screen));
}

} // namespace lk
