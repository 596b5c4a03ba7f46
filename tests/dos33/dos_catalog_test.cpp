// A DOS 3.3 volume: its catalog and VTOC, refused or damaged, and its files read through their
// track/sector lists.
#include <gtest/gtest.h>

#include "catalog/tree_icon.h"
#include "dos33/dos_catalog.h"
#include "dos33/dos_entry.h"
#include "dos33/read_dos_file.h"
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
    Opened o("disk.dsk", b.bytes());
    EXPECT_TRUE(o.platform.messages.empty());
    std::vector<std::string> expected = {"DISK VOLUME 254", "  " + paddedDosName("HELLO"),
                                         "  " + paddedDosName("LOCKED.BIN"),
                                         "  " + paddedDosName("INTEGER")};
    for (int i = 0; i < 9; ++i) expected.push_back("  " + paddedDosName("F" + std::to_string(i)));
    expected.push_back("  " + paddedDosName("LoWER"));
    expected.push_back("  CU");
    EXPECT_EQ(treeLines(o.tree), expected);
    EXPECT_EQ(o.tree.treeItemCount, 15);

    NodeId volume = o.tree.root();
    EXPECT_EQ(o.tree.item(volume)->entryOffset, 69632u); // the VTOC
    EXPECT_EQ(treeIcon(*o.tree.item(o.tree.firstChild(volume))), kIconApplesoft);
    // A file's entry offset names its 35-byte entry: HELLO is entry 0 of track 17, sector 15;
    // F2 takes slot 7, counting the deleted and never-used ones: entry 0 of sector 14.
    EXPECT_EQ(o.tree.item(o.tree.firstChild(volume))->entryOffset, 17u * 4096 + 15 * 256 + 0x0B);
    NodeId f2 = childWithText(o.tree, volume, paddedDosName("F2"));
    EXPECT_EQ(o.tree.item(f2)->entryOffset, 17u * 4096 + 14 * 256 + 0x0B);
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
        {"catalog track 0", [](Dos33Builder& b) { b.vtoc()[1] = 0; }, "DOS I/O error #13"},
        {"catalog sector 16", [](Dos33Builder& b) { b.vtoc()[2] = 16; }, "DOS I/O error #14"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Dos33Builder b;
        b.addFile("HELLO", kDosText, Bytes(patternBytes(3)));
        c.damage(b);
        Opened o("bad.dsk", b.bytes());
        EXPECT_FALSE(o.image.bufferValid);
        EXPECT_TRUE(o.tree.empty());
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
        Opened o("short.po", swapSectorOrder(b.bytes()));
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
    Opened o("v.dsk", b.bytes());
    // 31 free tracks of 16 sectors: all but tracks 0 - 2 and 17.
    EXPECT_EQ(countFreeSectors(o.image), 31 * 16);

    b.addFile("TWO", kDosText, Bytes(patternBytes(256))); // a list sector and a data sector
    b.vtoc()[0x38 + 4 * 3 + 2] = 0xFF;                    // bytes 2 and 3 of a map are not counted
    b.vtoc()[0x38 + 4 * 34 + 1] &= 0xFE;                  // sector 0 of track 34 taken
    Opened used("v.dsk", b.bytes());
    EXPECT_EQ(countFreeSectors(used.image), 31 * 16 - 3);

    b.vtoc()[0x34] = 3; // three tracks per disk: a VTOC the open refuses, read as it is
    b.vtoc()[0x38] = 0x81;
    EXPECT_EQ(countFreeSectors(memoryImage(b.bytes())), 2);
}

// Reads the file whose entry is at that offset, as the node of that kind.
int32_t readAt(Opened& o, uint32_t entry, NodeKind kind = NodeKind::DosFile) {
    CatalogItem node{"", kind, 0, Medium::Floppy525, entry};
    return reported(o.platform,
                    [&](Outcome& out) { return readDosFile(o.image, node, o.file, out); });
}

std::vector<uint8_t> readAll(Opened& o, uint32_t entry) {
    return readBytes(o.file, readAt(o, entry));
}

// Whole sectors in list order, the list sectors counted as zero bytes at the end.
TEST(ReadDosFile, LengthCountsListSectorsAndTheTailIsZero) {
    struct Case {
        const char* name;
        size_t bytes;
        size_t sectors; // data and list sectors
    } cases[] = {{"EMPTY", 0, 1}, {"ODD", 1000, 5}, {"FULL", 122 * 256, 123}};
    Dos33Builder b;
    std::vector<uint32_t> entries;
    for (const Case& c : cases)
        entries.push_back(b.addFile(c.name, kDosBinary, Bytes(patternBytes(c.bytes, 3))).entry);
    Opened o("f.dsk", b.bytes());
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readAll(o, entries[i]), padded(patternBytes(c.bytes, 3), c.sectors * 256));
        EXPECT_EQ(o.file.dosFileType, kDosBinary);
    }
    EXPECT_TRUE(o.platform.messages.empty());
}

