#include <gtest/gtest.h>

#include "dos33/dos_entry.h"
#include "dos33/dos_error.h"
#include "dos33/read_dos_file.h"
#include "dos33_builder.h"
#include "open_helpers.h"

namespace lk::test {
namespace {

// Reads the file and checks what every read keeps: the length from the entry and zero bytes
// from the end of the data through the spare bytes.
std::vector<uint8_t> readAll(Opened& o, uint32_t entry, size_t dataBytes) {
    int32_t n = readDosFile(o.image, entry, kIconText, o.file, o.platform);
    EXPECT_GE(n, 0);
    if (n < 0) return {};
    EXPECT_EQ(o.file.fileLength, n);
    EXPECT_EQ(o.file.fileData.size(), size_t(n) + 4);
    for (size_t i = dataBytes; i < o.file.fileData.size(); ++i) {
        if (o.file.fileData[i] != 0) {
            ADD_FAILURE() << "byte " << i << " of the tail is not zero";
            break;
        }
    }
    return std::vector<uint8_t>(o.file.fileData.begin(), o.file.fileData.begin() + n);
}

std::vector<uint8_t> paddedTo(std::vector<uint8_t> data, size_t length) {
    data.resize(length, 0);
    return data;
}

TEST(ReadDosFile, LengthCountsListSectorsAndTheTailIsZero) {
    struct Case {
        const char* name;
        size_t bytes;
        size_t sectors; // data and list sectors
    } cases[] = {
        {"EMPTY", 0, 1},
        {"ONE", 1, 2},
        {"THREE", 768, 4},
        {"FULL", 122 * 256, 123},
        {"TWO LISTS", 200 * 256, 202},
        {"ODD", 1000, 5},
    };
    Dos33Builder b;
    std::vector<uint32_t> entries;
    for (const Case& c : cases)
        entries.push_back(b.addFile(c.name, kDosBinary, Bytes(patternBytes(c.bytes, 3))).entry);
    Opened o;
    openBytes(o, "f.dsk", b.bytes());
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        DosEntry e;
        ASSERT_TRUE(dosEntryAt(o.image, entries[i], e));
        EXPECT_EQ(e.sectors, c.sectors);
        std::vector<uint8_t> got = readAll(o, entries[i], c.bytes);
        EXPECT_EQ(got, paddedTo(patternBytes(c.bytes, 3), c.sectors * 256));
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
    uint8_t* first = b.sector(f.lists[0].track, f.lists[0].sector);
    first[0x0C + 2 * 3] = 0;
    first[0x0C + 2 * 3 + 1] = 0;
    Opened o;
    openBytes(o, "h.dsk", b.bytes());
    std::vector<uint8_t> got = readAll(o, f.entry, (3 + 78) * 256);
    std::vector<uint8_t> expected(data.begin(), data.begin() + 3 * 256);
    expected.insert(expected.end(), data.begin() + 122 * 256, data.end());
    EXPECT_EQ(got, paddedTo(expected, 202 * 256));
}

TEST(ReadDosFile, StopsAtTheLengthEvenWhenListsNameMore) {
    Dos33Builder b;
    std::vector<uint8_t> data = patternBytes(3 * 256, 4);
    DosFileLayout f = b.addFile("SHORT", kDosApplesoft, Bytes(data));
    putLe16(b.at(f.entry) + dos::kSectorCount, 2); // says one data sector only
    Opened o;
    openBytes(o, "s.dsk", b.bytes());
    EXPECT_EQ(readAll(o, f.entry, 512), std::vector<uint8_t>(data.begin(), data.begin() + 512));
    EXPECT_EQ(o.file.dosFileType, kDosApplesoft);

    putLe16(b.at(f.entry) + dos::kSectorCount, 0); // no length at all: nothing is copied
    Opened zero;
    openBytes(zero, "s.dsk", b.bytes());
    EXPECT_EQ(readDosFile(zero.image, f.entry, kIconText, zero.file, zero.platform), 0);
    EXPECT_EQ(std::vector<uint8_t>(zero.file.fileData.begin(), zero.file.fileData.end()),
              std::vector<uint8_t>(4, 0));
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
    } cases[] = {
        {"no list", false, 0, 0, -4},
        {"deleted", false, 0, 0xFF, -5},
        {"entry track 35", false, 0, 35, -6},
        {"entry sector 16", false, 1, 16, -7},
        {"next list track", true, 1, 36, -6},
        {"next list sector", true, 2, 16, -7},
        {"pair track 36", true, 0x0E, 36, -6, 256},
        {"pair sector 16", true, 0x0F, 16, -7, 256},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Dos33Builder b;
        std::vector<uint8_t> data = patternBytes(600, 5);
        DosFileLayout f = b.addFile("FILE", kDosBinary, Bytes(data));
        (c.inList ? b.sector(f.lists[0].track, f.lists[0].sector) : b.at(f.entry))[c.at] = c.value;
        Opened o;
        openBytes(o, "e.dsk", b.bytes());
        EXPECT_EQ(readDosFile(o.image, f.entry, kIconText, o.file, o.platform), c.result);
        EXPECT_TRUE(o.platform.messages.empty());
        if (c.copied) {
            EXPECT_TRUE(o.file.fileDataValid);
            data.resize(c.copied);
            data.push_back(0);
            ASSERT_GE(o.file.fileData.size(), data.size());
            EXPECT_TRUE(std::equal(data.begin(), data.end(), o.file.fileData.begin()));
        }
        EXPECT_EQ(readDosFile(o.image, f.entry, kIconDisk525, o.file, o.platform), -100);
    }
}

TEST(ReadDosFile, ALoopingListChainEndsAndIsReportedOnce) {
    struct Case {
        const char* what;
        bool trackZeroPairs; // a chain that copies nothing must end too
    } cases[] = {{"with data", false}, {"only track-0 pairs", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Dos33Builder b;
        std::vector<uint8_t> data = patternBytes(130 * 256, 2);
        DosFileLayout f = b.addFile("LOOPY", kDosText, Bytes(data));
        uint8_t* second = b.sector(f.lists[1].track, f.lists[1].sector);
        second[1] = f.lists[0].track; // back to the first list
        second[2] = f.lists[0].sector;
        putLe16(b.at(f.entry) + dos::kSectorCount, 60000); // far more than the lists hold
        if (c.trackZeroPairs) {
            for (int l = 0; l < 2; ++l)
                b.sector(f.lists[size_t(l)].track, f.lists[size_t(l)].sector)[0x0C] = 0;
        }
        Opened o;
        openBytes(o, "l.dsk", b.bytes());
        int32_t n = readDosFile(o.image, f.entry, kIconText, o.file, o.platform);
        EXPECT_EQ(n, 60000 * 256);
        ASSERT_EQ(o.platform.messages.size(), 1u);
        EXPECT_EQ(o.platform.lastMessage(),
                  "The volume is damaged: the track/sector lists of LOOPY lead back to track " +
                      std::to_string(f.lists[0].track) + ", sector " +
                      std::to_string(f.lists[0].sector) +
                      ", already read. The parts of the file that could not be read are left as "
                      "zero bytes.");
        if (!c.trackZeroPairs)
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
    std::vector<uint8_t> got = readAll(o, f.entry, 3 * 256);
    std::vector<uint8_t> expected = data;
    std::fill(expected.begin() + 256, expected.begin() + 512, 0);
    EXPECT_EQ(got, paddedTo(expected, 4 * 256));
    ASSERT_EQ(o.platform.messages.size(), 1u);
    EXPECT_NE(o.platform.lastMessage().find("FAR names track 30, sector"), std::string::npos);
}

TEST(ReadDosFile, TheSelectedNodeIsRead) {
    Dos33Builder b;
    b.addFile("HELLO", kDosInteger, Bytes(patternBytes(10)));
    Opened o;
    openBytes(o, "sel.dsk", b.bytes());
    EXPECT_EQ(readSelectedDosFile(o.image, o.tree, o.file, o.platform), -100);
    o.tree.select(o.tree.firstChild(o.tree.root()));
    EXPECT_EQ(readSelectedDosFile(o.image, o.tree, o.file, o.platform), 512);
    EXPECT_EQ(o.file.dosFileType, kDosInteger);
    o.tree.select(kNoNode);
    EXPECT_EQ(readSelectedDosFile(o.image, o.tree, o.file, o.platform), -4);
}

TEST(DosError, EveryNumberHasItsMessage) {
    struct Case {
        int code;
        const char* message;
    } cases[] = {
        {-1, "DOS error #1  No Buffers Available!"},
        {-2, "DOS error #2  No Buffers Available!"},
        {3, "DOS error #3  No Buffers Available!"},
        {-4, "DOS error #4  File not found!"},
        {-5, "DOS error #5  Deleted File!"},
        {-6, "DOS I/O error #6"},
        {-7, "DOS I/O error #7"},
        {10, "DOS error #10  Not a standard DOS 3.3 disk!"},
        {11, "DOS error #11  VTOC error!"},
        {12, "DOS I/O error #12"},
        {13, "DOS I/O error #13"},
        {14, "DOS I/O error #14"},
    };
    for (const Case& c : cases) {
        ScriptedPlatform p;
        reportDosError(p, c.code);
        ASSERT_EQ(p.messages.size(), 1u) << c.code;
        EXPECT_EQ(p.messages[0].text, c.message);
        EXPECT_EQ(p.messages[0].caption, "Larkspoon");
        EXPECT_EQ(p.messages[0].icon, MessageIcon::Warning);
    }
    for (int silent : {-100, 100}) {
        ScriptedPlatform p;
        reportDosError(p, silent);
        EXPECT_TRUE(p.messages.empty());
    }
}

} // namespace
} // namespace lk::test
