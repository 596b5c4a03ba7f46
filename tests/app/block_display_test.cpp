#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/disk_image.h"
#include "app/block_view.h"

namespace lk {
namespace {

// Bytes 0..255 twice over: every ASCII class of both columns appears.
const char* kBlock279 =
    " $    00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F        ASCII       Block #\n"
    "\n"
    "000   00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F   ................   279\n"
    "010   10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F   ................\n"
    "020   20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F    !\"#$%&'()*+,-./   $117\n"
    "030   30 31 32 33 34 35 36 37 38 39 3A 3B 3C 3D 3E 3F   0123456789:;<=>?\n"
    "040   40 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F   @ABCDEFGHIJKLMNO\n"
    "050   50 51 52 53 54 55 56 57 58 59 5A 5B 5C 5D 5E 5F   PQRSTUVWXYZ[\\]^_\n"
    "060   60 61 62 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F   `abcdefghijklmno\n"
    "070   70 71 72 73 74 75 76 77 78 79 7A 7B 7C 7D 7E 7F   pqrstuvwxyz{|}~\x7F"
    "\n"
    "080   80 81 82 83 84 85 86 87 88 89 8A 8B 8C 8D 8E 8F   ................\n"
    "090   90 91 92 93 94 95 96 97 98 99 9A 9B 9C 9D 9E 9F   ................\n"
    "0A0   A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB AC AD AE AF   ................\n"
    "0B0   B0 B1 B2 B3 B4 B5 B6 B7 B8 B9 BA BB BC BD BE BF   ................\n"
    "0C0   C0 C1 C2 C3 C4 C5 C6 C7 C8 C9 CA CB CC CD CE CF   ................\n"
    "0D0   D0 D1 D2 D3 D4 D5 D6 D7 D8 D9 DA DB DC DD DE DF   ................\n"
    "0E0   E0 E1 E2 E3 E4 E5 E6 E7 E8 E9 EA EB EC ED EE EF   ................\n"
    "0F0   F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF   ................\n"
    "100   00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F   ................\n"
    "110   10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F   ................\n"
    "120   20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F    !\"#$%&'()*+,-./\n"
    "130   30 31 32 33 34 35 36 37 38 39 3A 3B 3C 3D 3E 3F   0123456789:;<=>?\n"
    "140   40 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F   @ABCDEFGHIJKLMNO\n"
    "150   50 51 52 53 54 55 56 57 58 59 5A 5B 5C 5D 5E 5F   PQRSTUVWXYZ[\\]^_\n"
    "160   60 61 62 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F   `abcdefghijklmno\n"
    "170   70 71 72 73 74 75 76 77 78 79 7A 7B 7C 7D 7E 7F   pqrstuvwxyz{|}~\x7F"
    "\n"
    "180   80 81 82 83 84 85 86 87 88 89 8A 8B 8C 8D 8E 8F   ................\n"
    "190   90 91 92 93 94 95 96 97 98 99 9A 9B 9C 9D 9E 9F   ................\n"
    "1A0   A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB AC AD AE AF   ................\n"
    "1B0   B0 B1 B2 B3 B4 B5 B6 B7 B8 B9 BA BB BC BD BE BF   ................\n"
    "1C0   C0 C1 C2 C3 C4 C5 C6 C7 C8 C9 CA CB CC CD CE CF   ................\n"
    "1D0   D0 D1 D2 D3 D4 D5 D6 D7 D8 D9 DA DB DC DD DE DF   ................\n"
    "1E0   E0 E1 E2 E3 E4 E5 E6 E7 E8 E9 EA EB EC ED EE EF   ................\n"
    "1F0   F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF   ................";
// Bytes 0..255 in track 17, sector 15 of a DOS-order floppy.
const char* kSector17_15 =
    "$    00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F        ASCII       Trk/Sec#\n"
    "\n"
    "00   00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F   ................   17/15\n"
    "10   10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F   ................\n"
    "20   20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F    !\"#$%&'()*+,-./  $11/$0F\n"
    "30   30 31 32 33 34 35 36 37 38 39 3A 3B 3C 3D 3E 3F   0123456789:;<=>?\n"
    "40   40 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F   @ABCDEFGHIJKLMNO\n"
    "50   50 51 52 53 54 55 56 57 58 59 5A 5B 5C 5D 5E 5F   PQRSTUVWXYZ[\\]^_\n"
    "60   60 61 62 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F   `abcdefghijklmno\n"
    "70   70 71 72 73 74 75 76 77 78 79 7A 7B 7C 7D 7E 7F   pqrstuvwxyz{|}~.\n"
    "80   80 81 82 83 84 85 86 87 88 89 8A 8B 8C 8D 8E 8F   ................\n"
    "90   90 91 92 93 94 95 96 97 98 99 9A 9B 9C 9D 9E 9F   ................\n"
    "A0   A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB AC AD AE AF    !\"#$%&'()*+,-./\n"
    "B0   B0 B1 B2 B3 B4 B5 B6 B7 B8 B9 BA BB BC BD BE BF   0123456789:;<=>?\n"
    "C0   C0 C1 C2 C3 C4 C5 C6 C7 C8 C9 CA CB CC CD CE CF   @ABCDEFGHIJKLMNO\n"
    "D0   D0 D1 D2 D3 D4 D5 D6 D7 D8 D9 DA DB DC DD DE DF   PQRSTUVWXYZ[\\]^_\n"
    "E0   E0 E1 E2 E3 E4 E5 E6 E7 E8 E9 EA EB EC ED EE EF   `abcdefghijklmno\n"
    "F0   F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF   pqrstuvwxyz{|}~.";

DiskImage imageOf(std::vector<uint8_t> data, bool dos33, uint32_t dataOffset = 0) {
    DiskImage image;
    image.buffer = std::move(data);
    image.buffer.resize(image.buffer.size() + kSpareBytes, 0);
    image.bufferValid = true;
    image.isDos33 = dos33;
    image.header.dataOffset = dataOffset;
    return image;
}

TEST(BlockDisplay, BlockModeTextByteForByte) {
    std::vector<uint8_t> data(kFloppySize, 0xEE);
    for (uint32_t i = 0; i < 512; ++i) data[279 * 512 + i] = uint8_t(i);
    DiskImage image = imageOf(data, false);
    BlockViewState s;
    s.block = 279;
    EXPECT_EQ(blockDisplay(image, s), kBlock279);
}

TEST(BlockDisplay, BlocksFollowTheDataOffsetAndReadZeroBeyondTheImage) {
    DiskImage image = imageOf(std::vector<uint8_t>(64 + 3 * 512 + 100, 0x41), false, 64);
    BlockViewState s;
    s.block = 3; // 100 bytes inside the image, the rest beyond it
    std::string text = blockDisplay(image, s);
    EXPECT_NE(text.find("\n060   41 41 41 41 00 00 00 00 00 00 00 00 00 00 00 00   AAAA........"),
              std::string::npos)
        << text;
    s.block = 0xFFFFFFFF;
    EXPECT_NE(blockDisplay(image, s).find("   4294967295\n"), std::string::npos);
}

TEST(BlockDisplay, SectorModeTextByteForByte) {
    std::vector<uint8_t> data(kFloppySize);
    for (uint32_t i = 0; i < kFloppySize; ++i) data[i] = uint8_t(0xE0 + i / 256 % 16);
    for (uint32_t i = 0; i < 256; ++i) data[(17 * 16 + 15) * 256 + i] = uint8_t(i);
    DiskImage image = imageOf(data, true);
    BlockViewState s;
    s.track = 17;
    s.sector = 15;
    s.block = 143;
    s.half = 1;
    EXPECT_EQ(blockDisplay(image, s), kSector17_15);
    // The lower half of the same block is sector 14.
    s.sector = 14;
    s.half = 0;
    std::string text = blockDisplay(image, s);
    EXPECT_NE(text.find("\n00   EE EE EE"), std::string::npos);
    EXPECT_NE(text.find("   17/14\n"), std::string::npos);
    EXPECT_NE(text.find("  $11/$0E\n"), std::string::npos);
}

} // namespace
} // namespace lk