// A track-0 pair ends its list and the next list goes on without a gap; the length in the entry
// stops the read even when the lists name more.
TEST(ReadDosFile, ATrackZeroPairEndsItsListAndTheLengthEndsTheFile) {
    // 200 data sectors in two lists: 122 then 78. Pair 3 of the first list is made (0, 0), so
    // pairs 4 ... 121 of that list are not read and the second list follows the three sectors.
    Dos33Builder b;
    std::vector<uint8_t> data = patternBytes(200 * 256, 9);
    DosFileLayout f = b.addFile("HOLES", kDosText, Bytes(data));
    putLe16(b.sector(f.lists[0].track, f.lists[0].sector) + 0x0C + 2 * 3, 0);
    Opened o("h.dsk", b.bytes());
    std::vector<uint8_t> expected(data.begin(), data.begin() + 3 * 256);
    expected.insert(expected.end(), data.begin() + 122 * 256, data.end());
    EXPECT_EQ(readAll(o, f.entry), padded(expected, 202 * 256));
    for (uint16_t sectors : {2, 0}) { // one data sector; no length at all
        putLe16(o.image.buffer.data() + f.entry + dos::kSectorCount, sectors);
        EXPECT_EQ(readAll(o, f.entry), padded(data, sectors * 256u));
    }
}

// Errors are returned for the caller to report; what was copied before one stays.
TEST(ReadDosFile, ReturnsTheDosErrorNumbersAndKeepsWhatWasCopied) {
    struct Case {
        const char* what;
        bool inList; // a byte of the first list sector, else of the entry
        uint32_t at;
        uint8_t value;
        int32_t result;
        size_t copied = 0; // data bytes read before the error
    } cases[] = {{"no list", false, 0, 0, -4},
                 {"deleted", false, 0, 0xFF, -5},
                 {"entry sector 16", false, 1, 16, -7},
                 {"next list track", true, 1, 36, -6},
                 {"pair sector 16", true, 0x0F, 16, -7, 256}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Dos33Builder b;
        std::vector<uint8_t> data = patternBytes(600, 5);
        DosFileLayout f = b.addFile("FILE", kDosBinary, Bytes(data));
        (c.inList ? b.sector(f.lists[0].track, f.lists[0].sector) : b.at(f.entry))[c.at] = c.value;
        Opened o("e.dsk", b.bytes());
        EXPECT_EQ(readAt(o, f.entry), c.result);
        EXPECT_TRUE(o.platform.messages.empty());
        if (c.copied) {
            data.resize(c.copied);
            data.push_back(0);
            ASSERT_GE(o.file.fileData.size(), data.size());
            EXPECT_TRUE(std::equal(data.begin(), data.end(), o.file.fileData.begin()));
        }
        EXPECT_EQ(readAt(o, f.entry, NodeKind::DosVolume), -100);
    }
}

// A chain that copies nothing (only track-0 pairs) must end too.
TEST(ReadDosFile, ALoopingListChainEndsAndIsReportedOnce) {
    for (bool trackZeroPairs : {false, true}) {
        SCOPED_TRACE(trackZeroPairs);
        Dos33Builder b;
        std::vector<uint8_t> data = patternBytes(130 * 256, 2);
        DosFileLayout f = b.addFile("LOOPY", kDosText, Bytes(data));
        uint8_t* second = b.sector(f.lists[1].track, f.lists[1].sector);
        second[1] = f.lists[0].track; // back to the first list
        second[2] = f.lists[0].sector;
        putLe16(b.at(f.entry) + dos::kSectorCount, 60000); // far more than the lists hold
        for (const TrackSector& list : f.lists)
            if (trackZeroPairs) b.sector(list.track, list.sector)[0x0C] = 0;
        Opened o("l.dsk", b.bytes());
        EXPECT_EQ(readAt(o, f.entry), 60000 * 256);
        ASSERT_EQ(o.platform.messages.size(), 1u);
        EXPECT_EQ(o.platform.lastMessage(),
                  "The volume is damaged: the track/sector lists of LOOPY lead back to track " +
                      std::to_string(f.lists[0].track) + ", sector " +
                      std::to_string(f.lists[0].sector) +
                      ", already read. The parts of the file that could not be read are left as "
                      "zero bytes.");
        if (!trackZeroPairs)
            EXPECT_TRUE(std::equal(data.begin(), data.end(), o.file.fileData.begin()));
    }
}

TEST(ReadDosFile, SectorsBeyondAShortImageReadAsZeroAndAreReported) {
    Dos33Builder b(254, 18);
    std::vector<uint8_t> data = patternBytes(3 * 256, 8);
    DosFileLayout f = b.addFile("FAR", kDosBinary, Bytes(data));
    b.sector(f.lists[0].track, f.lists[0].sector)[0x0C + 2] = 30; // second data sector
    Opened o("far.po", swapSectorOrder(b.bytes()));
    ASSERT_TRUE(o.image.bufferValid);
    std::fill(data.begin() + 256, data.begin() + 512, 0);
    EXPECT_EQ(readAll(o, f.entry), padded(data, 4 * 256));
    ASSERT_EQ(o.platform.messages.size(), 1u);
    EXPECT_NE(o.platform.lastMessage().find("FAR names track 30, sector"), std::string::npos);
}

} // namespace
} // namespace lk::test
