#include <gtest/gtest.h>

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
    b.addFile(kVol, "FIRST", 0x04, 0, Bytes(bytesOf(10)));
    uint16_t letters = b.addFolder(kVol, "LETTERS");
    uint16_t old = b.addFolder(letters, "OLD");
    uint16_t older = b.addFolder(old, "OLDER");
    b.addFile(older, "DEEP", 0x06, 0, Bytes(bytesOf(600)));
    b.addFile(letters, "MOM", 0x1A, 0, Bytes(bytesOf(20)));
    b.addFile(kVol, "LAST", 0xFC, 0x801, Bytes(bytesOf(30)));
    Opened o;
    openBytes(o, "w.po", b.bytes());
    EXPECT_EQ(treeLines(o.tree),
              (std::vector<std::string>{"WORK", "  FIRST", "  LETTERS", "    OLD", "      OLDER",
                                        "        DEEP", "    MOM", "  LAST"}));
    EXPECT_EQ(o.tree.treeItemCount, 8);
    NodeId vol = o.tree.root();
    NodeId folder = childWithText(o.tree, vol, "LETTERS");
    const CatalogItem* item = o.tree.item(folder);
    EXPECT_EQ(item->icon, kIconFolder);
    EXPECT_EQ(item->selectedIcon, kIconOpenFolder);
    EXPECT_EQ(item->hasChildren, 1);
    EXPECT_EQ(o.tree.item(vol)->hasChildren, 1);
    EXPECT_EQ(o.tree.item(childWithText(o.tree, vol, "LAST"))->hasChildren, 0);
    EXPECT_TRUE(o.platform.messages.empty());
}

TEST(DirectoryWalk, EntryOffsetsNameTheEntries) {
    ProdosBuilder b(280, "V");
    uint32_t fileEntry = b.addFile(kVol, "F", 0x04, 0, Bytes(bytesOf(10)));
    Opened o;
    openBytes(o, "v.po", b.bytes());
    EXPECT_EQ(o.tree.item(o.tree.root())->entryOffset, 2u * 512 + 4);
    EXPECT_EQ(o.tree.item(o.tree.firstChild(o.tree.root()))->entryOffset, fileEntry);
}

TEST(DirectoryWalk, FollowsMultiBlockDirectoriesAndSkipsUnusedEntries) {
    ProdosBuilder b(1600, "V");
    uint16_t dir = b.addFolder(kVol, "MANY");
    std::vector<std::string> expected{"V", "  MANY"};
    std::vector<uint32_t> entries;
    for (int i = 0; i < 40; ++i) {
        std::string name = "F" + std::to_string(i);
        entries.push_back(b.addFile(dir, name, 0x04, 0, Bytes(bytesOf(5))));
    }
    // Free, Pascal-area, undefined and header entries between used ones show no node.
    const uint8_t hidden[] = {0x00, 0x40, 0x60, 0xC0, 0xE0};
    for (size_t k = 0; k < std::size(hidden); ++k) {
        uint8_t& first = b.bytes()[entries[3 + 7 * k]];
        first = uint8_t(hidden[k] | (first & 0x0F));
    }
    for (int i = 0; i < 40; ++i) {
        bool gone = false;
        for (size_t k = 0; k < std::size(hidden); ++k) gone |= (i == int(3 + 7 * k));
        if (!gone) expected.push_back("    F" + std::to_string(i));
    }
    Opened o;
    openBytes(o, "v.po", b.bytes());
    EXPECT_EQ(treeLines(o.tree), expected);
    EXPECT_EQ(o.tree.treeItemCount, int(expected.size()));
}

TEST(DirectoryWalk, ChoosesTheVolumeIconBySize) {
    struct Case {
        int64_t size;
        int icon;
    } cases[] = {{143360, kIconDisk525},   {299999, kIconDisk525}, {300000, kIconDisk35},
                 {819200, kIconDisk35},    {3000000, kIconDisk35}, {3000001, kIconHardDisk},
                 {33553920, kIconHardDisk}};
    for (const Case& c : cases) EXPECT_EQ(volumeIconForSize(c.size), c.icon) << c.size;

    Opened o;
    openBytes(o, "blank.po", ProdosBuilder(1600, "BLANK").bytes());
    EXPECT_EQ(treeLines(o.tree), std::vector<std::string>{"BLANK"});
    EXPECT_EQ(o.tree.volumeIcon, kIconDisk35);
    EXPECT_EQ(o.tree.item(o.tree.root())->icon, kIconDisk35);
}

TEST(FileIcon, FollowsTheTypeTable) {
    struct Case {
        uint8_t type;
        const char* name;
        int icon;
        const char* shownName;
    } cases[] = {
        {0x04, "A", kIconText, "A"},
        {0x06, "A", kIconBinary, "A"},
        {0x0F, "A", kIconFolder, "A"},
        {0x19, "A", kIconDataBase, "A"},
        {0x1A, "A", kIconWordProcessor, "A"},
        {0x1B, "A", kIconSpreadsheet, "A"},
        {0x50, "A", kIconGraphicsWP, "A"},
        {0xB3, "A", kIconS16, "A"},
        {0xCA, "A", kIconIconFile, "A"},
        {0xE0, "A", kIconArchive, "A"},
        {0xFC, "A", kIconApplesoft, "A"},
        {0xFF, "BASIC.SYSTEM", kIconBasicSystem, "BASIC.SYSTEM"},
        {0xFF, "basic.system", kIconBasicSystem, "BASIC.SYSTEM"},
        {0xFF, "PRODOS", kIconProdos, "PRODOS"},
        {0xFF, "ProDOS", kIconProdos, "PRODOS"},
        {0xFF, "edit.system", kIconSystem, "EDIT.SYSTEM"},
        {0x00, "a", kIconBlankPage, "a"},
        {0xC1, "pic", kIconBlankPage, "pic"},
        {0xFE, "BASIC.SYSTEM", kIconBlankPage, "BASIC.SYSTEM"},
    };
    for (const Case& c : cases) {
        std::string name = c.name;
        EXPECT_EQ(fileIcon(c.type, 0, name), c.icon) << int(c.type) << " " << c.name;
        EXPECT_EQ(name, c.shownName);
    }
}

