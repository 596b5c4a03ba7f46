#include <gtest/gtest.h>

#include <filesystem>

#include "image/save_image.h"
#include "temp_folder.h"
#include "write_fixture.h"

namespace lk::test {
namespace {

// A change saved and opened again gives the same catalog, in DOS order and behind a header.
// (A failed save is tested through larkspoon-cli, with a file-size limit.)
TEST(SaveImage, ChangedVolumesReopenWithTheSameCatalog) {
    ProdosBuilder b(280, "DISK");
    TempFolder dir;
    for (auto [name, bytes] : {std::pair{"p.dsk", swapSectorOrder(b.bytes())},
                               {"p.2mg", withTwoImgHeader(b.bytes(), SectorOrder::ProdosOrder)}}) {
        std::string path = dir.write(name, bytes);
        Opened o;
        openFile(o, path);
        o.tree.select(o.tree.root());
        FileEntry working = makeEntry(0, "NEW");
        CreateRequest empty{CreateMode::Import, {}, false, {}, {}, {}};
        Outcome out;
        ASSERT_GT(createEntry(o.image, o.tree, working, empty, out), 0);
        ASSERT_TRUE(saveImage(o.image, out));
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 64, readFileBytes(path).begin()));
        Opened again;
        openFile(again, path);
        EXPECT_EQ(treeLines(again.tree), (std::vector<std::string>{"DISK", "  NEW"}));
    }
}

// An enlarged .HDV is cut back to the blocks in use: 16 bit-map bytes make 65536 bytes.
TEST(SaveImage, EnlargedHdvIsTrimmed) {
    ProdosBuilder b(65535);
    b.block(6)[15] &= 0xFE; // block 127 in use
    TempFolder dir;
    std::string path = dir.write("big.hdv", {b.bytes().begin(), b.bytes().begin() + 512000});
    Opened o;
    openFile(o, path);
    EXPECT_TRUE(o.image.hdvExtended);
    Outcome out;
    ASSERT_TRUE(saveImage(o.image, out));
    EXPECT_EQ(std::filesystem::file_size(path), 65536u);
    std::fill_n(o.image.buffer.begin() + 6 * 512, 8191, 0xFF); // nothing in use: nothing written
    EXPECT_EQ(trimmedSize(o.image), -1);
    EXPECT_FALSE(saveImage(o.image, out));
    EXPECT_TRUE(out.empty());
}

TEST(SaveImage, SaveAsKeepsTheKind) {
    for (auto [kind, path, allowed] : {std::tuple{ImageKind::Do, "x.do", true},
                                       {ImageKind::Do, "x.DSK", false},
                                       {ImageKind::Hdv, "x.txt", true},
                                       {ImageKind::Nib, "x.dsk", true}})
        EXPECT_EQ(saveAsKeepsKind(kind, path), allowed) << path;
    // The refusal itself is tested through the command (tests/app).
}

} // namespace
} // namespace lk::test
