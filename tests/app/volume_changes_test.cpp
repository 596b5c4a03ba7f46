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
// 12 entries before it grows.
TEST(VolumeChanges, NewFoldersLinkToTheirEntries) {
    test::ProdosBuilder b(280, "V");
    for (int i = 0; i < 11; ++i) b.addFile(2, "F" + std::to_string(i), 4, 0, Bytes());
    test::WriteFixture o(b);
    ASSERT_TRUE(makeFolder(o, "/", "OUTER"));
    FileEntry outer = o.entry("OUTER");
    Bytes key = blockBytes(o.image, outer.keyPointer);
    EXPECT_EQ(key[4], 0xE5);
    EXPECT_EQ(key[0x14], 0x75);
    EXPECT_EQ(le16(key.data() + 0x27), 2);
    EXPECT_EQ(key[0x29], 13);
    EXPECT_EQ(key[0x2A], 39);
    EXPECT_TRUE(std::equal(key.begin() + 0x1C, key.begin() + 0x20, outer.creation.begin()));
    EXPECT_EQ(outer.creation, (std::array<uint8_t, 4>{0x85, 0x09, 0x07, 0x0E}));

    for (int i = 0; i < 12; ++i) {
        o.select("OUTER");
        ASSERT_EQ(o.create("G" + std::to_string(i), Bytes()), outer.keyPointer);
    }
    ASSERT_TRUE(makeFolder(o, "OUTER", "INNER"));
    Bytes inner = blockBytes(o.image, o.entry("OUTER/INNER").keyPointer);
    uint32_t grown = le16(inner.data() + 0x27);
    EXPECT_EQ(le16(key.data() + 2), grown) << "the new block is linked to the chain";
    EXPECT_EQ(inner[0x29], 1);
    EXPECT_EQ(o.entry("OUTER").blocksUsed, 2);
    EXPECT_EQ(o.entry("OUTER").eof, 1024u);
    EXPECT_EQ(le16(key.data() + 0x25), 13);
    EXPECT_EQ(o.findings(), "");
    EXPECT_TRUE(o.outcome.empty());
}

} // namespace
} // namespace lk
