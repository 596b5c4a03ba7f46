#include <gtest/gtest.h>

#include "basic_builder.h"
#include "open_helpers.h"
#include "catalog/find_path.h"
#include "prodos_builder.h"
#include "translate/hex_dump.h"
#include "app/view_file.h"

namespace lk {
namespace {

constexpr uint16_t kVol = test::ProdosBuilder::kVolumeKey;

// A ProDOS file brings its type, aux type and bytes; its resource fork is always dumped; empty
// files, folders and the volume show nothing, silently.
TEST(ViewFile, ReadsEitherForkOfAProdosFile) {
    std::vector<uint8_t> program = test::applesoftProgram({{10, {0xBA, '"', 'H', 'I', '"'}}});
    std::vector<uint8_t> rsrc = test::patternBytes(40, 3);
    test::ProdosBuilder b;
    b.addFile(kVol, "HELLO", 0xFC, 0x0801, Bytes(program));
    b.addFile(kVol, "EMPTY", 0x04, 0, Bytes());
    b.addFolder(kVol, "DIR");
    b.addExtended(kVol, "FORKED", 0xFC, 0x0801, Bytes(program), Bytes(rsrc));
    test::Opened o;
    test::openBytes(o, "v.po", b.bytes());
    auto read = [&](const char* path, bool resourceFork, ViewRequest& r) {
        const CatalogItem* item = o.tree.item(findNodeByPath(o.tree, path));
        return readForView(o.image, item->entryOffset, item->icon, resourceFork, o.file, o.platform,
                           r);
    };
    auto entry = [&](const char* path) {
        return o.tree.item(findNodeByPath(o.tree, path))->entryOffset;
    };

    ViewRequest r;
    ASSERT_TRUE(read("HELLO", false, r));
    EXPECT_EQ(r.volume, VolumeKind::Prodos);
    EXPECT_EQ(r.fileType, 0xFC);
    EXPECT_EQ(r.auxType, 0x0801);
    EXPECT_EQ(r.startOffset(), 0u);
    EXPECT_FALSE(r.resourceFork);
    EXPECT_EQ(std::vector<uint8_t>(r.data.begin(), r.data.end()), program);
    EXPECT_EQ(viewFile(r, Settings(), o.platform).text, "10  PRINT \"HI\"\n");

    EXPECT_TRUE(hasResourceFork(o.image, entry("FORKED")));
    EXPECT_FALSE(hasResourceFork(o.image, entry("HELLO")));
    EXPECT_FALSE(hasResourceFork(o.image, 0xFFFFFFF0));
    ASSERT_TRUE(read("FORKED", true, r));
    EXPECT_TRUE(r.resourceFork);
    EXPECT_EQ(viewFile(r, Settings(), o.platform).text, hexDump(Bytes(rsrc), rsrc.size(), 0, true));
    ASSERT_TRUE(read("FORKED", false, r));
    EXPECT_EQ(viewFile(r, Settings(), o.platform).text, "10  PRINT \"HI\"\n");

    for (const char* nothing : {"EMPTY", "DIR", "/TEST"}) EXPECT_FALSE(read(nothing, false, r));
    EXPECT_TRUE(o.platform.messages.empty());
}

TEST(ViewFile, DosFilesStartAfterTheirLengthWord) {
    std::vector<uint8_t> sectors = test::withLengthWord(test::applesoftProgram({{10, {'A'}}}));
    sectors.resize(512, 0);
    ViewRequest r = dosViewRequest(2, Bytes(sectors));
    EXPECT_EQ(r.volume, VolumeKind::Dos33);
    EXPECT_EQ(r.fileType, 0xFC);
    EXPECT_EQ(r.auxType, 0);
    EXPECT_EQ(r.startOffset(), 2u);
    test::ScriptedPlatform p;
    EXPECT_EQ(viewFile(r, Settings(), p).text, "10 A\n");
    std::vector<uint8_t> text = {0xC1, 0x8D, 0x00};
    EXPECT_EQ(viewFile(dosViewRequest(0, Bytes(text)), Settings(), p).text, "A\n ");
    // A zero byte once bit 7 is cleared ends the text.
    std::vector<uint8_t> ended = {0xC8, 0xC9, 0x8D, 0x80, 0xC1};
    EXPECT_EQ(viewFile(dosViewRequest(0, Bytes(ended)), Settings(), p).text, "HI\n");
    EXPECT_EQ(viewFile(dosViewRequest(3, Bytes(text)), Settings(), p).text,
              hexDump(Bytes(text), 3, 0, true));
}

} // namespace
} // namespace lk
