#include <gtest/gtest.h>

#include "catalog/tree_icon.h"
#include "open_helpers.h"
#include "prodos/directory_walk.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

constexpr uint16_t kVol = ProdosBuilder::kVolumeKey;

std::vector<uint8_t> bytesOf(size_t n) {
    return patternBytes(n);
}

TEST(DirectoryWalk, ListsFoldersAndFilesInDirectoryOrder) {
    ProdosBuilder b(280, "WORK");
    uint32_t first = b.addFile(kVol, "FIRST", 0x04, 0, Bytes(bytesOf(10)));
    uint16_t letters = b.addFolder(kVol, "LETTERS");
    uint16_t old = b.addFolder(letters, "OLD");
    uint16_t older = b.addFolder(old, "OLDER");
    b.addFile(older, "DEEP", 0x06, 0, Bytes(bytesOf(600)));
    b.addFile(letters, "MOM", 0x1A, 0, Bytes(bytesOf(20)));
    b.addFile(kVol, "basic.system", 0xFF, 0x2000, Bytes(bytesOf(10)));
    b.addFile(kVol, "NOTDIR", 0x0F, 0, Bytes(bytesOf(10))); // a folder's type, a file's storage
    Opened o;
    openBytes(o, "w.po", b.bytes());
    EXPECT_EQ(treeLines(o.tree),
              (std::vector<std::string>{"WORK", "  FIRST", "  LETTERS", "    OLD", "      OLDER",
                                        "        DEEP", "    MOM", "  BASIC.SYSTEM", "  NOTDIR"}));
    EXPECT_EQ(o.tree.treeItemCount, 9);
    EXPECT_TRUE(o.platform.messages.empty());
    NodeId vol = o.tree.root();
    EXPECT_EQ(o.tree.item(vol)->entryOffset, 2u * 512 + 4);
    EXPECT_EQ(o.tree.item(o.tree.firstChild(vol))->entryOffset, first);
    EXPECT_TRUE(canHaveChildren(o.tree.item(vol)->kind));
    const CatalogItem* folder = o.tree.item(childWithText(o.tree, vol, "LETTERS"));
    EXPECT_EQ(treeIcon(*folder), kIconFolder);
    EXPECT_EQ(selectedTreeIcon(*folder), kIconOpenFolder);
    EXPECT_TRUE(canHaveChildren(folder->kind));
    EXPECT_EQ(treeIcon(*o.tree.item(childWithText(o.tree, vol, "BASIC.SYSTEM"))), kIconBasicSystem);
    const CatalogItem* notDir = o.tree.item(childWithText(o.tree, vol, "NOTDIR"));
    EXPECT_EQ(treeIcon(*notDir), kIconFolder);
    EXPECT_FALSE(canHaveChildren(notDir->kind));
}

TEST(DirectoryWalk, FollowsMultiBlockDirectoriesAndSkipsUnusedEntries) {
    ProdosBuilder b(1600, "V");
    uint16_t dir = b.addFolder(kVol, "MANY");
    std::vector<uint32_t> entries;
    for (int i = 0; i < 40; ++i)
        entries.push_back(b.addFile(dir, "F" + std::to_string(i), 0x04, 0, Bytes(bytesOf(5))));
    // Free, Pascal-area, undefined and header entries between used ones show no node: F3, F10,
    // F17, F24 and F31.
    const uint8_t hidden[] = {0x00, 0x40, 0x60, 0xC0, 0xE0};
    for (size_t k = 0; k < std::size(hidden); ++k) {
        uint8_t& first = b.bytes()[entries[3 + 7 * k]];
        first = uint8_t(hidden[k] | (first & 0x0F));
    }
    std::vector<std::string> expected{"V", "  MANY"};
    for (int i = 0; i < 40; ++i)
        if (i % 7 != 3 || i > 31) expected.push_back("    F" + std::to_string(i));
    Opened o;
    openBytes(o, "v.po", b.bytes());
    EXPECT_EQ(treeLines(o.tree), expected);
    EXPECT_EQ(o.tree.treeItemCount, int(expected.size()));
}