TEST(DirectoryWalk, ShowsSystemFileNamesInUpperCase) {
    ProdosBuilder b(280, "V");
    b.addFile(kVol, "basic.system", 0xFF, 0x2000, Bytes(bytesOf(10)));
    b.addFile(kVol, "NOTDIR", 0x0F, 0, Bytes(bytesOf(10)));
    Opened o;
    openBytes(o, "v.po", b.bytes());
    NodeId sys = childWithText(o.tree, o.tree.root(), "BASIC.SYSTEM");
    ASSERT_NE(sys, kNoNode);
    EXPECT_EQ(o.tree.item(sys)->icon, kIconBasicSystem);
    const CatalogItem* notDir = o.tree.item(childWithText(o.tree, o.tree.root(), "NOTDIR"));
    EXPECT_EQ(notDir->icon, kIconFolder);
    EXPECT_EQ(notDir->hasChildren, 0);
}

// Damaged volumes: the walk keeps what it read and the user hears of it once.
struct Damaged {
    Opened o;
    void open(std::vector<uint8_t> bytes) { openBytes(o, "d.po", std::move(bytes)); }
    void expectToldOnce() {
        ASSERT_TRUE(o.image.bufferValid);
        ASSERT_EQ(o.platform.messages.size(), 1u);
        EXPECT_EQ(o.platform.messages[0].text.rfind("The volume is damaged: ", 0), 0u)
            << o.platform.messages[0].text;
    }
};

TEST(DirectoryWalkDamage, ADirectoryChainThatLoopsEnds) {
    ProdosBuilder b(280, "V");
    b.addFile(kVol, "A", 0x04, 0, Bytes(bytesOf(5)));
    putLe16(b.block(5) + 2, 3); // the last volume directory block leads back to block 3
    Damaged d;
    d.open(b.bytes());
    d.expectToldOnce();
    EXPECT_EQ(treeLines(d.o.tree), (std::vector<std::string>{"V", "  A"}));
}

TEST(DirectoryWalkDamage, PointersBeyondTheImageEndThatPart) {
    ProdosBuilder b(280, "V");
    b.addFile(kVol, "A", 0x04, 0, Bytes(bytesOf(5)));
    uint16_t dir = b.addFolder(kVol, "SUB");
    b.addFile(dir, "INSIDE", 0x04, 0, Bytes(bytesOf(5)));
    uint32_t lost = b.addFolder(kVol, "LOST");
    b.addFile(kVol, "B", 0x04, 0, Bytes(bytesOf(5)));
    // LOST's key block lies far beyond the 280 blocks of the image.
    for (uint32_t k = 1; k < 13; ++k) {
        uint8_t* e = b.block(2) + 4 + 39 * k;
        if ((e[0] >> 4) == 0xD && le16(e + 0x11) == lost) putLe16(e + 0x11, 60000);
    }
    putLe16(b.block(dir) + 2, 9999); // SUB's chain runs off the image after its first block
    Damaged d;
    d.open(b.bytes());
    d.expectToldOnce();
    EXPECT_EQ(treeLines(d.o.tree),
              (std::vector<std::string>{"V", "  A", "  SUB", "    INSIDE", "  LOST", "  B"}));
    EXPECT_NE(d.o.platform.lastMessage().find("One more fault"), std::string::npos);
}

TEST(DirectoryWalkDamage, AFolderHoldingItsOwnParentEnds) {
    ProdosBuilder b(280, "V");
    uint16_t dir = b.addFolder(kVol, "SELF");
    FileEntry back = makeEntry(kStorageSubdirectory, "BACK", 0x0F, kVol, 512);
    b.addEntry(dir, back);
    Damaged d;
    d.open(b.bytes());
    d.expectToldOnce();
    EXPECT_EQ(treeLines(d.o.tree), (std::vector<std::string>{"V", "  SELF", "    BACK"}));
}

TEST(DirectoryWalkDamage, FoldersNestedTooDeepAreShownButNotWalked) {
    ProdosBuilder b(1600, "V");
    uint16_t dir = kVol;
    for (int level = 1; level <= kMaxFolderDepth + 3; ++level)
        dir = b.addFolder(dir, "D" + std::to_string(level));
    Damaged d;
    d.open(b.bytes());
    d.expectToldOnce();
    // The volume, then folders D1 .. D65: the 65th is shown but its contents are not read.
    EXPECT_EQ(d.o.tree.size(), size_t(1 + kMaxFolderDepth + 1));
    EXPECT_NE(d.o.platform.lastMessage().find("64 levels"), std::string::npos);
}

} // namespace
} // namespace lk::test
