#include <gtest/gtest.h>

#include <algorithm>

#include "open_helpers.h"
#include "prodos/volume_bit_map.h"
#include "prodos_builder.h"

namespace lk {
namespace {

const std::string kHeading =
    "Volume Bit Map\n\n"
    "        00               10               20               30\n"
    "$       0123456789ABCDEF 0123456789ABCDEF 0123456789ABCDEF 0123456789ABCDEF\n\n";

// An image holding only the blocks up to the end of a bit map at block 6.
DiskImage mapImage(uint32_t totalBlocks, uint8_t fill, size_t imageBytes = 0) {
    DiskImage image;
    size_t mapBytes = (totalBlocks + 7) / 8;
    if (imageBytes == 0) imageBytes = 6 * 512 + (mapBytes + 511) / 512 * 512;
    image.buffer.assign(imageBytes + kSpareBytes, 0);
    std::fill_n(image.buffer.begin() + 6 * 512, std::min(mapBytes, imageBytes - 6 * 512), fill);
    image.bufferValid = true;
    putLe16(image.buffer.data() + 2 * 512 + 0x29, uint16_t(totalBlocks));
    putLe16(image.buffer.data() + 2 * 512 + 0x27, 6);
    return image;
}

TEST(VolumeBitMap, FloppyVolumeTextAndCount) {
    test::ProdosBuilder b(280);
    test::Opened o;
    test::openBytes(o, "f.po", b.bytes());
    std::string free64(16, '-');
    std::string row = free64 + " " + free64 + " " + free64 + " " + free64 + " ";
    DamageReport damage;
    EXPECT_EQ(bitMapText(o.image, damage), kHeading + "0000    +++++++--------- " + free64 + " " +
                                               free64 + " " + free64 + " \n0040    " + row +
                                               "\n0080    " + row + "\n00C0    " + row +
                                               "\n0100    " + free64 + " --------");
    EXPECT_FALSE(damage.any());
    EXPECT_EQ(countFreeBlocks(o.image), 273u);
}

TEST(VolumeBitMap, LargestVolumeShowsAndCountsEveryBlock) {
    DiskImage image = mapImage(65535, 0xFF);
    EXPECT_EQ(countFreeBlocks(image), 65535u) << "block 65535's bit is not a block";
    DamageReport damage;
    std::string text = bitMapText(image, damage);
    EXPECT_EQ(std::count(text.begin(), text.end(), '-'), 65535);
    EXPECT_EQ(std::count(text.begin(), text.end(), '+'), 0);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5 + 1023);
    std::string free16(16, '-');
    EXPECT_NE(text.find(" \nFF80    "), std::string::npos);
    std::string lastRow =
        "\nFFC0    " + free16 + " " + free16 + " " + free16 + " " + std::string(15, '-');
    EXPECT_EQ(text.substr(text.size() - lastRow.size()), lastRow);

    image.buffer[6 * 512 + 8191] = 0xAB; // blocks 65528-65534: free, used, free, ...
    std::fill_n(image.buffer.begin() + 6 * 512, 8191, 0);
    EXPECT_EQ(countFreeBlocks(image), 4u);
}

TEST(VolumeBitMap, MapBeyondTheImageIsNeverRead) {
    // The map starts past the end: nothing is free and nothing is shown.
    DiskImage outside = mapImage(280, 0xFF);
    putLe16(outside.buffer.data() + 2 * 512 + 0x27, 40000);
    EXPECT_EQ(countFreeBlocks(outside), 0u);
    DamageReport damage;
    EXPECT_EQ(bitMapText(outside, damage), kHeading + "0000    ");
    EXPECT_EQ(messageText(damage.notes[0]),
              "its bit map runs past the end of the image from block 0 on");

    // The map is cut by the end of the image after 100 bytes: 800 blocks are covered.
    DiskImage cut = mapImage(65535, 0xFF, 6 * 512 + 100);
    EXPECT_EQ(countFreeBlocks(cut), 800u);
    DamageReport cutDamage;
    std::string text = bitMapText(cut, cutDamage);
    EXPECT_EQ(std::count(text.begin(), text.end(), '-'), 800);
    EXPECT_EQ(messageText(cutDamage.notes[0]),
              "its bit map runs past the end of the image from block 800 on");
}

TEST(VolumeBitMap, MapFollowsTheDataOffset) {
    DiskImage image = mapImage(16, 0);
    image.buffer.insert(image.buffer.begin(), 64, 0xFF);
    image.header.dataOffset = 64;
    image.buffer[64 + 6 * 512] = 0x0F;
    EXPECT_EQ(countFreeBlocks(image), 4u);
    DamageReport damage;
    EXPECT_EQ(bitMapText(image, damage), kHeading + "0000    ++++----++++++++");
}

} // namespace
} // namespace lk