TEST(DirectoryWalk, ChoosesTheVolumeIconBySize) {
    struct Case {
        int64_t size;
        int icon;
    } cases[] = {{299999, kIconDisk525},
                 {300000, kIconDisk35},
                 {3000000, kIconDisk35},
                 {3000001, kIconHardDisk}};
    for (const Case& c : cases) {
        CatalogItem volume{"V", NodeKind::Volume, 0, mediumForSize(c.size)};
        EXPECT_EQ(treeIcon(volume), c.icon) << c.size;
    }
    Opened o;
    openBytes(o, "blank.po", ProdosBuilder(1600, "BLANK").bytes());
    EXPECT_EQ(treeLines(o.tree), std::vector<std::string>{"BLANK"});
    EXPECT_EQ(treeIcon(*o.tree.item(o.tree.root())), kIconDisk35);
}

// System files are shown in upper case, which decides between their three pictures.
TEST(FileIcon, NamesSystemFilesInUpperCase) {
    struct Case {
        const char* name;
        int icon;
        const char* shownName;
    } cases[] = {{"basic.system", kIconBasicSystem, "BASIC.SYSTEM"},
                 {"ProDOS", kIconProdos, "PRODOS"},
                 {"edit.system", kIconSystem, "EDIT.SYSTEM"}};
    for (const Case& c : cases) {
        CatalogItem item = fileItem(c.name, 0xFF, 0);
        EXPECT_EQ(item.text, c.shownName);
        EXPECT_EQ(treeIcon(item), c.icon) << c.name;
    }
    EXPECT_EQ(fileItem("basic.system", 0xFE, 0).text, "basic.system");
}

// Damaged volumes: the walk keeps what it read and the user hears of it once.
TEST(DirectoryWalkDamage, KeepsWhatItReadAndTellsOnce) {
    struct Case {
        const char* what;
        void (*build)(ProdosBuilder&);
        size_t nodes;
        const char* lastLine;
        const char* note;
    } cases[] = {
        {"the last volume directory block leads back to block 3",
         [](ProdosBuilder& b) {
             b.addFile(kVol, "A", 0x04, 0, Bytes(bytesOf(5)));
             putLe16(b.block(5) + 2, 3);
         },
         2, "  A", "leads back"},
        {"a folder's key block and a chain's next block beyond the image",
         [](ProdosBuilder& b) {
             b.addFile(kVol, "A", 0x04, 0, Bytes(bytesOf(5)));
             uint16_t sub = b.addFolder(kVol, "SUB");
             b.addFile(sub, "INSIDE", 0x04, 0, Bytes(bytesOf(5)));
             b.addFolder(kVol, "LOST");
             b.addFile(kVol, "B", 0x04, 0, Bytes(bytesOf(5)));
             putLe16(b.block(kVol) + 4 + 39 * 3 + 0x11, 60000); // LOST's key block
             putLe16(b.block(sub) + 2, 9999);
         },
         6, "  B", "One more fault"},
        {"a folder holding its own parent",
         [](ProdosBuilder& b) {
             b.addEntry(b.addFolder(kVol, "SELF"),
                        makeEntry(kStorageSubdirectory, "BACK", 0x0F, kVol, 512));
         },
         3, "    BACK", "damaged"},
        {"folders nested too deep are shown but not walked",
         [](ProdosBuilder& b) {
             uint16_t dir = kVol;
             for (int level = 1; level <= kMaxFolderDepth + 3; ++level)
                 dir = b.addFolder(dir, "D" + std::to_string(level));
         },
         1 + kMaxFolderDepth + 1, nullptr, "64 levels"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProdosBuilder b(1600, "V");
        c.build(b);
        Opened o;
        openBytes(o, "d.po", b.bytes());
        ASSERT_TRUE(o.image.bufferValid);
        std::vector<std::string> lines = treeLines(o.tree);
        EXPECT_EQ(lines.size(), c.nodes);
        if (c.lastLine) EXPECT_EQ(lines.back(), c.lastLine);
        ASSERT_EQ(o.platform.messages.size(), 1u);
        EXPECT_EQ(o.platform.lastMessage().rfind("The volume is damaged: ", 0), 0u);
        EXPECT_NE(o.platform.lastMessage().find(c.note), std::string::npos)
            << o.platform.lastMessage();
    }
}

} // namespace
} // namespace lk::test
