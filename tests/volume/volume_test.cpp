// Opening an image: its kind, order and volume, the refusals; and the Catalog listing of either
// kind of volume.
#include <filesystem>
#include <gtest/gtest.h>

#include "catalog/tree_icon.h"
#include "dos33/dos_entry.h"
#include "dos33_builder.h"
#include "open_helpers.h"
#include "prodos_builder.h"
#include "sample_disks.h"
#include "temp_folder.h"
#include "volume/catalog_listing.h"
#include "volume/volume.h"

namespace lk::test {
namespace {

std::vector<uint8_t> smallVolume(uint32_t blocks = 280) {
    ProdosBuilder b(blocks, "DISK");
    b.addFile(ProdosBuilder::kVolumeKey, "HELLO", 0xFC, 0x0801, Bytes(patternBytes(300)));
    return b.bytes();
}

void expectNoImage(const Opened& o) {
    EXPECT_FALSE(o.image.bufferValid);
    EXPECT_EQ(o.image.kind, ImageKind::None);
    EXPECT_TRUE(o.tree.empty());
}

// The kind comes from the extension whatever its case; the sector order of a .DSK or .DO from
// its contents; a 2IMG header moves the volume 64 bytes on. Every open ends in block order.
TEST(OpenImage, DecidesKindAndOrderAndReadsTheVolume) {
    std::vector<uint8_t> po = smallVolume();
    std::vector<uint8_t> dosOrder = swapSectorOrder(po);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        ImageKind kind;
        SectorOrder order;
        uint32_t dataOffset;
    } cases[] = {
        {"a.po", po, ImageKind::Po, SectorOrder::ProdosOrder, 0},
        {"dir/a.Hdv", smallVolume(1600), ImageKind::Hdv, SectorOrder::ProdosOrder, 0},
        {"a.dsk", po, ImageKind::Dsk, SectorOrder::ProdosOrder, 0},
        {"b.dsk", dosOrder, ImageKind::Dsk, SectorOrder::DosOrder, 0},
        // No known extension: a floppy-sized file is a .DSK, anything else a .PO.
        {"a.img", po, ImageKind::Dsk, SectorOrder::ProdosOrder, 0},
        {"noextension", smallVolume(1600), ImageKind::Po, SectorOrder::ProdosOrder, 0},
        {"a.2MG", withTwoImgHeader(po, SectorOrder::ProdosOrder), ImageKind::TwoImg,
         SectorOrder::ProdosOrder, 64},
        {"b.2mg", withTwoImgHeader(dosOrder, SectorOrder::DosOrder), ImageKind::TwoImg,
         SectorOrder::DosOrder, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Opened o(c.name, c.bytes);
        ASSERT_TRUE(o.image.bufferValid);
        EXPECT_EQ(o.image.kind, c.kind);
        EXPECT_EQ(o.image.header.imageFormat, uint32_t(c.order));
        EXPECT_EQ(o.image.header.dataOffset, c.dataOffset);
        EXPECT_TRUE(o.platform.messages.empty());
        EXPECT_EQ(o.tree.item(o.tree.root())->entryOffset, c.dataOffset + 2 * 512 + 4);
        EXPECT_EQ(treeLines(o.tree), (std::vector<std::string>{"DISK", "  HELLO"}));
    }
}

// Each refusal drops the image that was open and says why in one warning.
TEST(OpenImage, RefusesWithTheRightMessageAndReadsRealFiles) {
    std::vector<uint8_t> lowerMagic = withTwoImgHeader(smallVolume(), SectorOrder::ProdosOrder);
    lowerMagic[1] = 'i';
    std::vector<uint8_t> tooLong = smallVolume();
    tooLong.push_back(0);
    // Less than a track cannot be put into the order its volume needs.
    std::vector<uint8_t> tinyDos(3000, 0);
    std::copy(std::begin(kDos33BootCode), std::end(kDos33BootCode), tinyDos.begin());
    std::vector<uint8_t> tinyProdos =
        withTwoImgHeader(std::vector<uint8_t>(3000, 0), SectorOrder::DosOrder);
    tinyProdos[64 + 5 * 512 + 0x104] = 0xF0;
    tinyProdos[64 + 5 * 512 + 0x123] = 0x27;
    struct Case {
        const char* name; // a file of that name is written unless it starts with "missing"
        std::vector<uint8_t> bytes;
        const char* message;
    } cases[] = {
        {"a.2mg", lowerMagic, "The file is not a true 2IMG disk image!"},
        {"b.2mg", {'2', 'I'}, "The file is not a true 2IMG disk image!"},
        {"a.dsk", tooLong, "Filesize = 143361. It must be 143360."},
        {"a.do", {}, "Filesize = 0. It must be 143360."},
        {"a.po", std::vector<uint8_t>(143360, 0), "Not a ProDOS or DOS 3.3 disk!"},
        {"tiny.po", tinyDos, "Not a ProDOS or DOS 3.3 disk!"},
        {"tiny.2mg", tinyProdos, "Not a ProDOS or DOS 3.3 disk!"},
        {"missing.po", {}, "Could not read missing.po"},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Opened o("ok.po", smallVolume());
        ASSERT_TRUE(o.image.bufferValid);
        openFile(o, std::string(c.name).rfind("missing", 0) == 0 ? dir.file(c.name)
                                                                 : dir.write(c.name, c.bytes));
        ASSERT_EQ(o.platform.messages.size(), 1u);
        EXPECT_EQ(o.platform.messages[0].text, c.message);
        EXPECT_EQ(o.platform.messages[0].icon, MessageIcon::Warning);
        expectNoImage(o);
    }
    // A file larger than any image is refused before it is read.
    Opened huge;
    std::filesystem::resize_file(dir.write("huge.po", {}), kLargestImageFile + 1);
    openFile(huge, dir.file("huge.po"));
    EXPECT_EQ(huge.platform.lastMessage(),
              "huge.po is larger than any disk image Larkspoon can hold.");
    expectNoImage(huge);

    Opened o; // a file that opens: its path is split
    openFile(o, dir.write("disk.po", smallVolume()));
    EXPECT_TRUE(o.image.bufferValid);
    EXPECT_EQ(o.image.fileSize, 143360);
    EXPECT_EQ(o.image.folder + "|" + o.image.baseName + "|" + o.image.extension,
              dir.path + "|disk|.po");
}

TEST(OpenImage, EnlargesAShortHdvToItsVolume) {
    ProdosBuilder b(65535, "BIG");
    b.addFile(ProdosBuilder::kVolumeKey, "A", 0x04, 0, Bytes(patternBytes(100)));
    std::vector<uint8_t> head(b.bytes().begin(), b.bytes().begin() + 1000 * 512);
    Opened o("big.hdv", head);
    ASSERT_TRUE(o.image.bufferValid);
    EXPECT_TRUE(o.image.hdvExtended);
    EXPECT_EQ(o.image.buffer.size(), 65535u * 512 + 4);
    EXPECT_EQ(o.image.fileSize, 1000 * 512);
    EXPECT_EQ(o.image.header.blockCount, 1000u);
    EXPECT_EQ(blockBytes(o.image, 65534).size(), 512u);
    EXPECT_EQ(treeIcon(*o.tree.item(o.tree.root())), kIconDisk35);

    Opened whole("big.HDV", b.bytes());
    EXPECT_FALSE(whole.image.hdvExtended);
    EXPECT_EQ(treeIcon(*whole.tree.item(whole.tree.root())), kIconHardDisk);
}

constexpr uint16_t kVol = ProdosBuilder::kVolumeKey;

std::string listingOf(Opened& o, NodeId node) {
    o.tree.select(node);
    std::string text;
    EXPECT_EQ(catalogListing(o.image, o.tree, text), 0);
    return text;
}

// Locked files, type letters (none for an unknown type), sector counts (five digits not cut),
// catalog order; a file gives exactly its one line, the volume no attributes of its own.
TEST(CatalogListing, DosVolumeFileAndOrder) {
    Opened o("d.dsk", dosDisk());
    std::string expected = "DISK VOLUME 254\n\n";
    for (const char* line : {" A 002 HELLO", " T 002 NOTES", "*B 003 LOADER", " I 002 OLD",
                             " T 002 BLANK", "   002 ODD", " B 002 LIAR", " B 002 A/B"})
        expected += std::string(line).substr(0, 7) + paddedDosName(line + 7) + "\n";
    EXPECT_EQ(listingOf(o, o.tree.root()), expected);
    NodeId loader = childWithText(o.tree, o.tree.root(), paddedDosName("LOADER"));
    EXPECT_EQ(listingOf(o, loader), "*B 003 " + paddedDosName("LOADER") + "\n");
    const Volume& dos = volumeOf(o.image);
    EXPECT_EQ(dos.listingAttributes(o.image, *o.tree.item(o.tree.root())), "");
    putLe16(o.image.buffer.data() + o.tree.item(loader)->entryOffset + dos::kSectorCount, 54321);
    EXPECT_EQ(dos.listingAttributes(o.image, *o.tree.item(loader)), "*B 54321 ");
}

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
    Opened o("t.po", b.bytes());
    NodeId gamesNode = childWithText(o.tree, o.tree.root(), "GAMES");
    EXPECT_EQ(listingOf(o, childWithText(o.tree, gamesNode, "OLD")),
              "OLD             DIR   L512\n"
              "\tPONG            BIN   L7\n");
    EXPECT_EQ(listingOf(o, childWithText(o.tree, gamesNode, "EMPTY")),
              "EMPTY           DIR   L512\n");
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

} // namespace
} // namespace lk::test
