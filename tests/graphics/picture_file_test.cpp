// The BMP that Export Graphic writes: its header fields and its padded bottom-up rows. (The PNG
// is read back in the larkspoon-cli tests.)
#include <gtest/gtest.h>

#include "base/bytes.h"
#include "graphics/picture_file.h"

namespace lk {
namespace {

TEST(BmpFile, HeaderFieldsAndPaddedBottomUpRows) {
    struct Case {
        int width, height;
        uint32_t imageSize;
    } cases[] = {
        {560, 384, 645120}, // HiRes and Double HiRes
        {640, 400, 768000}, // Super HiRes
        {3, 2, 24},         // rows of 9 bytes padded to 12
    };
    for (const Case& c : cases) {
        Picture p(c.width, c.height);
        p.pixels.front() = 0x123456; // top left
        p.pixels.back() = 0xABCDEF;  // bottom right
        std::vector<uint8_t> bmp = bmpFileBytes(p);
        Bytes b(bmp);
        ASSERT_EQ(bmp.size(), 54 + c.imageSize) << c.width;
        // Type, file size, reserved, pixel offset; header size, width, height, planes, bits,
        // compression, image size; resolutions and colour counts 0.
        EXPECT_EQ(le16At(b, 0), 0x4D42);
        std::vector<uint32_t> fields = {le32At(b, 2),  le32At(b, 6),  le32At(b, 10), le32At(b, 14),
                                        le32At(b, 18), le32At(b, 22), le16At(b, 26), le16At(b, 28),
                                        le32At(b, 30), le32At(b, 34), le32At(b, 38), le32At(b, 42),
                                        le32At(b, 46), le32At(b, 50)};
        EXPECT_EQ(fields,
                  (std::vector<uint32_t>{54 + c.imageSize, 0, 54, 40, uint32_t(c.width),
                                         uint32_t(c.height), 1, 24, 0, c.imageSize, 0, 0, 0, 0}));
        // The bottom row first: its last pixel ends the row before the padding; the top row's
        // first pixel starts the last row. Each pixel blue, green, red.
        size_t stride = c.imageSize / size_t(c.height);
        EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 54 + 3 * (c.width - 1),
                                       bmp.begin() + 54 + 3 * c.width),
                  (std::vector<uint8_t>{0xEF, 0xCD, 0xAB}));
        size_t top = 54 + stride * size_t(c.height - 1);
        EXPECT_EQ(
            std::vector<uint8_t>(bmp.begin() + ptrdiff_t(top), bmp.begin() + ptrdiff_t(top) + 3),
            (std::vector<uint8_t>{0x56, 0x34, 0x12}));
    }
}

} // namespace
} // namespace lk
