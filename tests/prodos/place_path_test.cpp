#include <gtest/gtest.h>

#include "catalog/tree_icon.h"
#include "open_helpers.h"
#include "catalog/find_path.h"
#include "catalog/selection.h"
#include "prodos/place_path.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

constexpr uint16_t kVol = ProdosBuilder::kVolumeKey;

struct Work {
    Opened o;
    Work() {
        ProdosBuilder b(280, "WORK");
        uint16_t letters = b.addFolder(kVol, "LETTERS");
        b.addFile(letters, "MOM", 0x04, 0, Bytes(patternBytes(10)));
        b.addFile(kVol, "README", 0x04, 0, Bytes(patternBytes(10)));
        openBytes(o, "w.po", b.bytes());
    }
    uint32_t entry(const char* path) {
        return o.tree.item(findNodeByPath(o.tree, path))->entryOffset;
    }
};

TEST(QuerySelection, GivesTheEntryAndItsSideResults) {
    Work w;
    uint32_t volume = w.entry("/WORK");
    SelectionQuery q;
    w.o.tree.select(kNoNode);
    EXPECT_EQ(querySelection(w.o.tree, &q), 0u);
    EXPECT_EQ(q.rootEntry, volume);

    w.o.tree.select(w.o.tree.root());
    EXPECT_EQ(querySelection(w.o.tree, &q), volume);
    EXPECT_EQ(q.parentEntry, volume);
    EXPECT_EQ(q.selectedKind, NodeKind::Volume);

    w.o.tree.select(findNodeByPath(w.o.tree, "LETTERS/MOM"));
    EXPECT_EQ(querySelection(w.o.tree, &q), w.entry("LETTERS/MOM"));
    EXPECT_EQ(q.parentEntry, w.entry("LETTERS"));
    EXPECT_EQ(q.rootEntry, volume);
    EXPECT_EQ(q.selectedKind, NodeKind::File);
}

TEST(PlacePath, NamesTheDirectoryOfTheSelectionOrWhyNot) {
    Work w;
    // A node whose entry lies outside the image cannot be read.
    NodeId stray = w.o.tree.insert(kRootLevel, kInsertLast, CatalogItem{"X", NodeKind::File, 0, Medium::Floppy525, 0xFFFFFF});
    struct Case {
        NodeId select;
        int result;
        const char* path;
    } cases[] = {
        {w.o.tree.root(), 5, "/WORK"},
        {findNodeByPath(w.o.tree, "LETTERS"), 13, "/WORK/LETTERS"},
        {findNodeByPath(w.o.tree, "LETTERS/MOM"), 13, "/WORK/LETTERS"},
        {findNodeByPath(w.o.tree, "README"), 5, "/WORK"},
        {kNoNode, -2, ""},
        {stray, -3, ""},
    };
    for (const Case& c : cases) {
        w.o.tree.select(c.select);
        std::string text;
        EXPECT_EQ(placePath(w.o.image, w.o.tree, text), c.result) << c.path;
        if (c.result > 0) EXPECT_EQ(text, c.path);
    }
    CatalogTree empty;
    std::string text;
    EXPECT_EQ(placePath(w.o.image, empty, text), -1);
}

TEST(PlacePath, StopsOncePastTheProdosLimit) {
    ProdosBuilder b(1600, "V");
    uint16_t dir = kVol;
    // Ten folders of 15-character names: 16 characters each on the path.
    for (int i = 0; i < 10; ++i) dir = b.addFolder(dir, "FOLDERNAMEOF15" + std::to_string(i));
    Opened o;
    openBytes(o, "v.po", b.bytes());
    NodeId n = o.tree.root();
    for (int i = 0; i < 10; ++i) n = o.tree.firstChild(n);
    o.tree.select(n);
    std::string text;
    // The selected folder and seven ancestors make 128; the eighth ancestor pushes past it with
    // more ancestors still above, so the walk stops there.
    EXPECT_EQ(placePath(o.image, o.tree, text), -144);

    // Eight levels make 128, and the volume's "/V" pushes the result past the limit only after
    // the last ancestor: the length is returned and the callers test it.
    o.tree.select(o.tree.parent(o.tree.parent(n)));
    EXPECT_EQ(placePath(o.image, o.tree, text), 130);
    EXPECT_EQ(text.size(), 130u);
}

} // namespace
} // namespace lk::test
