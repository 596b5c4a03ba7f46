#include <gtest/gtest.h>

#include "catalog/find_path.h"
#include "prodos/paste.h"
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

    // The disk fills while a sapling is written: no entry, no node, the same bit map.
    test::ProdosBuilder small(280);
    for (int i = 0; i < 93; ++i) small.allocate();
    test::WriteFixture s(small);
    s.select("/");
    std::vector<uint8_t> before = s.data();
    EXPECT_EQ(s.create("BIG", Bytes(patternBytes(180 * 512))), kCreateNoFreeBlock);
    std::vector<uint8_t> after = s.data();
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 7 * 512, after.begin()));
    EXPECT_EQ(s.tree.size(), 1u);
}

// A failed create on a volume of several bit-map blocks gives back every block it took.
TEST(CreateEntry, AFailedCreateFreesBlocksInEveryBitMapBlock) {
    test::ProdosBuilder b(8192);
    for (uint32_t blk = 20; blk < 5000; ++blk) b.block(6)[blk / 8] &= uint8_t(~(0x80 >> (blk % 8)));
    test::WriteFixture o(b);
    uint32_t free = countFreeBlocks(o.image);
    o.select("/");
    EXPECT_EQ(o.create("TOO.BIG", Bytes(std::vector<uint8_t>(free * 512))), kCreateNoFreeBlock);
    EXPECT_EQ(countFreeBlocks(o.image), free);
    EXPECT_TRUE(o.tree.size() == 1);
}

TEST(CreateEntry, FolderGrowsByABlockAtItsThirteenthFile) {
    test::ProdosBuilder b(280);
    uint16_t dir = b.addFolder(2, "DIR");
    for (int i = 0; i < 11; ++i) b.addFile(dir, "F" + std::to_string(i), 4, 0, Bytes());
    test::WriteFixture o(b);
    o.select("DIR");
    ASSERT_EQ(o.create("TWELVE", Bytes()), dir) << "the key block's last place";
    EXPECT_EQ(o.entry("DIR").blocksUsed, 1);
    o.select("DIR/F3"); // a file selected: the new node follows it
    int32_t grown = o.create("THIRTEEN", Bytes());
    ASSERT_GT(grown, 0);
    EXPECT_NE(grown, dir);
    EXPECT_EQ(o.entry("DIR").blocksUsed, 2);
    EXPECT_EQ(o.entry("DIR").eof, 1024u);
    EXPECT_EQ(le16At(blockBytes(o.image, dir), 0x25), 13);
    NodeId folder = findNodeByPath(o.tree, "DIR");
    EXPECT_EQ(o.tree.item(o.tree.firstChild(folder))->text, "TWELVE");
    EXPECT_EQ(o.tree.item(o.tree.nextSibling(findNodeByPath(o.tree, "DIR/F3")))->text, "THIRTEEN");
    EXPECT_EQ(o.findings(), "");
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
        std::vector<uint8_t> before = o.data();
        o.select("DIR");
        EXPECT_EQ(o.create("MORE", Bytes(patternBytes(600))), c.result);
        std::vector<uint8_t> after = o.data();
        EXPECT_TRUE(std::equal(before.begin(), before.begin() + 12 * 512, after.begin()))
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
        o.select("/");
        CreateRequest paste{CreateMode::Paste,
                            Bytes(copy.data.data(), copy.data.size()),
                            copy.hasResourceFork,
                            Bytes(copy.resourceFork.data(), copy.resourceFork.size()),
                            {},
                            {}};
        copy.entry.name[0] = 'C';
        ASSERT_GT(createEntry(o.image, o.tree, copy.entry, paste, o.outcome), 0);
        EXPECT_EQ(copy.entry.creation[1], 0x08);
    }
    FileEntry tree = o.entry("CREE");
    EXPECT_EQ(tree.storageType(), 1);
    EXPECT_EQ(tree.auxType, 0x2000);
    FileEntry forked = o.entry("CORKED");
    EXPECT_EQ(forked.storageType(), 5);
    EXPECT_EQ(forked.eof, 512u);
    EXPECT_EQ(forked.blocksUsed, 1 + 3 + 1);
    Bytes x = blockBytes(o.image, forked.keyPointer);
    EXPECT_EQ(x[0x100], 1);
    EXPECT_EQ(le16(x.data() + 0x103), 1);
    EXPECT_EQ(le24(x.data() + 0x105), 0u);
    EXPECT_NE(le16(x.data() + 0x101), 0) << "an empty resource fork still has a key block";
    EXPECT_EQ(o.read("CORKED"), patternBytes(700));
    EXPECT_EQ(o.findings(), "");
}

} // namespace
} // namespace lk
