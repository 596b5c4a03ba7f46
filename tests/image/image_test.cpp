// The image in memory: block and sector addressing, the sector order it is held in, and the
// write that puts it back in its file's order.
#include <gtest/gtest.h>

#include <filesystem>

#include "dos33/dos_entry.h"
#include "dos33/read_dos_file.h"
#include "dos33_builder.h"
#include "image/disk_image.h"
#include "image/write_image.h"
#include "open_helpers.h"
#include "prodos_builder.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

// A 143360-byte DOS-order image whose every sector is filled with its own track and sector.
DiskImage dosOrderFloppy() {
    DiskImage img = memoryImage(std::vector<uint8_t>(kFloppySize));
    for (uint32_t t = 0; t < 35; ++t)
        for (uint32_t s = 0; s < 16; ++s)
            for (uint32_t i = 0; i < kSectorSize; ++i)
                img.buffer[t * kTrackSize + s * kSectorSize + i] = uint8_t(i % 2 ? t : s);
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

TEST(Uint32Access, RoundTripsLittleEndianAndRefusesOutside) {
    DiskImage img;
    img.buffer.assign(16, 0);
    EXPECT_EQ(writeUint32(img, 4, 0x12345678u), 1);
    EXPECT_EQ(img.buffer[4], 0x78);
    EXPECT_EQ(readUint32(img, 4), 0x12345678u);
    EXPECT_EQ(writeUint32(img, 14, 1), 0);
}

// A DOS 3.3 volume whose files reach well past the first catalog sector and track.
std::vector<uint8_t> dosVolume(std::vector<uint8_t>& hello) {
    Dos33Builder b(42);
    hello = patternBytes(5000, 6);
    b.addFile("HELLO", kDosApplesoft, Bytes(hello));
    for (int i = 0; i < 9; ++i)
        b.addFile("F" + std::to_string(i), kDosText, Bytes(patternBytes(300)));
    return b.bytes();
}

std::vector<uint8_t> prodosVolume() {
    ProdosBuilder b(280, "DISK");
    b.addFile(ProdosBuilder::kVolumeKey, "HELLO", 0xFC, 0x0801, Bytes(patternBytes(3000)));
    return b.bytes();
}

// A DOS 3.3 volume kept in ProDOS order is put into DOS order on open; every volume is written
// back in its file's order.
TEST(WriteImage, OpensAndRoundTripsInTheFilesOwnOrder) {
    std::vector<uint8_t> hello;
    std::vector<uint8_t> dosOrder = dosVolume(hello);
    std::vector<uint8_t> blockOrder = swapSectorOrder(dosOrder);
    std::vector<uint8_t> prodos = prodosVolume();
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        bool reordered;
    } cases[] = {
        {"a.dsk", dosOrder, false},
        {"a.po", blockOrder, true},
        {"p.2mg", withTwoImgHeader(blockOrder, SectorOrder::ProdosOrder), true},
        {"d.2mg", withTwoImgHeader(dosOrder, SectorOrder::DosOrder), false},
        {"prodos.dsk", swapSectorOrder(prodos), true},
        {"prodos-block-order.dsk", prodos, false},
        {"prodos.po", prodos, false},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Opened o(c.name, c.file);
        ASSERT_TRUE(o.image.bufferValid);
        EXPECT_EQ(heldInOtherOrder(o.image), c.reordered);
        EXPECT_TRUE(o.platform.messages.empty()) << o.platform.lastMessage();
        std::vector<uint8_t> memory = o.image.buffer;
        std::vector<std::string> catalog = treeLines(o.tree);
        if (o.image.isDos33) {
            // Held in DOS order whatever the file's order: the catalog past its first sector and
            // the files read right.
            EXPECT_TRUE(std::equal(dosOrder.begin(), dosOrder.end(),
                                   o.image.buffer.begin() + o.image.header.dataOffset));
            ASSERT_EQ(catalog.size(), 11u);
            EXPECT_EQ(catalog[0], "DISK VOLUME 042");
            NodeId first = o.tree.firstChild(o.tree.root());
            Outcome outcome;
            ASSERT_EQ(readDosFile(o.image, *o.tree.item(first), o.file, outcome), 21 * 256);
            EXPECT_TRUE(std::equal(hello.begin(), hello.end(), o.file.fileData.begin()));
        }

        std::string out = dir.file(c.name);
        EXPECT_EQ(writeImage(o.image, out, o.image.fileSize), int32_t(c.file.size()));
        EXPECT_EQ(readFileBytes(out), c.file);
        EXPECT_EQ(o.image.buffer, memory); // back in the order the volume needs

        Opened again(c.name, readFileBytes(out));
        EXPECT_EQ(treeLines(again.tree), catalog);
        EXPECT_EQ(again.image.buffer, memory);
    }
}

TEST(WriteImage, AFailedWriteLeavesTheTargetAndTheMemoryOrder) {
    std::vector<uint8_t> hello;
    Opened o("a.po", swapSectorOrder(dosVolume(hello)));
    ASSERT_TRUE(o.image.bufferValid);
    std::vector<uint8_t> memory = o.image.buffer;
    // A folder in the way: the write fails at the rename and nothing is left behind.
    TempFolder dir;
    std::filesystem::create_directories(dir.file("blocker/inside"));
    EXPECT_EQ(writeImage(o.image, dir.file("blocker"), o.image.fileSize), 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("blocker/inside")));
    EXPECT_EQ(o.image.buffer, memory);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1);

    std::string out = dir.file("a.po");
    EXPECT_EQ(writeImage(o.image, out, o.image.fileSize + 1), 0);
    EXPECT_EQ(writeImage(o.image, out, -1), 0);
    o.image.bufferValid = false;
    EXPECT_EQ(writeImage(o.image, out, 10), 0);
    EXPECT_FALSE(dir.exists("a.po"));
}

TEST(WriteImage, WritesTheFileSizeOfAnEnlargedHdv) {
    ProdosBuilder b(64, "HDV");
    putLe16(b.block(2) + 4 + 0x25, 1000);
    Opened o("big.hdv", b.bytes());
    ASSERT_TRUE(o.image.hdvExtended);
    TempFolder dir;
    EXPECT_EQ(writeImage(o.image, dir.file("big.hdv"), o.image.fileSize), 64 * 512);
    EXPECT_EQ(dir.readBytes("big.hdv"), b.bytes());
}

} // namespace
} // namespace lk::test
