#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "open_helpers.h"
#include "prodos_builder.h"

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
    EXPECT_FALSE(o.platform.waitCursor);
}

TEST(OpenImage, DecidesTheKindByExtensionWithoutRegardToCase) {
    struct Case {
        const char* name;
        uint32_t blocks;
        ImageKind kind;
        SectorOrder order;
    } cases[] = {
        {"a.po", 280, ImageKind::Po, SectorOrder::ProdosOrder},
        {"a.PO", 1600, ImageKind::Po, SectorOrder::ProdosOrder},
        {"dir/a.Hdv", 1600, ImageKind::Hdv, SectorOrder::ProdosOrder},
        {"a.dsk", 280, ImageKind::Dsk, SectorOrder::ProdosOrder},
        {"a.DO", 280, ImageKind::Do, SectorOrder::ProdosOrder},
        // No known extension: a floppy-sized file is a .DSK, anything else a .PO.
        {"a.img", 280, ImageKind::Dsk, SectorOrder::ProdosOrder},
        {"noextension", 1600, ImageKind::Po, SectorOrder::ProdosOrder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Opened o;
        openBytes(o, c.name, smallVolume(c.blocks));
        EXPECT_TRUE(o.image.bufferValid);
        EXPECT_EQ(o.image.kind, c.kind);
        EXPECT_EQ(o.image.header.imageFormat, uint32_t(c.order));
        EXPECT_EQ(o.image.header.dataOffset, 0u);
        EXPECT_EQ(o.image.volume.volumeName, "DISK");
        EXPECT_TRUE(o.platform.messages.empty());
        EXPECT_EQ(treeLines(o.tree), (std::vector<std::string>{"DISK", "  HELLO"}));
        EXPECT_EQ(o.tree.selection(), o.tree.root());
    }
}

TEST(OpenImage, PutsADosOrderProdosVolumeIntoBlockOrder) {
    std::vector<uint8_t> blockOrder = smallVolume();
    Opened o;
    openBytes(o, "a.dsk", swapSectorOrder(blockOrder));
    ASSERT_TRUE(o.image.bufferValid);
    EXPECT_EQ(o.image.header.imageFormat, uint32_t(SectorOrder::DosOrder));
    EXPECT_TRUE(std::equal(blockOrder.begin(), blockOrder.end(), o.image.buffer.begin()));
    EXPECT_EQ(treeLines(o.tree), (std::vector<std::string>{"DISK", "  HELLO"}));
}

TEST(OpenImage, ReadsTwoImgHeaderAndAddressesBlocksBehindIt) {
    Opened o;
    openBytes(o, "a.2MG", withTwoImgHeader(smallVolume(), SectorOrder::ProdosOrder));
    ASSERT_TRUE(o.image.bufferValid);
    EXPECT_EQ(o.image.kind, ImageKind::TwoImg);
    EXPECT_EQ(o.image.header.dataOffset, 64u);
    EXPECT_EQ(o.tree.item(o.tree.root())->entryOffset, 64u + 2 * 512 + 4);

    Opened dosOrder;
    openBytes(dosOrder, "b.2mg",
              withTwoImgHeader(swapSectorOrder(smallVolume()), SectorOrder::DosOrder));
    ASSERT_TRUE(dosOrder.image.bufferValid);
    EXPECT_EQ(treeLines(dosOrder.tree), (std::vector<std::string>{"DISK", "  HELLO"}));
}

TEST(OpenImage, RefusesWithTheRightMessage) {
    std::vector<uint8_t> lowerMagic = withTwoImgHeader(smallVolume(), SectorOrder::ProdosOrder);
    lowerMagic[0] = '2';
    lowerMagic[1] = 'i';
    std::vector<uint8_t> long_ = smallVolume();
    long_.push_back(0);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* message;
    } cases[] = {
        {"a.2mg", lowerMagic, "The file is not a true 2IMG disk image!"},
        {"a.2mg", {'2', 'I'}, "The file is not a true 2IMG disk image!"},
        {"a.dsk", long_, "Filesize = 143361. It must be 143360."},
        {"a.do", {}, "Filesize = 0. It must be 143360."},
        {"a.po", std::vector<uint8_t>(143360, 0), "Not a ProDOS or DOS 3.3 disk!"},
        {"a.po", {}, "Not a ProDOS or DOS 3.3 disk!"},
        {"a.hdv", std::vector<uint8_t>(700, 0xFF), "Not a ProDOS or DOS 3.3 disk!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Opened o;
        openBytes(o, "ok.po", smallVolume());
        ASSERT_TRUE(o.image.bufferValid);
        openBytes(o, c.name, c.bytes);
        ASSERT_EQ(o.platform.messages.size(), 1u);
        EXPECT_EQ(o.platform.messages[0].text, c.message);
        EXPECT_EQ(o.platform.messages[0].caption, "Larkspoon");
        EXPECT_EQ(o.platform.messages[0].icon, MessageIcon::Warning);
        expectNoImage(o);
    }
}

TEST(OpenImage, RefusesNibbleAndFdiFilesForNow) {
    for (const char* name : {"a.nib", "b.APP", "c.fdi"}) {
        Opened o;
        o.image.path = name;
        o.image.fileTitle = name;
        openImage(o.image, o.tree, o.platform);
        ASSERT_EQ(o.platform.messages.size(), 1u);
        EXPECT_NE(o.platform.lastMessage().find("cannot open"), std::string::npos);
        expectNoImage(o);
    }
}

TEST(OpenImage, TellsWhenTheFileCannotBeRead) {
    Opened o;
    o.image.path = "/nonexistent/folder/missing.po";
    o.image.fileTitle = "missing.po";
    openImage(o.image, o.tree, o.platform);
    EXPECT_EQ(o.platform.lastMessage(), "Could not read missing.po");
    expectNoImage(o);

    Opened untitled;
    untitled.image.path = "/nonexistent/x.po";
    openImage(untitled.image, untitled.tree, untitled.platform);
    EXPECT_EQ(untitled.platform.lastMessage(), "Could not read untitled");
}

TEST(OpenImage, ReadsARealFileFromDisk) {
    auto path = std::filesystem::temp_directory_path() / "larkspoon-open-test.po";
    {
        std::vector<uint8_t> bytes = smallVolume();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    Opened o;
    o.image.path = path.string();
    o.image.fileTitle = "larkspoon-open-test.po";
    openImage(o.image, o.tree, o.platform);
    std::filesystem::remove(path);
    EXPECT_TRUE(o.image.bufferValid);
    EXPECT_EQ(o.image.fileSize, 143360);
    EXPECT_EQ(o.image.folder, path.parent_path().string());
    EXPECT_EQ(o.image.baseName, "larkspoon-open-test");
    EXPECT_EQ(o.image.extension, ".po");
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
    EXPECT_EQ(o.tree.volumeIcon, kIconDisk35);

    Opened whole;
    openBytes(whole, "big.HDV", b.bytes());
    EXPECT_FALSE(whole.image.hdvExtended);
    EXPECT_EQ(whole.tree.volumeIcon, kIconHardDisk);
}

TEST(OpenImage, FillsVolumeInfoFromTheHeader) {
    ProdosBuilder b(1600, "INFO.VOL");
    uint8_t* h = b.block(2) + 4;
    h[0x18] = 0x21;
    h[0x1B] = 0x0A;
    h[0x1C] = 5;
    h[0x1D] = 1;
    Opened o;
    openBytes(o, "x.po", b.bytes());
    const VolumeInfo& v = o.image.volume;
    EXPECT_EQ(v.volumeName, "INFO.VOL");
    EXPECT_EQ(v.creationDateTime[0], 0x21);
    EXPECT_EQ(v.creationDateTime[3], 0x0A);
    EXPECT_EQ(v.volumeVersion, 5);
    EXPECT_EQ(v.minVersion, 1);
    EXPECT_EQ(v.volumeAccess, 0xC3);
    EXPECT_EQ(v.entryLength, 0x27);
    EXPECT_EQ(v.entriesPerBlock, 13);
    EXPECT_EQ(v.bitMapPointer, 6);
    EXPECT_EQ(v.totalBlocks, 1600);
}

TEST(OpenImage, AlwaysRestoresTheArrowCursor) {
    Opened o;
    openBytes(o, "x.po", smallVolume());
    ASSERT_FALSE(o.platform.cursorChanges.empty());
    EXPECT_TRUE(o.platform.cursorChanges.front());
    EXPECT_FALSE(o.platform.cursorChanges.back());
}

} // namespace
} // namespace lk::test
