// The files a picture is exported to: the BMP's header and rows, and a PNG that reads back to
// the same pixels.
#include <gtest/gtest.h>
#include <png.h>

#include "base/bytes.h"
#include "graphics/picture_file.h"

namespace lk {
namespace {

// A picture whose every pixel differs: x in red, y in green, both in blue.
Picture gradient(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.pixels[size_t(y * w + x)] =
                uint32_t(x % 256) << 16 | uint32_t(y % 256) << 8 | uint32_t((x + y) % 256);
    return p;
}

TEST(BmpFile, HeaderFieldsAndPaddedBottomUpRows) {
    struct Case {
        int width, height;
        uint32_t imageSize;
    } cases[] = {
        {560, 384, 645120}, // HiRes and Double HiRes
        {640, 400, 768000}, // Super HiRes
        {640, 690, 1324800},
        {3, 2, 24}, // rows of 9 bytes padded to 12
    };
    for (const Case& c : cases) {
        Picture p = gradient(c.width, c.height);
        std::vector<uint8_t> bmp = bmpFileBytes(p);
        Bytes b(bmp);
        ASSERT_EQ(bmp.size(), 54 + c.imageSize) << c.width;
        EXPECT_EQ(le16At(b, 0), 0x4D42);
        EXPECT_EQ(le32At(b, 2), 54 + c.imageSize);
        EXPECT_EQ(le32At(b, 6), 0u);
        EXPECT_EQ(le32At(b, 10), 54u);
        EXPECT_EQ(le32At(b, 14), 40u);
        EXPECT_EQ(le32At(b, 18), uint32_t(c.width));
        EXPECT_EQ(le32At(b, 22), uint32_t(c.height));
        EXPECT_EQ(le16At(b, 26), 1);
        EXPECT_EQ(le16At(b, 28), 24);
        EXPECT_EQ(le32At(b, 30), 0u);
        EXPECT_EQ(le32At(b, 34), c.imageSize);
        for (size_t f = 38; f < 54; f += 4) EXPECT_EQ(le32At(b, f), 0u);
        // The last row first, each pixel blue, green, red.
        size_t stride = c.imageSize / size_t(c.height);
        for (auto [x, y] : {std::pair{0, c.height - 1}, {c.width - 1, 0}, {1, 1}}) {
            size_t at = 54 + size_t(c.height - 1 - y) * stride + size_t(x) * 3;
            uint32_t rgb = p.at(x, y);
            EXPECT_EQ(bmp[at], uint8_t(rgb)) << x;           // blue
            EXPECT_EQ(bmp[at + 1], uint8_t(rgb >> 8)) << x;  // green
            EXPECT_EQ(bmp[at + 2], uint8_t(rgb >> 16)) << x; // red
        }
    }
}

TEST(PngFile, ReadsBackToTheSamePixels) {
    Picture p = gradient(640, 400);
    std::vector<uint8_t> png = pictureFileBytes(p, "picture.PNG");
    ASSERT_FALSE(png.empty());
    EXPECT_EQ(pictureFileBytes(p, "picture.png.bmp"), bmpFileBytes(p));
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size()));
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    ASSERT_EQ(int(image.width), p.width);
    ASSERT_EQ(int(image.height), p.height);
    for (size_t i = 0; i < p.pixels.size(); ++i)
        ASSERT_EQ(uint32_t(rgb[3 * i] << 16 | rgb[3 * i + 1] << 8 | rgb[3 * i + 2]), p.pixels[i])
            << i;
}

} // namespace
} // namespace lk
