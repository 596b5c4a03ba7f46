#include <gtest/gtest.h>

#include "app/volume_changes.h"
#include "catalog/find_path.h"
#include "prodos/volume_bit_map.h"
#include "write_fixture.h"

namespace lk {
namespace {

using test::patternBytes;

TEST(CreateEntry, StorageKindAndBlocksFollowTheSize) {
    struct Case {
        uint32_t size;
        uint8_t storage;
        uint16_t blocks;
    } cases[] = {{0, 1, 1}, {512, 1, 1}, {513, 2, 3}, {131072, 2, 257}, {131073, 3, 260}};
    test::ProdosBuilder b(1600);
    test::WriteFixture o(b);
    for (const Case& c : cases) {
        std::string name = "F" + std::to_string(c.size);
        std::vector<uint8_t> data = patternBytes(c.size, uint8_t(c.size));
        o.select("/");
        ASSERT_GT(o.create(name, Bytes(data)), 0) << c.size;
        FileEntry e = o.entry(name);
        EXPECT_EQ(e.storageType(), c.storage) << c.size;
        EXPECT_EQ(e.blocksUsed, c.blocks) << c.size;
        EXPECT_EQ(e.eof, c.size);
        EXPECT_EQ(o.read(name), data) << c.size;
    }
    EXPECT_EQ(o.findings(), "");
    // Import on 5 December 2004 at 14:07, read on 2 January 2024 at 3:04.
    FileEntry e = o.entry("F0");
    EXPECT_EQ(e.creation, (std::array<uint8_t, 4>{0x85, 0x09, 0x07, 0x0E}));
    EXPECT_EQ(e.lastModified, (std::array<uint8_t, 4>{0x22, 0x30, 0x04, 0x03}));
}

TEST(CreateEntry, RefusalsLeaveTheVolumeAsItWas) {
    test::ProdosBuilder b(65535);
    for (int i = 0; i < 50; ++i)
        b.addFile(2, "F" + std::to_string(i), 0x04, 0, Bytes(patternBytes(10)));
    test::WriteFixture o(b);
    std::vector<uint8_t> huge(16777216);
    o.select("/");
    EXPECT_EQ(o.create("HUGE", Bytes(huge)), kCreateTooLarge);
    EXPECT_GT(o.create("FIFTY.ONE", Bytes()), 0) << "the 51st file is allowed";
    o.select("F7"); // a file of the volume directory selected: the same place
    EXPECT_EQ(o.create("FIFTY.TWO", Bytes()), kCreateRootFull);
}

// The disk fills while a file is written: no entry, no node, the same bit map, also when the
// blocks taken lie in several bit-map blocks.
TEST(CreateEntry, AFullDiskGivesBackEveryBlockTaken) {
    for (auto [total, used] : {std::pair{280u, 93u}, {8192u, 5000u}}) {
        test::ProdosBuilder b(total);
        for (uint32_t i = 0; i < used; ++i) b.allocate();
        test::WriteFixture o(b);
        o.select("/");
        std::vector<uint8_t> before = o.image.buffer;
        std::vector<uint8_t> data = patternBytes(countFreeBlocks(o.image) * 512);
        EXPECT_EQ(o.create("BIG", Bytes(data)), kCreateNoFreeBlock) << total;
        EXPECT_TRUE(std::equal(before.begin(), before.begin() + 8 * 512, o.image.buffer.begin()));
        EXPECT_EQ(o.tree.size(), 1u);
    }
}

// The folder header is tested before the chain grows: a refusal leaves the chain as it was,
// and a link that leads outside the volume or to entry 0 changes nothing.
TEST(CreateEntry, AFullFolderWithADamagedHeaderStaysAsItWas) {
    struct Case {
        uint32_t at;
        uint8_t value;
        int32_t result;
    } cases[] = {{0x2A, 40, kCreateNonStandardEntry},
                 {0x28, 0xFF, kCreateDamaged},
                 {0x29, 0, kCreateDamaged}};
    for (const Case& c : cases) {
        test::ProdosBuilder b(280);
        uint16_t dir = b.addFolder(2, "DIR");
        for (int i = 0; i < 12; ++i) b.addFile(dir, "F" + std::to_string(i), 4, 0, Bytes());
        b.block(dir)[c.at] = c.value;
        test::WriteFixture o(b);
        std::vector<uint8_t> before = o.image.buffer;
        o.select("DIR");
        EXPECT_EQ(o.create("MORE", Bytes(patternBytes(600))), c.result);
        EXPECT_TRUE(std::equal(before.begin(), before.begin() + 12 * 512, o.image.buffer.begin()))
            << "the bit map, the directories and the files are as they were";
    }
}

// Pasting keeps the copied entry's fields; a tree whose data is now 400 bytes is a seedling,
// and an extended file keeps both forks, an empty resource fork included.
TEST(CreateEntry, PasteWritesSeedlingsAndExtendedFiles) {
    test::ProdosBuilder b(1600);
    b.addFile(2, "TREE", 0x06, 0x2000, Bytes(patternBytes(200000)));
    b.addExtended(2, "FORKED", 0xB3, 0x0100, Bytes(patternBytes(700)), Bytes());
    test::WriteFixture o(b);
    for (const char* name : {"TREE", "FORKED"}) {
        AppleFileCopy copy;
        ASSERT_TRUE(copyAppleFile(o.image, o.tree.item(findNodeByPath(o.tree, name))->entryOffset,
                                  copy, o.outcome));
        if (copy.name == "TREE") copy.data.resize(400);
        copy.entry.creation[1] = 0xD0; // year 104: written counting from 1900
        copy.entry.name[0] = copy.name[0] = 'C';
        o.select("/");
        ASSERT_TRUE(pasteFile(o.image, o.tree, copy, {}, o.outcome));
    }
    FileEntry tree = o.entry("CREE");
    EXPECT_EQ(tree.storageType(), 1);
    EXPECT_EQ(tree.auxType, 0x2000);
    EXPECT_EQ(tree.creation[1], 0x08);
    FileEntry forked = o.entry("CORKED");
    EXPECT_EQ(forked.storageType(), 5);
    EXPECT_EQ(forked.eof, 512u);
    EXPECT_EQ(forked.blocksUsed, 1 + 3 + 1);
    Bytes x = blockBytes(o.image, forked.keyPointer);
    EXPECT_EQ(x[0x100], 1);
    EXPECT_NE(le16(x.data() + 0x101), 0) << "an empty resource fork still has a key block";
    EXPECT_EQ(o.read("CORKED"), patternBytes(700));
    EXPECT_EQ(o.read("CORKED", Fork::Resource), std::vector<uint8_t>());
    EXPECT_EQ(o.findings(), "");
}

} // namespace
} // namespace lk
