#include "base/bytes.h"
#include "graphics/picture_file.h"

namespace lk {

namespace {

constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint16_t kBitsPerPixel = 24;

// A 24-bit row padded to a whole number of 32-bit words.
uint32_t paddedRowBytes(int width) {
    return (uint32_t(width) * kBitsPerPixel + 31) / 32 * 4;
}

} // namespace

std::vector<uint8_t> bmpFileBytes(const Picture& picture) {
    uint32_t rowBytes = paddedRowBytes(picture.width);
    uint32_t imageSize = rowBytes * uint32_t(picture.height);
    std::vector<uint8_t> out(kBmpHeaderSize + imageSize, 0);
    uint8_t* h = out.data();
    // The file header.
    h[0] = 'B';
    h[1] = 'M';
    putLe32(h + 2, uint32_t(kBmpHeaderSize) + imageSize);
    putLe32(h + 10, uint32_t(kBmpHeaderSize));
    // The information header; compression, resolutions and colour counts stay 0.
    putLe32(h + 14, kInfoHeaderSize);
    putLe32(h + 18, uint32_t(picture.width));
    putLe32(h + 22, uint32_t(picture.height)); // positive: the rows go bottom-up
    putLe16(h + 26, 1);
    putLe16(h + 28, kBitsPerPixel);
    putLe32(h + 34, imageSize);
    for (int y = 0; y < picture.height; ++y) {
        uint8_t* p = h + kBmpHeaderSize + size_t(picture.height - 1 - y) * rowBytes;
        for (int x = 0; x < picture.width; ++x, p += 3) {
            uint32_t rgb = picture.at(x, y);
            p[0] = uint8_t(rgb);
            p[1] = uint8_t(rgb >> 8);
            p[2] = uint8_t(rgb >> 16);
        }
    }
    return out;
}

} // namespace lk
