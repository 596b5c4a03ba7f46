#include <gtest/gtest.h>

#include "basic_builder.h"
#include "open_helpers.h"
#include "catalog/find_path.h"
#include "prodos_builder.h"
#include "translate/hex_dump.h"
#include "app/view_file.h"
#include "dos33/dos_entry.h"
#include "volume/volume.h"

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
        Fork fork = resourceFork ? Fork::Resource : Fork::Data;
        return reported(o.platform, [&](Outcome& out) {
            return readForView(o.image, *item, fork, o.file, r, out);
        });
    };
    auto hasFork = [&](const char* path) {
        return volumeOf(o.image).hasResourceFork(o.image,
                                                 *o.tree.item(findNodeByPath(o.tree, path)));
    };

    ViewRequest r;
    ASSERT_TRUE(read("HELLO", false, r));
    EXPECT_FALSE(r.dos33);
    EXPECT_EQ(r.fileType, 0xFC);
    EXPECT_EQ(r.auxType, 0x0801);
    EXPECT_EQ(r.startOffset(), 0u);
    EXPECT_FALSE(r.resourceFork);
    EXPECT_EQ(std::vector<uint8_t>(r.data.begin(), r.data.end()), program);
    EXPECT_EQ(reported(o.platform, [&](Outcome& out) { return viewFile(r, Settings(), out); }).text, "10  PRINT \"HI\"\n");

    EXPECT_TRUE(hasFork("FORKED"));
    EXPECT_FALSE(hasFork("HELLO"));
    ASSERT_TRUE(read("FORKED", true, r));
    EXPECT_TRUE(r.resourceFork);
    EXPECT_EQ(reported(o.platform, [&](Outcome& out) { return viewFile(r, Settings(), out); }).text, hexDump(Bytes(rsrc), rsrc.size(), 0, true));
    ASSERT_TRUE(read("FORKED", false, r));
    EXPECT_EQ(reported(o.platform, [&](Outcome& out) { return viewFile(r, Settings(), out); }).text, "10  PRINT \"HI\"\n");

    for (const char* nothing : {"EMPTY", "DIR", "/TEST"}) EXPECT_FALSE(read(nothing, false, r));
    EXPECT_TRUE(o.platform.messages.empty());
}

// A DOS 3.3 file begins with its length word; its type letter stands for a ProDOS type.
TEST(ViewFile, DosFilesStartAfterTheirLengthWord) {
    auto view = [](uint8_t fileType, const std::vector<uint8_t>& bytes) {
        ViewRequest r;
        r.dos33 = true;
        r.fileType = fileType;
        r.data = Bytes(bytes);
        Outcome outcome;
        return viewFile(r, Settings(), outcome).text;
    };
    std::vector<uint8_t> sectors = test::withLengthWord(test::applesoftProgram({{10, {'A'}}}));
    sectors.resize(512, 0);
    EXPECT_EQ(view(prodosTypeForDos(kDosApplesoft), sectors), "10 A\n");
    std::vector<uint8_t> text = {0xC1, 0x8D, 0x00};
    EXPECT_EQ(view(prodosTypeForDos(kDosText), text), "A\n ");
    // A zero byte once bit 7 is cleared ends the text.
    EXPECT_EQ(view(prodosTypeForDos(kDosText), {0xC8, 0xC9, 0x8D, 0x80, 0xC1}), "HI\n");
    EXPECT_EQ(view(prodosTypeForDos(3), text), hexDump(Bytes(text), 3, 0, true));
}

} // namespace
} // namespace lk
