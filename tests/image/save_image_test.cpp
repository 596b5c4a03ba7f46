#include <gtest/gtest.h>

#include <filesystem>

#include "base/host_file.h"
#include "image/save_image.h"
#include "temp_folder.h"
#include "write_fixture.h"

namespace lk::test {
namespace {

// Opens the file as File > Open does.
void openFile(Opened& o, const std::string& path) {
    o.image.path = path;
    o.image.fileTitle = splitPath(path).fileName;
    Outcome outcome;
    openImage(o.image, o.tree, outcome);
    ASSERT_TRUE(o.image.bufferValid);
}

// A change saved and opened again gives the same catalog, in DOS order and behind a header.
TEST(SaveImage, ChangedVolumesReopenWithTheSameCatalog) {
    ProdosBuilder b(280, "DISK");
    TempFolder dir;
    for (auto [name, bytes] : {std::pair{"p.dsk", swapSectorOrder(b.bytes())},
                               {"p.2mg", withTwoImgHeader(b.bytes(), SectorOrder::ProdosOrder)}}) {
        std::string path = dir.write(name, bytes);
        Opened o;
        openFile(o, path);
        o.tree.select(o.tree.root());
        FileEntry working;
        working.storageTypeNameLength = 3;
        std::copy_n("NEW", 3, working.name.begin());
        Outcome out;
        CreateRequest empty{CreateMode::Import, {}, false, {}, {}, {}};
        ASSERT_GT(createEntry(o.image, o.tree, working, empty, out), 0);
        ASSERT_TRUE(saveImage(o.image, out));
        std::vector<uint8_t> saved = readFileBytes(path);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 64, saved.begin())) << name;
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
    std::vector<uint8_t> start(b.bytes().begin(), b.bytes().begin() + 1000 * 512);
    std::string path = dir.write("big.hdv", start);
    Opened o;
    openFile(o, path);
    EXPECT_TRUE(o.image.hdvExtended);
    EXPECT_EQ(trimmedSize(o.image), 65536);
    Outcome out;
    ASSERT_TRUE(saveImage(o.image, out));
    EXPECT_EQ(std::filesystem::file_size(path), 65536u);
    std::fill_n(o.image.buffer.begin() + 6 * 512, 8191, 0xFF); // nothing in use: nothing written
    EXPECT_EQ(trimmedSize(o.image), -1);
    EXPECT_FALSE(saveImage(o.image, out));
    EXPECT_TRUE(out.empty());
}

TEST(SaveImage, SaveAsKeepsTheKind) {
    struct Case {
        ImageKind kind;
        const char* path;
        bool allowed;
    } cases[] = {{ImageKind::Do, "x.do", true},      {ImageKind::Do, "x.DSK", false},
                 {ImageKind::Hdv, "x.txt", true},    {ImageKind::Nib, "x.dsk", true},
                 {ImageKind::TwoImg, "x.po", false}, {ImageKind::Po, "x.PO", true}};
    for (const Case& c : cases) EXPECT_EQ(saveAsKeepsKind(c.kind, c.path), c.allowed) << c.path;

    ProdosBuilder b(280);
    TempFolder dir;
    std::string path = dir.write("v.po", b.bytes());
    Opened o;
    openFile(o, path);
    Outcome out;
    EXPECT_FALSE(saveImageAs(o.image, dir.file("v.dsk"), out));
    EXPECT_EQ(messageText(out.messages.at(0)), "SaveAs cannot be used to change the image type!");
    EXPECT_EQ(o.image.path, path) << "a refused Save As keeps the image's own file";
}

// (A full disk is simulated by larkspoon-cli's tests with a file-size limit.)
TEST(SaveImage, AFailedSaveKeepsTheFile) {
    ProdosBuilder b(280);
    TempFolder dir;
    std::string path = dir.write("v.po", b.bytes());
    Opened o;
    openFile(o, path);
    Outcome out;
    o.image.buffer[0] = 0xAA;
    std::filesystem::permissions(dir.path, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::owner_exec);
    bool refused = !saveImage(o.image, out);
    std::filesystem::permissions(dir.path, std::filesystem::perms::owner_all);
    if (!refused) GTEST_SKIP() << "this user may write into a read-only folder";
    EXPECT_EQ(messageText(out.messages.back()), "Could NOT save disk image!");
    EXPECT_EQ(readFileBytes(path), b.bytes());
}

} // namespace
} // namespace lk::test
