#include <gtest/gtest.h>

#include "basic_builder.h"
#include "open_helpers.h"
#include "prodos/find_path.h"
#include "prodos_builder.h"
#include "translate/hex_dump.h"
#include "translate/view_file.h"

namespace lk {
namespace {

constexpr uint16_t kVol = test::ProdosBuilder::kVolumeKey;

struct Volume {
    test::Opened o;
    std::vector<uint8_t> program = test::applesoftProgram({{10, {0xBA, '"', 'H', 'I', '"'}}});
    std::vector<uint8_t> rsrc = test::patternBytes(40, 3);
    Volume() {
        test::ProdosBuilder b;
        b.addFile(kVol, "HELLO", 0xFC, 0x0801, Bytes(program));
        b.addFile(kVol, "EMPTY", 0x04, 0, Bytes());
        b.addFolder(kVol, "DIR");
        b.addExtended(kVol, "FORKED", 0xFC, 0x0801, Bytes(program), Bytes(rsrc));
        test::openBytes(o, "v.po", b.bytes());
    }
    uint32_t entry(const char* path) {
        return o.tree.item(findNodeByPath(o.tree, path))->entryOffset;
    }
    bool read(const char* path, bool rsrc, ViewRequest& r) {
        NodeId node = findNodeByPath(o.tree, path);
        return readForView(o.image, entry(path), o.tree.item(node)->icon, rsrc, o.file, o.platform,
                           r);
    }
};

TEST(ViewFile, ProdosFileBringsItsTypeAuxTypeAndBytes) {
    Volume v;
    ViewRequest r;
    ASSERT_TRUE(v.read("HELLO", false, r));
    EXPECT_EQ(r.volume, VolumeKind::Prodos);
    EXPECT_EQ(r.fileType, 0xFC);
    EXPECT_EQ(r.auxType, 0x0801);
    EXPECT_EQ(r.startOffset(), 0u);
    EXPECT_EQ(std::vector<uint8_t>(r.data.begin(), r.data.end()), v.program);
    EXPECT_EQ(viewFile(r, Settings(), v.o.platform).text, "10  PRINT \"HI\"\n");
}

TEST(ViewFile, ResourceForkIsDumped) {
    Volume v;
    EXPECT_TRUE(hasResourceFork(v.o.image, v.entry("FORKED")));
    EXPECT_FALSE(hasResourceFork(v.o.image, v.entry("HELLO")));
    EXPECT_FALSE(hasResourceFork(v.o.image, 0xFFFFFFF0));
    ViewRequest r;
    ASSERT_TRUE(v.read("FORKED", true, r));
    EXPECT_TRUE(r.resourceFork);
    EXPECT_EQ(viewFile(r, Settings(), v.o.platform).text,
              hexDump(Bytes(v.rsrc), v.rsrc.size(), 0, true));
    ASSERT_TRUE(v.read("FORKED", false, r));
    EXPECT_EQ(viewFile(r, Settings(), v.o.platform).text, "10  PRINT \"HI\"\n");
}

TEST(ViewFile, EmptyFilesAndFoldersShowNothing) {
    Volume v;
    ViewRequest r;
    EXPECT_FALSE(v.read("EMPTY", false, r));
    EXPECT_FALSE(v.read("DIR", false, r));
    EXPECT_FALSE(v.read("/TEST", false, r));
    EXPECT_TRUE(v.o.platform.messages.empty());
}

TEST(ViewFile, DosFilesStartAfterTheirLengthWord) {
    std::vector<uint8_t> program = test::applesoftProgram({{10, {'A'}}});
    std::vector<uint8_t> sectors = test::withLengthWord(program);
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
    EXPECT_EQ(viewFile(dosViewRequest(3, Bytes(text)), Settings(), p).text,
              hexDump(Bytes(text), 3, 0, true));
}

} // namespace
} // namespace lk
