#include <gtest/gtest.h>

#include <numeric>

#include "image/disk_image.h"

namespace lk {
namespace {

// A 143360-byte DOS-order image whose every sector is filled with its own track and sector.
DiskImage dosOrderFloppy() {
    DiskImage img;
    img.buffer.assign(kFloppySize + kSpareBytes, 0);
    for (uint32_t t = 0; t < 35; ++t)
        for (uint32_t s = 0; s < 16; ++s)
            for (uint32_t i = 0; i < kSectorSize; ++i)
                img.buffer[t * kTrackSize + s * kSectorSize + i] = uint8_t(i % 2 ? t : s);
    img.bufferValid = true;
    img.fileSize = int32_t(kFloppySize);
    img.header = madeUpHeader(SectorOrder::DosOrder, kFloppySize);
    return img;
}

uint8_t sectorAt(const DiskImage& img, uint32_t block, uint32_t half) {
    return img.buffer[block * kBlockSize + half * kSectorSize];
}
uint8_t trackAt(const DiskImage& img, uint32_t block, uint32_t half) {
    return img.buffer[block * kBlockSize + half * kSectorSize + 1];
}

TEST(ReorderSectors, MapsEachBlockToItsTwoDosSectorsAndIsItsOwnInverse) {
    DiskImage img = dosOrderFloppy();
    std::vector<uint8_t> before = img.buffer;
    ASSERT_EQ(reorderSectors(img, kFloppySize), 279);
    // Block position k of a track holds these DOS sectors as its two halves.
    const uint8_t first[8] = {0, 13, 11, 9, 7, 5, 3, 1};
    const uint8_t second[8] = {14, 12, 10, 8, 6, 4, 2, 15};
    for (uint32_t b = 0; b < 280; ++b) {
        SCOPED_TRACE(b);
        EXPECT_EQ(sectorAt(img, b, 0), first[b % 8]);
        EXPECT_EQ(sectorAt(img, b, 1), second[b % 8]);
        EXPECT_EQ(trackAt(img, b, 0), b / 8);
    }
    reorderSectors(img, kFloppySize);
    EXPECT_EQ(img.buffer, before);
}

// Only whole tracks move, behind the 2IMG header; without an image nothing does.
TEST(ReorderSectors, LeavesTheHeaderAndAPartialTrack) {
    DiskImage img = dosOrderFloppy();
    img.buffer.resize(4096 + 1000 + kSpareBytes);
    img.buffer.insert(img.buffer.begin(), 64, 0xEE);
    img.header.dataOffset = 64;
    std::vector<uint8_t> tail(img.buffer.begin() + 64 + 4096, img.buffer.end());
    EXPECT_EQ(reorderSectors(img, 5096), 7);
    EXPECT_EQ(img.buffer[63], 0xEE);
    EXPECT_EQ(img.buffer[64 + 2 * kBlockSize], 11);
    EXPECT_EQ(std::vector<uint8_t>(img.buffer.begin() + 64 + 4096, img.buffer.end()), tail);

    DiskImage none;
    EXPECT_EQ(reorderSectors(none, kFloppySize), -1);
}

TEST(ReadBlock, IsShiftedByTheDataOffsetAndZeroBeyondTheImage) {
    DiskImage img;
    img.buffer.assign(64 + 3 * kBlockSize + kSpareBytes, 0);
    std::iota(img.buffer.begin() + 64, img.buffer.begin() + 64 + 3 * kBlockSize, uint8_t(0));
    img.header.dataOffset = 64;
    EXPECT_EQ(readBlock(img, 1)[5], 5);
    img.header.dataOffset = 64 + 300; // the block runs past the data: the rest reads as zeros
    EXPECT_EQ(readBlock(img, 2)[511], 0);
    EXPECT_TRUE(blockBytes(img, 2).empty());
    EXPECT_EQ(readBlock(img, 100000)[0], 0);
}

TEST(Uint32Access, RoundTripsLittleEndianAndRefusesOutside) {
    DiskImage img;
    img.buffer.assign(16, 0);
    EXPECT_EQ(writeUint32(img, 4, 0x12345678u), 1);
    EXPECT_EQ(img.buffer[4], 0x78);
    EXPECT_EQ(img.buffer[7], 0x12);
    EXPECT_EQ(readUint32(img, 4), 0x12345678u);
    EXPECT_EQ(writeUint32(img, 14, 1), 0);
    EXPECT_EQ(readUint32(img, 14), 0u);
}

} // namespace
} // namespace lk
