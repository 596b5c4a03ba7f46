// The catalog of a ProDOS volume: the walk of its directories (damaged ones included), the
// names, types and pictures of its nodes, and the path of the place selected.
#include <gtest/gtest.h>

#include "catalog/find_path.h"
#include "catalog/tree_icon.h"
#include "open_helpers.h"
#include "prodos/directory_walk.h"
#include "prodos/file_types.h"
#include "prodos/place_path.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

constexpr uint16_t kVol = ProdosBuilder::kVolumeKey;

TEST(DirectoryWalk, ListsFoldersAndFilesInDirectoryOrder) {
    ProdosBuilder b(280, "WORK");
    b.addFile(kVol, "FIRST", 0x04, 0, Bytes(patternBytes(10)));
    uint16_t letters = b.addFolder(kVol, "LETTERS");
    uint16_t old = b.addFolder(letters, "OLD");
    uint16_t older = b.addFolder(old, "OLDER");
    b.addFile(older, "DEEP", 0x06, 0, Bytes(patternBytes(600)));
    b.addFile(letters, "MOM", 0x1A, 0, Bytes(patternBytes(20)));
    b.addFile(kVol, "basic.system", 0xFF, 0x2000, Bytes(patternBytes(10)));
    b.addFile(kVol, "NOTDIR", 0x0F, 0,
              Bytes(patternBytes(10))); // a folder's type, a file's storage
    Opened o("w.po", b.bytes());
    EXPECT_EQ(treeLines(o.tree),
              (std::vector<std::string>{"WORK", "  FIRST", "  LETTERS", "    OLD", "      OLDER",
                                        "        DEEP", "    MOM", "  BASIC.SYSTEM", "  NOTDIR"}));
    EXPECT_EQ(o.tree.treeItemCount, 9);
    EXPECT_TRUE(o.platform.messages.empty());
    NodeId vol = o.tree.root();
    EXPECT_EQ(treeIcon(*o.tree.item(childWithText(o.tree, vol, "BASIC.SYSTEM"))), kIconBasicSystem);
    // A folder's type on a file's storage: a folder's picture, but no children.
    const CatalogItem* notDir = o.tree.item(childWithText(o.tree, vol, "NOTDIR"));
    EXPECT_EQ(treeIcon(*notDir), kIconFolder);
    EXPECT_FALSE(canHaveChildren(notDir->kind));
}

TEST(DirectoryWalk, FollowsMultiBlockDirectoriesAndSkipsUnusedEntries) {
    ProdosBuilder b(1600, "V");
    uint16_t dir = b.addFolder(kVol, "MANY");
    std::vector<uint32_t> entries;
    for (int i = 0; i < 40; ++i)
        entries.push_back(b.addFile(dir, "F" + std::to_string(i), 0x04, 0, Bytes(patternBytes(5))));
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
    Opened o("v.po", b.bytes());
    EXPECT_EQ(treeLines(o.tree), expected);
    EXPECT_EQ(o.tree.treeItemCount, int(expected.size()));
}

