#include <gtest/gtest.h>

#include <filesystem>

#include "catalog/tree_icon.h"
#include "dos33/dos_entry.h"
#include "open_helpers.h"
#include "prodos_builder.h"
#include "temp_folder.h"

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
        {"a.PO", smallVolume(1600), ImageKind::Po, SectorOrder::ProdosOrder, 0},
        {"dir/a.Hdv", smallVolume(1600), ImageKind::Hdv, SectorOrder::ProdosOrder, 0},
        {"a.dsk", po, ImageKind::Dsk, SectorOrder::ProdosOrder, 0},
        {"a.DO", po, ImageKind::Do, SectorOrder::ProdosOrder, 0},
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
        Opened o;
        openBytes(o, c.name, c.bytes);
        ASSERT_TRUE(o.image.bufferValid);
        EXPECT_EQ(o.image.kind, c.kind);
        EXPECT_EQ(o.image.header.imageFormat, uint32_t(c.order));
        EXPECT_EQ(o.image.header.dataOffset, c.dataOffset);
        EXPECT_TRUE(o.platform.messages.empty());
        EXPECT_EQ(o.image.buffer[c.dataOffset + 2 * 512 + 5], 'D') << "block 2 in its place";
        EXPECT_EQ(o.tree.item(o.tree.root())->entryOffset, c.dataOffset + 2 * 512 + 4);
        EXPECT_EQ(treeLines(o.tree), (std::vector<std::string>{"DISK", "  HELLO"}));
        EXPECT_EQ(o.tree.selection(), o.tree.root());
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
        {"b.po", {}, "Not a ProDOS or DOS 3.3 disk!"},
        {"a.hdv", std::vector<uint8_t>(700, 0xFF), "Not a ProDOS or DOS 3.3 disk!"},
        {"tiny.po", tinyDos, "Not a ProDOS or DOS 3.3 disk!"},
        {"tiny.2mg", tinyProdos, "Not a ProDOS or DOS 3.3 disk!"},
        {"missing.po", {}, "Could not read missing.po"},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Opened o;
        openBytes(o, "ok.po", smallVolume());
        ASSERT_TRUE(o.image.bufferValid);
        o.image.path = std::string(c.name).rfind("missing", 0) == 0 ? dir.file(c.name)
                                                                    : dir.write(c.name, c.bytes);
        o.image.fileTitle = c.name;
        reported(o.platform, [&](Outcome& out) { return openImage(o.image, o.tree, out); });
        ASSERT_EQ(o.platform.messages.size(), 1u);
        EXPECT_EQ(o.platform.messages[0].text, c.message);
        EXPECT_EQ(o.platform.messages[0].caption, "Larkspoon");
        EXPECT_EQ(o.platform.messages[0].icon, MessageIcon::Warning);
        expectNoImage(o);
    }
    Opened untitled;
    untitled.image.path = dir.file("x.po");
    reported(untitled.platform, [&](Outcome& out) { return openImage(untitled.image, untitled.tree, out); });
    EXPECT_EQ(untitled.platform.lastMessage(), "Could not read untitled");

    // A file larger than any image is refused before it is read.
    Opened huge;
    huge.image.path = dir.write("huge.po", {});
    huge.image.fileTitle = "huge.po";
    std::filesystem::resize_file(huge.image.path, kLargestImageFile + 1);
    reported(huge.platform, [&](Outcome& out) { openImage(huge.image, huge.tree, out); });
    EXPECT_EQ(huge.platform.lastMessage(),
              "huge.po is larger than any disk image Larkspoon can hold.");
    expectNoImage(huge);

    Opened o; // a file that opens: its path is split
    o.image.path = dir.write("disk.po", smallVolume());
    reported(o.platform, [&](Outcome& out) { return openImage(o.image, o.tree, out); });
    EXPECT_TRUE(o.image.bufferValid);
    EXPECT_EQ(o.image.fileSize, 143360);
    EXPECT_EQ(o.image.folder + "|" + o.image.baseName + "|" + o.image.extension,
              dir.path + "|disk|.po");
}

TEST(OpenImage, EnlargesAShortHdvToItsVolume) {
    ProdosBuilder b(65535, "BIG");
    b.addFile(ProdosBuilder::kVolumeKey, "A", 0x04, 0, Bytes(patternBytes(100)));
    std::vector<uint8_t> head(b.bytes().begin(), b.bytes().begin() + 1000 * 512);
    Opened o;
    openBytes(o, "big.hdv", head);
    ASSERT_TRUE(o.image.bufferValid);
    EXPECT_TRUE(o.image.hdvExtended);
    EXPECT_EQ(o.image.buffer.size(), 65535u * 512 + 4);
    EXPECT_EQ(o.image.fileSize, 1000 * 512);
    EXPECT_EQ(o.image.header.blockCount, 1000u);
    EXPECT_TRUE(blockInImage(o.image, 65534));
    EXPECT_EQ(treeIcon(*o.tree.item(o.tree.root())), kIconDisk35);

    Opened whole;
    openBytes(whole, "big.HDV", b.bytes());
    EXPECT_FALSE(whole.image.hdvExtended);
    EXPECT_EQ(treeIcon(*whole.tree.item(whole.tree.root())), kIconHardDisk);
}

} // namespace
} // namespace lk::test
