#include <gtest/gtest.h>

#include "volume/volume.h"
#include "volume/catalog_listing.h"
#include "dos33/dos_entry.h"
#include "dos33_builder.h"
#include "open_helpers.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

constexpr uint16_t kVol = ProdosBuilder::kVolumeKey;

std::string listingOf(Opened& o, NodeId node) {
    o.tree.select(node);
    std::string text;
    EXPECT_EQ(catalogListing(o.image, o.tree, text), 0);
    return text;
}

struct DosDisk {
    Opened o;
    DosDisk() {
        Dos33Builder b(254);
        b.addFile("HELLO", kDosApplesoft, Bytes(patternBytes(300)));
        b.addFile("LOCKED", kDosBinary, Bytes(patternBytes(33 * 256)), true);
        b.addFile("ODD", 0x03, Bytes(patternBytes(10)));
        b.addFile("INT", kDosInteger, Bytes(patternBytes(10)));
        b.addFile("S", 0x08, Bytes(patternBytes(10)));
        b.addFile("R", 0x10, Bytes(patternBytes(10)));
        b.addFile("A2", 0x20, Bytes(patternBytes(10)));
        b.addFile("B2", 0x40, Bytes(patternBytes(10)));
        b.addFile("TEXT", kDosText, Bytes(patternBytes(10)), true);
        openBytes(o, "d.dsk", b.bytes());
    }
    NodeId file(const std::string& name) {
        return childWithText(o.tree, o.tree.root(), paddedDosName(name));
    }
};

// The volume gives no attributes; a five-digit sector count is not cut. The other DOS formats
// are checked through the catalog listing below.
TEST(EntryAttributes, DosVolumeAndLongCounts) {
    DosDisk d;
    const CatalogItem& volume = *d.o.tree.item(d.o.tree.root());
    const Volume& dos = volumeOf(d.o.image);
    EXPECT_EQ(dos.listingAttributes(d.o.image, volume), "");
    const CatalogItem& hello = *d.o.tree.item(d.file("HELLO"));
    putLe16(d.o.image.buffer.data() + hello.entryOffset + dos::kSectorCount, 54321);
    EXPECT_EQ(dos.listingAttributes(d.o.image, hello), " A 54321 ");
}

// Locked files, every type letter (none for an unknown type), sector counts, catalog order.
TEST(CatalogListing, DosVolumeFileAndOrder) {
    DosDisk d;
    std::string all = listingOf(d.o, d.o.tree.root());
    std::string expected = "DISK VOLUME 254\n\n";
    for (const char* line : {" A 003 HELLO", "*B 034 LOCKED", "   002 ODD", " I 002 INT",
                             " S 002 S", " R 002 R", " A 002 A2", " B 002 B2", "*T 002 TEXT"}) {
        std::string l = line;
        expected += l.substr(0, 7) + paddedDosName(l.substr(7)) + "\n";
    }
    EXPECT_EQ(all, expected);
    // A file gives exactly its one line, no blank line.
    EXPECT_EQ(listingOf(d.o, d.file("LOCKED")), "*B 034 " + paddedDosName("LOCKED") + "\n");
}

// Each line: the name padded to 16, the type's three letters (a packed text's by its aux type,
// "$hex" when unnamed) and "L" with the length, indented one tab a level.
TEST(CatalogListing, ProdosTreeIndentsByDepthAndStopsBeforeTheNextSibling) {
    ProdosBuilder b(280, "VOL");
    uint16_t games = b.addFolder(kVol, "GAMES");
    b.addFile(games, "CHESS", 0xFC, 0x0801, Bytes(patternBytes(100)));
    uint16_t old = b.addFolder(games, "OLD");
    b.addFile(old, "PONG", 0x06, 0x2000, Bytes(patternBytes(7)));
    b.addFolder(games, "EMPTY");
    b.addFolder(kVol, "AFTER");
    b.addFile(kVol, "LAST", 0x04, 0, Bytes(patternBytes(2)));
    b.addFile(kVol, "PACKED", 0x2E, 0x8002, Bytes(patternBytes(3)));
    b.addFile(kVol, "ABCDEFGHIJKLMNO", 0x0D, 0, Bytes(patternBytes(1)));
    uint32_t huge = b.addFile(kVol, "HUGE", 0x06, 0, Bytes(patternBytes(1)));
    putLe24(b.bytes().data() + huge + 0x15, 16777215);
    Opened o;
    openBytes(o, "t.po", b.bytes());
    NodeId gamesNode = childWithText(o.tree, o.tree.root(), "GAMES");
    EXPECT_EQ(listingOf(o, gamesNode), "GAMES           DIR   L512\n"
                                       "\tCHESS           BAS   L100\n"
                                       "\tOLD             DIR   L512\n"
                                       "\t\tPONG            BIN   L7\n"
                                       "\tEMPTY           DIR   L512\n");
    NodeId empty = childWithText(o.tree, gamesNode, "EMPTY");
    EXPECT_EQ(listingOf(o, empty), "EMPTY           DIR   L512\n");
    EXPECT_EQ(listingOf(o, o.tree.root()), "VOL             Volume\n\n"
                                           "\tGAMES           DIR   L512\n"
                                           "\t\tCHESS           BAS   L100\n"
                                           "\t\tOLD             DIR   L512\n"
                                           "\t\t\tPONG            BIN   L7\n"
                                           "\t\tEMPTY           DIR   L512\n"
                                           "\tAFTER           DIR   L512\n"
                                           "\tLAST            TXT   L2\n"
                                           "\tPACKED          PTP   L3\n"
                                           "\tABCDEFGHIJKLMNO $0D   L1\n"
                                           "\tHUGE            BIN   L16777215\n");
    NodeId chess = childWithText(o.tree, gamesNode, "CHESS");
    EXPECT_EQ(listingOf(o, chess), "CHESS           BAS   L100\n");
}

TEST(CatalogListing, NegativeResults) {
    Opened none;
    std::string text = "old";
    EXPECT_EQ(catalogListing(none.image, none.tree, text), -1);
    EXPECT_EQ(text, "");
    DosDisk d;
    d.o.tree.select(kNoNode);
    EXPECT_EQ(catalogListing(d.o.image, d.o.tree, text), -2);
}

} // namespace
} // namespace lk::test
