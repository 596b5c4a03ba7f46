#include <gtest/gtest.h>

#include "catalog/tree_icon.h"
#include "dos33/dos_catalog.h"
#include "dos33/dos_entry.h"
#include "dos33/vtoc.h"
#include "dos33_builder.h"
#include "open_helpers.h"

namespace lk::test {
namespace {

TEST(DosCatalog, ShowsVolumeAndFilesInCatalogOrder) {
    Dos33Builder b(254);
    b.addFile("HELLO", kDosApplesoft, Bytes(withLengthWord(Bytes(patternBytes(300)))));
    uint32_t gone = b.addFile("GONE", kDosText, Bytes(patternBytes(10))).entry;
    b.skipSlot(); // a never-used entry between two used ones
    b.addFile("LOCKED.BIN", kDosBinary, Bytes(binaryFile(0x300, Bytes(patternBytes(20)))), true);
    b.addFile("INTEGER", kDosInteger, Bytes(patternBytes(5)));
    // Enough files to fill the first catalog sector and go on into the next ones.
    for (int i = 0; i < 9; ++i) b.addFile("F" + std::to_string(i), 0x10, Bytes(patternBytes(1)));
    b.deleteFile(gone);
    uint32_t lower = b.addFile("LOWER", kDosText, Bytes(patternBytes(3))).entry;
    b.at(lower)[dos::kName + 1] = 0xEF; // "o" with bit 7 set
    uint32_t cut = b.addFile("CUT", kDosText, Bytes(patternBytes(3))).entry;
    b.at(cut)[dos::kName + 2] = 0x80; // a zero once bit 7 is cleared ends the name
    Opened o;
    openBytes(o, "disk.dsk", b.bytes());
    ASSERT_TRUE(o.image.bufferValid) << o.platform.lastMessage();
    EXPECT_TRUE(o.image.isDos33);
    EXPECT_TRUE(o.platform.messages.empty());
    EXPECT_FALSE(o.platform.waitCursor);

    std::vector<std::string> expected = {"DISK VOLUME 254", "  " + paddedDosName("HELLO"),
                                         "  " + paddedDosName("LOCKED.BIN"),
                                         "  " + paddedDosName("INTEGER")};
    for (int i = 0; i < 9; ++i) expected.push_back("  " + paddedDosName("F" + std::to_string(i)));
    expected.push_back("  " + paddedDosName("LoWER"));
    expected.push_back("  CU");
    EXPECT_EQ(treeLines(o.tree), expected);
    EXPECT_EQ(o.tree.treeItemCount, 15);

    NodeId volume = o.tree.root();
    EXPECT_EQ(o.tree.selection(), volume);
    EXPECT_EQ(treeIcon(*o.tree.item(o.tree.root())), kIconDisk525);
    const CatalogItem& v = *o.tree.item(volume);
    EXPECT_EQ(treeIcon(v), kIconDisk525);
    EXPECT_EQ(selectedTreeIcon(v), kIconDisk525);
    EXPECT_TRUE(canHaveChildren(v.kind));
    EXPECT_EQ(v.entryOffset, 69632u); // the VTOC
    // Icons by type; a file has no children.
    std::vector<int> icons;
    for (NodeId n = o.tree.firstChild(volume); n != kNoNode; n = o.tree.nextSibling(n))
        icons.push_back(treeIcon(*o.tree.item(n)) + 100 * canHaveChildren(o.tree.item(n)->kind));
    EXPECT_EQ(std::vector<int>(icons.begin(), icons.begin() + 4),
              (std::vector<int>{kIconApplesoft, kIconBinary, kIconBlankPage, kIconBlankPage}));
    // A file's entry offset names its 35-byte entry: HELLO is entry 0 of track 17, sector 15;
    // F2 takes slot 7, counting the deleted and never-used ones: entry 0 of sector 14.
    EXPECT_EQ(o.tree.item(o.tree.firstChild(volume))->entryOffset, 17u * 4096 + 15 * 256 + 0x0B);
    NodeId f2 = childWithText(o.tree, volume, paddedDosName("F2"));
    EXPECT_EQ(o.tree.item(f2)->entryOffset, 17u * 4096 + 14 * 256 + 0x0B);

    Opened blank;
    openBytes(blank, "blank.do", Dos33Builder(7).bytes());
    EXPECT_EQ(treeLines(blank.tree), std::vector<std::string>{"DISK VOLUME 007"});
}

TEST(DosCatalog, RefusesWithTheDosErrorNumber) {
    struct Case {
        const char* what;
        void (*damage)(Dos33Builder&);
        const char* message;
    } cases[] = {
        {"boot code differs in byte 20", [](Dos33Builder& b) { b.sector(0, 0)[20] ^= 1; },
         "DOS error #10  Not a standard DOS 3.3 disk!"},
        {"40 tracks per disk", [](Dos33Builder& b) { b.vtoc()[0x34] = 40; },
         "DOS error #11  VTOC error!"},
        {"catalog track 35", [](Dos33Builder& b) { b.vtoc()[1] = 35; }, "DOS I/O error #12"},
        {"next catalog track $80", [](Dos33Builder& b) { b.sector(17, 15)[1] = 0x80; },
         "DOS I/O error #12"},
        {"catalog track 0", [](Dos33Builder& b) { b.vtoc()[1] = 0; }, "DOS I/O error #13"},
        {"catalog sector 16", [](Dos33Builder& b) { b.vtoc()[2] = 16; }, "DOS I/O error #14"},
        {"next catalog sector 16", [](Dos33Builder& b) { b.sector(17, 14)[2] = 16; },
         "DOS I/O error #14"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Dos33Builder b;
        b.addFile("HELLO", kDosText, Bytes(patternBytes(3)));
        c.damage(b);
        Opened o;
        openBytes(o, "bad.dsk", b.bytes());
        EXPECT_FALSE(o.image.bufferValid);
        EXPECT_TRUE(o.tree.empty());
        EXPECT_FALSE(o.platform.waitCursor);
        ASSERT_EQ(o.platform.messages.size(), 1u);
        EXPECT_EQ(o.platform.lastMessage(), c.message);
    }
}

// The files read before the damage show once; the user hears of it once. The image is a
// ProDOS-order file of 18 tracks, so a catalog going on at track 20 runs past its end.
TEST(DosCatalog, StopsALoopingOrEscapingChainAndSaysTheDiskIsDamaged) {
    struct Case {
        const char* what;
        void (*damage)(Dos33Builder&);
        size_t files;
        const char* note;
    } cases[] = {
        {"loop", [](Dos33Builder& b) { b.sector(17, 14)[2] = 15; }, 9, "leads back to track 17"},
        {"self loop", [](Dos33Builder& b) { b.sector(17, 15)[2] = 15; }, 7,
         "leads back to track 17, sector 15"},
        {"beyond the image", [](Dos33Builder& b) { b.sector(17, 15)[1] = 20; }, 7,
         "beyond the end of the image"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Dos33Builder b(254, 18);
        for (int i = 0; i < 9; ++i) b.addFile("F" + std::to_string(i), 0, Bytes(patternBytes(1)));
        c.damage(b);
        Opened o;
        openBytes(o, "short.po", swapSectorOrder(b.bytes()));
        ASSERT_TRUE(o.image.bufferValid);
        EXPECT_EQ(o.tree.childCount(o.tree.root()), c.files);
        ASSERT_EQ(o.platform.messages.size(), 1u);
        std::string message = o.platform.lastMessage();
        EXPECT_EQ(message.rfind("The volume is damaged: the catalog", 0), 0u) << message;
        EXPECT_NE(message.find(c.note), std::string::npos) << message;
        EXPECT_NE(message.find("part of the catalog it could read"), std::string::npos);
    }
}

// The VTOC's own fields are compared with the corpus; here the free-sector count's edges.
TEST(Vtoc, CountsTheFreeSectorsOfTheTracksItCounts) {
    Dos33Builder b(17);
    Opened o;
    openBytes(o, "v.dsk", b.bytes());
    // 31 free tracks of 16 sectors: all but tracks 0 - 2 and 17.
    EXPECT_EQ(countFreeSectors(o.image), 31 * 16);

    b.addFile("TWO", kDosText, Bytes(patternBytes(256))); // a list sector and a data sector
    b.vtoc()[0x38 + 4 * 3 + 2] = 0xFF;                    // bytes 2 and 3 of a map are not counted
    b.vtoc()[0x38 + 4 * 34 + 1] &= 0xFE;                  // sector 0 of track 34 taken
    Opened used;
    openBytes(used, "v.dsk", b.bytes());
    EXPECT_EQ(countFreeSectors(used.image), 31 * 16 - 3);

    b.vtoc()[0x34] = 3; // three tracks per disk: a VTOC the open refuses, read as it is
    b.vtoc()[0x38] = 0x81;
    DiskImage three;
    three.bufferValid = true;
    three.buffer = b.bytes();
    three.buffer.resize(three.buffer.size() + kSpareBytes);
    EXPECT_EQ(countFreeSectors(three), 2);
}

} // namespace
} // namespace lk::test
