#include <gtest/gtest.h>

#include "dos33/dos_entry.h"
#include "dos33/dos_error.h"
#include "dos33/read_dos_file.h"
#include "dos33_builder.h"
#include "open_helpers.h"

namespace lk::test {
namespace {

// Reads the file whose entry is at that offset, as the node of that kind.
int32_t readAt(Opened& o, uint32_t entry, NodeKind kind = NodeKind::DosFile) {
    CatalogItem node{"", kind, 0, Medium::Floppy525, entry};
    return reported(o.platform,
                    [&](Outcome& out) { return readDosFile(o.image, node, o.file, out); });
}

// Reads the file and checks what every read keeps: the length from the entry and the zero
// spare bytes after it.
std::vector<uint8_t> readAll(Opened& o, uint32_t entry) {
    int32_t n = readAt(o, entry);
    EXPECT_EQ(o.file.fileLength, n);
    EXPECT_EQ(o.file.fileData.size(), size_t(n) + 4);
    if (n < 0 || o.file.fileData.size() != size_t(n) + 4) return {};
    EXPECT_EQ(le32(o.file.fileData.data() + n), 0u);
    return std::vector<uint8_t>(o.file.fileData.begin(), o.file.fileData.begin() + n);
}

std::vector<uint8_t> paddedTo(std::vector<uint8_t> data, size_t length) {
    data.resize(length, 0);
    return data;
}

// Whole sectors in list order, the list sectors counted as zero bytes at the end.
TEST(ReadDosFile, LengthCountsListSectorsAndTheTailIsZero) {
    struct Case {
        const char* name;
        size_t bytes;
        size_t sectors; // data and list sectors
    } cases[] = {{"EMPTY", 0, 1},
                 {"ONE", 1, 2},
                 {"THREE", 768, 4},
                 {"FULL", 122 * 256, 123},
                 {"TWO LISTS", 200 * 256, 202},
                 {"ODD", 1000, 5}};
    Dos33Builder b;
    std::vector<uint32_t> entries;
    for (const Case& c : cases)
        entries.push_back(b.addFile(c.name, kDosBinary, Bytes(patternBytes(c.bytes, 3))).entry);
    Opened o;
    openBytes(o, "f.dsk", b.bytes());
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readAll(o, entries[i]), paddedTo(patternBytes(c.bytes, 3), c.sectors * 256));
        EXPECT_EQ(o.file.dosFileType, kDosBinary);
    }
    EXPECT_TRUE(o.platform.messages.empty());
}

TEST(ReadDosFile, ATrackZeroPairEndsItsListAndTheNextListGoesOnWithoutAGap) {
    // 200 data sectors in two lists: 122 then 78. Pair 3 of the first list is made (0, 0), so
    // pairs 4 ... 121 of that list are not read and the second list follows the three sectors.
    Dos33Builder b;
    std::vector<uint8_t> data = patternBytes(200 * 256, 9);
    DosFileLayout f = b.addFile("HOLES", kDosText, Bytes(data));
    ASSERT_EQ(f.lists.size(), 2u);
    putLe16(b.sector(f.lists[0].track, f.lists[0].sector) + 0x0C + 2 * 3, 0);
    Opened o;
    openBytes(o, "h.dsk", b.bytes());
    std::vector<uint8_t> expected(data.begin(), data.begin() + 3 * 256);
    expected.insert(expected.end(), data.begin() + 122 * 256, data.end());
    EXPECT_EQ(readAll(o, f.entry), paddedTo(expected, 202 * 256));
}

TEST(ReadDosFile, StopsAtTheLengthEvenWhenListsNameMore) {
    Dos33Builder b;
    std::vector<uint8_t> data = patternBytes(3 * 256, 4);
    DosFileLayout f = b.addFile("SHORT", kDosApplesoft, Bytes(data));
    for (uint16_t sectors : {2, 0}) { // one data sector; no length at all
        putLe16(b.at(f.entry) + dos::kSectorCount, sectors);
        Opened o;
        openBytes(o, "s.dsk", b.bytes());
        EXPECT_EQ(readAll(o, f.entry), paddedTo(data, sectors * 256u));
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
                 {"entry track 35", false, 0, 35, -6},
                 {"entry sector 16", false, 1, 16, -7},
                 {"next list track", true, 1, 36, -6},
                 {"next list sector", true, 2, 16, -7},
                 {"pair track 36", true, 0x0E, 36, -6, 256},
                 {"pair sector 16", true, 0x0F, 16, -7, 256}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Dos33Builder b;
        std::vector<uint8_t> data = patternBytes(600, 5);
        DosFileLayout f = b.addFile("FILE", kDosBinary, Bytes(data));
        (c.inList ? b.sector(f.lists[0].track, f.lists[0].sector) : b.at(f.entry))[c.at] = c.value;
        Opened o;
        openBytes(o, "e.dsk", b.bytes());
        EXPECT_EQ(readAt(o, f.entry), c.result);
        EXPECT_TRUE(o.platform.messages.empty());
        if (c.copied) {
            data.resize(c.copied);
            data.push_back(0);
            ASSERT_TRUE(o.file.fileDataValid);
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
        Opened o;
        openBytes(o, "l.dsk", b.bytes());
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
    Opened o;
    openBytes(o, "far.po", swapSectorOrder(b.bytes()));
    ASSERT_TRUE(o.image.bufferValid);
    std::fill(data.begin() + 256, data.begin() + 512, 0);
    EXPECT_EQ(readAll(o, f.entry), paddedTo(data, 4 * 256));
    ASSERT_EQ(o.platform.messages.size(), 1u);
    EXPECT_NE(o.platform.lastMessage().find("FAR names track 30, sector"), std::string::npos);
}

TEST(DosError, NumbersChooseTheirMessages) {
    struct Case {
        int code;
        const char* message;
    } cases[] = {{-3, "DOS error #3  No Buffers Available!"},
                 {11, "DOS error #11  VTOC error!"},
                 {-12, "DOS I/O error #12"},
                 {-100, nullptr}};
    for (const Case& c : cases) {
        Outcome outcome;
        addDosError(outcome, c.code);
        ASSERT_EQ(outcome.messages.size(), c.message ? 1u : 0u) << c.code;
        if (c.message) EXPECT_EQ(messageText(outcome.messages[0]), c.message);
    }
}

} // namespace
} // namespace lk::test
