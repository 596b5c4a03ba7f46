#include "graphics/hires.h"

namespace lk {

namespace {

// The sixteen colours of Double HiRes, by the four bits of a pixel.
constexpr uint32_t kDoubleHiResColours[16] = {
    0x000000, 0x000090, 0x007020, 0x2020F0, 0x805010, 0xA0A0A0, 0x00D000, 0x40F090,
    0xD00030, 0xD020D0, 0x505050, 0x60A0F0, 0xF06000, 0xF09080, 0xF0F000, 0xFFFFFF,
};

constexpr int kGroupPixels = 7;
constexpr int kPixelWidth = 4; // a colour pixel is four picture pixels wide

} // namespace

Picture decodeDoubleHiRes(Bytes screen) {
    Picture picture(kHiResPictureWidth, kHiResPictureHeight);
    for (int y = 0; y < kScreenRows; ++y) {
        size_t aux = hiresRowOffset(y);
        size_t main = aux + kHiResBankSize;
        uint32_t* row = picture.pixels.data() + size_t(2 * y) * size_t(picture.width);
        // Four bytes, auxiliary and main in turn, give 28 bits: seven pixels of four bits,
        // each the lowest bit first. Bit 7 of each byte is not shown.
        for (int c = 0; c < kScreenRowBytes; c += 2) {
            uint32_t bits = uint32_t(byteAt(screen, aux + size_t(c)) & 0x7F) |
                            uint32_t(byteAt(screen, main + size_t(c)) & 0x7F) << 7 |
                            uint32_t(byteAt(screen, aux + size_t(c) + 1) & 0x7F) << 14 |
                            uint32_t(byteAt(screen, main + size_t(c) + 1) & 0x7F) << 21;
            for (int k = 0; k < kGroupPixels; ++k) {
                uint32_t rgb = kDoubleHiResColours[(bits >> (4 * k)) & 15];
                uint32_t* p = row + (c / 2 * kGroupPixels + k) * kPixelWidth;
                p[0] = p[1] = p[2] = p[3] = rgb;
            }
        }
        picture.repeatRow(2 * y);
    }
    return picture;
}

} // namespace lk
