#include <gtest/gtest.h>

#include "catalog/find_path.h"
#include "prodos/delete_file.h"
#include "prodos/volume_bit_map.h"
#include "write_fixture.h"

namespace lk {
namespace {

using test::patternBytes;

std::vector<uint8_t> sparseFirstBlock() {
    std::vector<uint8_t> data(1000, 0);
    data[700] = 7;
    return data;
}

int remove(test::WriteFixture& o, const std::string& path, DeleteOptions options = {false, true}) {
    o.select(path);
    o.outcome = {};
    return deleteSelected(o.image, o.tree, options, o.outcome);
}

TEST(DeleteEntry, FreesEveryBlockOfEachStorageKind) {
    test::ProdosBuilder b(1600);
    b.addFile(2, "SAPLING", 4, 0, Bytes(patternBytes(1000)));
    b.addFile(2, "SPARSE", 4, 0, Bytes(sparseFirstBlock()), true, true);
    b.addFile(2, "TREE", 6, 0, Bytes(patternBytes(200000)));
    b.addExtended(2, "FORKED", 0xB3, 0, Bytes(patternBytes(20)), Bytes(patternBytes(600)));
    test::WriteFixture o(b);
    uint32_t free = countFreeBlocks(o.image);
    for (auto [name, blocks] :
         {std::pair{"SAPLING", 3}, {"SPARSE", 2}, {"TREE", 394}, {"FORKED", 5}}) {
        FileEntry e = o.entry(name);
        EXPECT_EQ(e.blocksUsed, blocks) << name;
        EXPECT_EQ(remove(o, name), kDeleted);
        EXPECT_EQ(countFreeBlocks(o.image), free += blocks) << name;
        EXPECT_EQ(findNodeByPath(o.tree, name), kNoNode);
        EXPECT_EQ(o.findings(), "") << name;
    }
    EXPECT_TRUE(o.outcome.empty());
}

// Depth-first: the subfolder's files, the subfolder, the outer folder's files, the folder; the
// volume node empties the volume and stays.
TEST(DeleteEntry, FoldersGoWithTheirContentsAndAskOnce) {
    test::ProdosBuilder b(280);
    uint16_t outer = b.addFolder(2, "OUTER");
    uint16_t inner = b.addFolder(outer, "INNER");
    b.addFile(inner, "A", 4, 0, Bytes(patternBytes(600)));
    b.addFile(outer, "B", 4, 0, Bytes(patternBytes(10)));
    b.addFile(2, "C", 4, 0, Bytes(patternBytes(10)));
    test::WriteFixture o(b);
    std::vector<uint8_t> before = o.data();
    EXPECT_EQ(remove(o, "OUTER", {true, false}), kDeleteAnsweredNo);
    EXPECT_EQ(messageText(*o.outcome.question),
              "Are you sure you want to remove\nthe directory and all its files?");
    EXPECT_EQ(o.data(), before);
    EXPECT_EQ(remove(o, "OUTER", {true, true}), kDeleted);
    EXPECT_FALSE(o.outcome.question);
    EXPECT_EQ(o.tree.size(), 2u);
    EXPECT_EQ(le16At(blockBytes(o.image, 2), 0x25), 1);
    EXPECT_EQ(o.findings(), "");

    EXPECT_EQ(remove(o, "C", {true, false}), kDeleteAnsweredNo);
    EXPECT_EQ(messageText(*o.outcome.question), "Are you sure you want to delete this file?");
    EXPECT_EQ(remove(o, "/", {true, false}), kDeleteAnsweredNo);
    EXPECT_EQ(messageText(*o.outcome.question),
              "Do you want to remove all the files on the disk image?");
    EXPECT_EQ(remove(o, "/"), kDeleted);
    EXPECT_EQ(o.tree.size(), 1u);
    EXPECT_EQ(countFreeBlocks(o.image), 280u - 7) << "the boot blocks, directory and map stay";
}

// Damaged entries: the loops end, only what was walked is freed, a block already free stays
// free, a count of 0 stays 0, and the damage is told once.
TEST(DeleteEntry, DamagedEntriesEndTheirLoopsAndTellOnce) {
    struct Case {
        const char* path;
        void (*damage)(test::ProdosBuilder&, uint32_t entry, uint16_t dir);
        const char* told;
    } cases[] = {
        {"DIR/F",
         [](test::ProdosBuilder& b, uint32_t e, uint16_t) {
             uint8_t* index = b.block(le16(b.bytes().data() + e + 0x11));
             uint16_t data = uint16_t(index[0] | (index[256] << 8));
             b.block(6)[data / 8] |= uint8_t(0x80 >> (data % 8)); // already free
         },
         "was already free"},
        {"DIR/F",
         [](test::ProdosBuilder& b, uint32_t e, uint16_t) {
             putLe16(b.bytes().data() + e + 0x13, 600); // more than an index can name
         },
         "claims 597 more blocks than its index names"},
        {"DIR",
         [](test::ProdosBuilder& b, uint32_t, uint16_t dir) {
             putLe16(b.bytes().data() + 2 * 512 + 4 + 39 + 0x13, 3); // the chain is 1 block
             putLe16(b.block(dir) + 4 + 0x21, 0);                    // and counts no file
         },
         "the file count of the directory at block 7 was 0. One more fault"},
    };
    for (const Case& c : cases) {
        test::ProdosBuilder b(280, "T");
        uint16_t dir = b.addFolder(2, "DIR");
        uint32_t entry = b.addFile(dir, "F", 4, 0, Bytes(patternBytes(1000)));
        c.damage(b, entry, dir);
        test::WriteFixture o(b);
        uint32_t free = countFreeBlocks(o.image);
        EXPECT_EQ(remove(o, c.path), kDeleted) << c.told;
        ASSERT_EQ(o.outcome.messages.size(), 1u) << c.told;
        std::string told = messageText(o.outcome.messages[0]);
        EXPECT_NE(told.find(c.told), std::string::npos) << told;
        EXPECT_GE(countFreeBlocks(o.image), free + 2) << told;
        EXPECT_EQ(o.tree.size(), std::string(c.path) == "DIR" ? 1u : 2u);
        EXPECT_EQ(le16At(blockBytes(o.image, 2), 0x25), std::string(c.path) == "DIR" ? 0 : 1);
    }
}

} // namespace
} // namespace lk
