#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "dos33/dos_entry.h"
#include "dos33/read_dos_file.h"
#include "dos33_builder.h"
#include "image/write_image.h"
#include "open_helpers.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

// A DOS 3.3 volume whose files reach well past the first catalog sector and track.
std::vector<uint8_t> dosVolume(std::vector<uint8_t>& hello) {
    Dos33Builder b(42);
    hello = patternBytes(5000, 6);
    b.addFile("HELLO", kDosApplesoft, Bytes(hello));
    for (int i = 0; i < 9; ++i)
        b.addFile("F" + std::to_string(i), kDosText, Bytes(patternBytes(300)));
    return b.bytes();
}

std::vector<uint8_t> prodosVolume() {
    ProdosBuilder b(280, "DISK");
    b.addFile(ProdosBuilder::kVolumeKey, "HELLO", 0xFC, 0x0801, Bytes(patternBytes(3000)));
    return b.bytes();
}

std::vector<uint8_t> fileBytes(const std::vector<uint8_t>& dosOrder, const std::string& name) {
    std::string ext = std::filesystem::path(name).extension().string();
    if (ext == ".po" || ext == ".hdv") return swapSectorOrder(dosOrder);
    if (name == "p.2mg")
        return withTwoImgHeader(swapSectorOrder(dosOrder), SectorOrder::ProdosOrder);
    if (name == "d.2mg") return withTwoImgHeader(dosOrder, SectorOrder::DosOrder);
    return dosOrder;
}

// A DOS 3.3 volume kept in ProDOS order is put into DOS order on open; every volume is written
// back in its file's order.
TEST(WriteImage, OpensAndRoundTripsInTheFilesOwnOrder) {
    std::vector<uint8_t> hello;
    std::vector<uint8_t> dosOrder = dosVolume(hello);
    std::vector<uint8_t> prodos = prodosVolume();
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        bool reordered;
    } cases[] = {
        {"a.dsk", fileBytes(dosOrder, "a.dsk"), false},
        {"a.po", fileBytes(dosOrder, "a.po"), true},
        {"a.hdv", fileBytes(dosOrder, "a.hdv"), true},
        {"p.2mg", fileBytes(dosOrder, "p.2mg"), true},
        {"d.2mg", fileBytes(dosOrder, "d.2mg"), false},
        {"prodos.dsk", swapSectorOrder(prodos), true},
        {"prodos-block-order.dsk", prodos, false},
        {"prodos.po", prodos, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Opened o;
        openBytes(o, c.name, c.file);
        ASSERT_TRUE(o.image.bufferValid);
        EXPECT_EQ(heldInOtherOrder(o.image), c.reordered);
        EXPECT_TRUE(o.platform.messages.empty()) << o.platform.lastMessage();
        std::vector<uint8_t> memory = o.image.buffer;
        std::vector<std::string> catalog = treeLines(o.tree);
        if (o.image.isDos33) {
            // Held in DOS order whatever the file's order: the catalog past its first sector and
            // the files read right.
            EXPECT_TRUE(std::equal(dosOrder.begin(), dosOrder.end(),
                                   o.image.buffer.begin() + o.image.header.dataOffset));
            ASSERT_EQ(catalog.size(), 11u);
            EXPECT_EQ(catalog[0], "DISK VOLUME 042");
            NodeId first = o.tree.firstChild(o.tree.root());
            ASSERT_EQ(readDosFile(o.image, o.tree.item(first)->entryOffset, kIconApplesoft, o.file,
                                  o.platform),
                      21 * 256);
            EXPECT_TRUE(std::equal(hello.begin(), hello.end(), o.file.fileData.begin()));
        }

        TempFile out(c.name);
        EXPECT_EQ(writeImage(o.image, out.path, o.image.fileSize), int32_t(c.file.size()));
        EXPECT_EQ(out.read(), c.file);
        EXPECT_EQ(o.image.buffer, memory); // back in the order the volume needs

        Opened again;
        openBytes(again, c.name, out.read());
        EXPECT_EQ(treeLines(again.tree), catalog);
        EXPECT_EQ(again.image.buffer, memory);
    }
}

TEST(WriteImage, AFailedWriteLeavesTheTargetAndTheMemoryOrder) {
    Opened o;
    std::vector<uint8_t> hello;
    openBytes(o, "a.po", fileBytes(dosVolume(hello), "a.po"));
    ASSERT_TRUE(o.image.bufferValid);
    std::vector<uint8_t> memory = o.image.buffer;
    // A folder in the way: the write fails at the rename and nothing is left behind.
    TempFile blocker("blocker");
    std::filesystem::create_directories(blocker.path + "/inside");
    EXPECT_EQ(writeImage(o.image, blocker.path, o.image.fileSize), 0);
    EXPECT_TRUE(std::filesystem::is_directory(blocker.path + "/inside"));
    EXPECT_EQ(o.image.buffer, memory);
    auto parent = std::filesystem::path(blocker.path).parent_path();
    for (const auto& f : std::filesystem::directory_iterator(parent))
        EXPECT_EQ(f.path().string().find(".tmp"), std::string::npos) << f.path();
    std::filesystem::remove_all(blocker.path);

    TempFile out("a.po");
    EXPECT_EQ(writeImage(o.image, out.path, o.image.fileSize + 1), 0);
    EXPECT_EQ(writeImage(o.image, out.path, -1), 0);
    o.image.bufferValid = false;
    EXPECT_EQ(writeImage(o.image, out.path, 10), 0);
    EXPECT_TRUE(out.read().empty());
}

TEST(WriteImage, WritesTheFileSizeOfAnEnlargedHdv) {
    ProdosBuilder b(64, "HDV");
    putLe16(b.block(2) + 4 + 0x25, 1000);
    Opened o;
    openBytes(o, "big.hdv", b.bytes());
    ASSERT_TRUE(o.image.hdvExtended);
    TempFile out("big.hdv");
    EXPECT_EQ(writeImage(o.image, out.path, o.image.fileSize), 64 * 512);
    EXPECT_EQ(out.read(), b.bytes());
}

} // namespace
} // namespace lk::test
