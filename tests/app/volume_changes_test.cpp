#include <gtest/gtest.h>

#include "app/volume_changes.h"
#include "write_fixture.h"

namespace lk {
namespace {

bool makeFolder(test::WriteFixture& o, const std::string& place, const std::string& name) {
    o.select(place);
    return newFolder(o.image, o.tree, name, kDefaultAccess, {2004, 12, 5, 14, 7, 0}, {}, o.outcome);
}

// A new folder's header names the entry that stands for it: the 13th place of a directory
// block, or the first place of a block the directory has just grown by. Its own key block holds
// 12 entries before it grows; the folder's entry then counts the new block.
TEST(VolumeChanges, NewFoldersLinkToTheirEntries) {
    test::ProdosBuilder b(280, "V");
    for (int i = 0; i < 11; ++i) b.addFile(2, "F" + std::to_string(i), 4, 0, Bytes());
    test::WriteFixture o(b);
    ASSERT_TRUE(makeFolder(o, "/", "OUTER"));
    FileEntry outer = o.entry("OUTER");
    Bytes key = blockBytes(o.image, outer.keyPointer);
    EXPECT_EQ(key[4], 0xE5);
    EXPECT_EQ(le16(key.data() + 0x27), 2);
    EXPECT_EQ(key[0x29], 13);
    EXPECT_TRUE(std::equal(key.begin() + 0x1C, key.begin() + 0x20, outer.creation.begin()));

    for (int i = 0; i < 12; ++i) {
        o.select("OUTER");
        ASSERT_EQ(o.create("G" + std::to_string(i), Bytes()), outer.keyPointer);
    }
    ASSERT_TRUE(makeFolder(o, "OUTER", "INNER"));
    o.select("OUTER/G3"); // a file selected: the new node follows it
    ASSERT_GT(o.create("AFTER", Bytes()), 0);
    EXPECT_EQ(o.tree.item(o.tree.nextSibling(o.select("OUTER/G3")))->text, "AFTER");
    Bytes inner = blockBytes(o.image, o.entry("OUTER/INNER").keyPointer);
    uint32_t grown = le16(inner.data() + 0x27);
    EXPECT_EQ(le16(key.data() + 2), grown) << "the new block is linked to the chain";
    EXPECT_EQ(inner[0x29], 1);
    EXPECT_EQ(o.entry("OUTER").blocksUsed, 2);
    EXPECT_EQ(o.entry("OUTER").eof, 1024u);
    EXPECT_EQ(le16(key.data() + 0x25), 14);
    EXPECT_EQ(o.findings(), "");
}

} // namespace
} // namespace lk
