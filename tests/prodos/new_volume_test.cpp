// New images as File > New makes them: the bytes that tell their layout, reopened and checked
// sound (every size and type is made and checked through larkspoon-cli as well).
#include <gtest/gtest.h>

#include "image/save_image.h"
#include "open_helpers.h"
#include "prodos/check_volume.h"
#include "prodos/format_volume.h"
#include "prodos/volume_bit_map.h"
#include "prodos/volume_info.h"
#include "prodos_builder.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

constexpr LocalDateTime kNow{2024, 3, 9, 17, 45, 0};

// Writes a new image as the command does (path, create, save) and opens the file again.
void makeAndReopen(Opened& o, const TempFolder& folder, const NewImageSpec& shape,
                   const std::string& name) {
    std::string file = name + newImageExtension(shape.kind);
    o.image.path = folder.file(file);
    ASSERT_GT(createNewImage(o.image, shape, name, kNow), 0);
    Outcome saved;
    ASSERT_TRUE(saveImage(o.image, saved));
    openBytes(o, file, folder.readBytes(file));
    ASSERT_TRUE(o.image.bufferValid) << file;
}

TEST(NewImage, HeaderAndBitMapBytes) {
    TempFolder folder;
    Opened o;
    // The defaults: 800Kb behind a header that names Larkspoon.
    makeAndReopen(o, folder, {}, "UNTITLED");
    std::vector<uint8_t> file = folder.readBytes("UNTITLED.2MG");
    ASSERT_EQ(file.size(), 819200u + 64);
    TwoImgHeader h = parseTwoImgHeader(Bytes(file));
    EXPECT_EQ(std::string(h.creator.data(), 4), "LKSP");
    EXPECT_EQ(h.blockCount, 1600u);
    EXPECT_EQ(h.dataOffset, 64u);
    EXPECT_EQ(h.dataLength, 819200u);
    EXPECT_EQ(h.imageFormat, 1u);
    EXPECT_EQ(h.flags, 0u);
    VolumeInfo v = readVolumeInfo(o.image);
    EXPECT_EQ(v.volumeName + " " + std::to_string(v.totalBlocks), "UNTITLED 1600");
    EXPECT_EQ(v.volumeAccess, 0xC3);
    EXPECT_EQ(v.creationDateTime, prodosDateTime(kNow));
    EXPECT_EQ(countFreeBlocks(o.image), 1600u - 7);
    EXPECT_TRUE(checkVolume(o.image).sound());

    struct MapCase {
        uint32_t bytes;
        uint32_t mapByte;
        uint8_t value;
    };
    // 1.44Mb: blocks 2840-2846 free, the last bit past the volume; 5Mb: block 8 (the third map
    // block) in use; 32Mb: blocks 0-21 in use, 22 free, up to block 65534.
    for (MapCase c :
         {MapCase{1457664, 355, 0xFE}, MapCase{5242880, 0, 0x00}, MapCase{5242880, 1, 0x7F},
          MapCase{33553920, 1, 0x00}, MapCase{33553920, 2, 0x03}, MapCase{33553920, 8191, 0xFE}}) {
        DiskImage image;
        createNewImage(image, {ImageKind::Po, c.bytes}, "MAP", kNow);
        EXPECT_EQ(byteAt(blockBytes(image, kNewBitMapBlock + c.mapByte / 512), c.mapByte % 512),
                  c.value)
            << c.bytes << " byte " << c.mapByte;
    }
}

// A DOS-order DSK is written in DOS order (the volume header in sector 11 of track 0, where the
// block-5 test finds it); made over an open 2IMG, it takes none of that image's header values.
TEST(NewImage, DosOrderDskOverAnOpen2Img) {
    TempFolder folder;
    Opened o;
    makeAndReopen(o, folder, {}, "FIRST");
    ASSERT_EQ(o.image.header.dataOffset, 64u);
    makeAndReopen(o, folder, {ImageKind::Dsk, 143360, SectorOrder::DosOrder}, "SECOND");
    std::vector<uint8_t> file = folder.readBytes("SECOND.DSK");
    ASSERT_EQ(file.size(), 143360u);
    EXPECT_EQ(file[11 * 256 + 4], 0xF6);
    EXPECT_EQ(file[11 * 256 + 0x23], 0x27);
    EXPECT_EQ(o.image.header.dataOffset, 0u);
    EXPECT_EQ(o.image.header.dataLength, 143360u);
    EXPECT_EQ(readVolumeInfo(o.image).volumeName, "SECOND");
    EXPECT_TRUE(checkVolume(o.image).sound());
}

// An empty name: name length 0 and a file called ".2MG"; still a volume that opens.
TEST(NewImage, EmptyName) {
    TempFolder folder;
    Opened o;
    makeAndReopen(o, folder, {}, "");
    EXPECT_TRUE(folder.exists(".2MG"));
    EXPECT_EQ(byteAt(blockBytes(o.image, 2), 4), 0xF0);
    EXPECT_TRUE(checkVolume(o.image).sound());
}

} // namespace
} // namespace lk::test
