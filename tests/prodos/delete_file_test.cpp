#include <gtest/gtest.h>

#include "catalog/find_path.h"
#include "prodos/delete_file.h"
#include "prodos/volume_bit_map.h"
#include "write_fixture.h"

namespace lk {
namespace {

using test::patternBytes;

int remove(test::WriteFixture& o, const std::string& path, DeleteOptions options = {false, true}) {
    o.select(path);
    o.outcome = {};
    return deleteSelected(o.image, o.tree, options, o.outcome);
}

TEST(DeleteEntry, FreesEveryBlockOfEachStorageKind) {
    test::ProdosBuilder b(1600);
    std::vector<uint8_t> sparse(1000, 0); // index entry 0 sparse, entry 1 a block
    sparse[700] = 7;
    b.addFile(2, "SAPLING", 4, 0, Bytes(patternBytes(1000)));
    b.addFile(2, "SPARSE", 4, 0, Bytes(sparse), true, true);
    b.addFile(2, "TREE", 6, 0, Bytes(patternBytes(200000)));
    b.addExtended(2, "FORKED", 0xB3, 0, Bytes(patternBytes(20)), Bytes(patternBytes(600)));
    test::WriteFixture o(b);
    uint32_t free = countFreeBlocks(o.image);
    for (auto [name, blocks] :
         {std::pair{"SAPLING", 3}, {"SPARSE", 2}, {"TREE", 394}, {"FORKED", 5}}) {
        EXPECT_EQ(o.entry(name).blocksUsed, blocks) << name;
        EXPECT_EQ(remove(o, name), kDeleted);
        EXPECT_EQ(countFreeBlocks(o.image), free += blocks) << name;
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
    std::vector<uint8_t> before = o.image.buffer;
    for (auto [path, asked] :
         {std::pair{"OUTER", "Are you sure you want to remove\nthe directory and all its files?"},
          {"C", "Are you sure you want to delete this file?"},
          {"/", "Do you want to remove all the files on the disk image?"}}) {
        EXPECT_EQ(remove(o, path, {true, false}), kDeleteAnsweredNo);
        EXPECT_EQ(messageText(*o.outcome.question), asked);
    }
    EXPECT_EQ(o.image.buffer, before);
    EXPECT_EQ(remove(o, "OUTER", {true, true}), kDeleted);
    EXPECT_EQ(o.tree.size(), 2u);
    EXPECT_EQ(le16At(blockBytes(o.image, 2), 0x25), 1);
    EXPECT_EQ(o.findings(), "");
    EXPECT_EQ(remove(o, "/"), kDeleted);
    EXPECT_EQ(o.tree.size(), 1u);
    EXPECT_EQ(countFreeBlocks(o.image), 280u - 7) << "the boot blocks, directory and map stay";
}

// Damaged entries: the loops end, only what was walked is freed, a block already free stays
// free, a count of 0 stays 0, and the damage is told once.
TEST(DeleteEntry, DamagedEntriesEndTheirLoopsAndTellOnce) {
    // DIR is block 7 and names F (1000 bytes: index block 8, data blocks 9 and 10).
    struct Case {
        const char* path;
        std::vector<std::pair<uint32_t, uint16_t>> writes; // 16-bit values at image offsets
        const char* told;
    } cases[] = {
        {"DIR/F", {{6 * 512 + 1, 0xFF5F}}, "block 9 of /T/DIR/F was already free"},
        {"DIR/F", {{7 * 512 + 43 + 0x13, 600}}, "claims 597 more blocks than its index names"},
        {"DIR", // the chain is 1 block, and the folder counts no file
         {{2 * 512 + 43 + 0x13, 3}, {7 * 512 + 4 + 0x21, 0}},
         "the file count of the directory at block 7 was 0. One more fault"},
    };
    for (const Case& c : cases) {
        test::ProdosBuilder b(280, "T");
        b.addFile(b.addFolder(2, "DIR"), "F", 4, 0, Bytes(patternBytes(1000)));
        for (auto [at, value] : c.writes) putLe16(b.bytes().data() + at, value);
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