// The volume's picture follows the image's size; system files are shown in upper case, which
// decides between their pictures.
TEST(DirectoryWalk, VolumeAndSystemFilePictures) {
    for (auto [size, icon] :
         {std::pair{299999, kIconDisk525}, {300000, kIconDisk35}, {3000001, kIconHardDisk}})
        EXPECT_EQ(treeIcon(CatalogItem{"V", NodeKind::Volume, 0, mediumForSize(size)}), icon)
            << size;
    EXPECT_EQ(treeIcon(fileItem("ProDOS", 0xFF, 0)), kIconProdos);
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
             b.addFile(kVol, "A", 0x04, 0, Bytes(patternBytes(5)));
             putLe16(b.block(5) + 2, 3);
         },
         2, "  A", "leads back"},
        {"a folder's key block and a chain's next block beyond the image",
         [](ProdosBuilder& b) {
             b.addFile(kVol, "A", 0x04, 0, Bytes(patternBytes(5)));
             uint16_t sub = b.addFolder(kVol, "SUB");
             b.addFile(sub, "INSIDE", 0x04, 0, Bytes(patternBytes(5)));
             b.addFolder(kVol, "LOST");
             b.addFile(kVol, "B", 0x04, 0, Bytes(patternBytes(5)));
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
        Opened o("d.po", b.bytes());
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

TEST(FileTypes, NamesPackedTextAndUnnamedTypesAndTheFirstOfAName) {
    struct Case {
        uint8_t type;
        uint16_t aux;
        const char* text;
    } cases[] = {
        {0x2E, 0x8002, "PTP"}, {0x2E, 0x8001, "P8C"}, {0x5A, 0x8009, "PTP"},
        {0x5A, 0x8008, "CFG"}, {0x0D, 0, "$0D"},      {0xA0, 0, "WP "},
    };
    for (const Case& c : cases) EXPECT_EQ(typeText(c.type, c.aux), c.text) << int(c.type);
    EXPECT_EQ(fileTypeByName("TDM"), 0x20); // the first of four
    EXPECT_EQ(fileTypeByName("BAS"), 0xFC);
    EXPECT_EQ(fileTypeByName("XYZ"), -1);
}

TEST(PlacePath, NamesTheDirectoryOfTheSelectionOrWhyNot) {
    ProdosBuilder b(280, "WORK");
    b.addFile(b.addFolder(kVol, "LETTERS"), "MOM", 0x04, 0, Bytes(patternBytes(10)));
    b.addFile(kVol, "README", 0x04, 0, Bytes(patternBytes(10)));
    Opened o("w.po", b.bytes());
    // A node whose entry lies outside the image cannot be read.
    NodeId stray = o.tree.insert(kRootLevel, kInsertLast,
                                 CatalogItem{"X", NodeKind::File, 0, Medium::Floppy525, 0xFFFFFF});
    struct Case {
        NodeId select;
        int result;
        const char* path;
    } cases[] = {
        {o.tree.root(), 5, "/WORK"},
        {findNodeByPath(o.tree, "LETTERS"), 13, "/WORK/LETTERS"},
        {findNodeByPath(o.tree, "LETTERS/MOM"), 13, "/WORK/LETTERS"},
        {kNoNode, -2, ""},
        {stray, -3, ""},
    };
    for (const Case& c : cases) {
        o.tree.select(c.select);
        std::string text;
        EXPECT_EQ(placePath(o.image, o.tree, text), c.result) << c.path;
        if (c.result > 0) EXPECT_EQ(text, c.path);
    }
    CatalogTree empty;
    std::string text;
    EXPECT_EQ(placePath(o.image, empty, text), -1);
}

TEST(PlacePath, StopsOncePastTheProdosLimit) {
    ProdosBuilder b(1600, "V");
    uint16_t dir = kVol;
    // Ten folders of 15-character names: 16 characters each on the path.
    for (int i = 0; i < 10; ++i) dir = b.addFolder(dir, "FOLDERNAMEOF15" + std::to_string(i));
    Opened o("v.po", b.bytes());
    NodeId n = o.tree.root();
    for (int i = 0; i < 10; ++i) n = o.tree.firstChild(n);
    o.tree.select(n);
    std::string text;
    // The selected folder and seven ancestors make 128; the eighth ancestor pushes past it with
    // more ancestors still above, so the walk stops there.
    EXPECT_EQ(placePath(o.image, o.tree, text), -144);

    // Eight levels make 128, and the volume's "/V" pushes the result past the limit only after
    // the last ancestor: the length is returned and the callers test it.
    o.tree.select(o.tree.parent(o.tree.parent(n)));
    EXPECT_EQ(placePath(o.image, o.tree, text), 130);
    EXPECT_EQ(text.size(), 130u);
}

} // namespace
} // namespace lk::test
