#include <gtest/gtest.h>

#include "open_helpers.h"
#include "prodos/selection.h"
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
    NodeId node(const std::string& path) {
        NodeId n = o.tree.root();
        size_t start = 0;
        while (start < path.size()) {
            size_t slash = path.find('/', start);
            std::string part =
                path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
            n = childWithText(o.tree, n, part);
            start = slash == std::string::npos ? path.size() : slash + 1;
        }
        return n;
    }
};

TEST(QuerySelection, GivesTheEntryAndItsSideResults) {
    Work w;
    const CatalogTree& tree = w.o.tree;
    uint32_t volumeEntry = tree.item(tree.root())->entryOffset;
    SelectionQuery q;

    w.o.tree.select(kNoNode);
    EXPECT_EQ(querySelection(tree, &q), 0u);
    EXPECT_EQ(q.rootEntry, volumeEntry);

    w.o.tree.select(tree.root());
    EXPECT_EQ(querySelection(tree, &q), volumeEntry);
    EXPECT_EQ(q.parentEntry, q.rootEntry);
    EXPECT_EQ(q.selectedIcon, kIconDisk525);
    EXPECT_EQ(q.selectedHasChildren, 1);

    NodeId letters = w.node("LETTERS");
    NodeId mom = w.node("LETTERS/MOM");
    w.o.tree.select(mom);
    EXPECT_EQ(querySelection(tree, &q), tree.item(mom)->entryOffset);
    EXPECT_EQ(q.parentEntry, tree.item(letters)->entryOffset);
    EXPECT_EQ(q.selectedIcon, kIconText);
    EXPECT_EQ(q.selectedHasChildren, 0);
}

TEST(PlacePath, NamesTheDirectoryOfTheSelection) {
    Work w;
    struct Case {
        const char* select;
        const char* path;
    } cases[] = {{"", "/WORK"},
                 {"LETTERS", "/WORK/LETTERS"},
                 {"LETTERS/MOM", "/WORK/LETTERS"},
                 {"README", "/WORK"}};
    for (const Case& c : cases) {
        w.o.tree.select(w.node(c.select));
        std::string text;
        EXPECT_EQ(placePath(w.o.image, w.o.tree, text), int(std::string(c.path).size()));
        EXPECT_EQ(text, c.path);
    }
}

TEST(PlacePath, ReportsMissingTreeAndSelection) {
    Work w;
    std::string text;
    w.o.tree.select(kNoNode);
    EXPECT_EQ(placePath(w.o.image, w.o.tree, text), -2);
    CatalogTree empty;
    EXPECT_EQ(placePath(w.o.image, empty, text), -1);
    // A node whose entry lies outside the image cannot be read.
    NodeId stray = w.o.tree.insert(kRootLevel, kInsertLast, CatalogItem{"X", 5, 5, 0, 0xFFFFFF});
    w.o.tree.select(stray);
    EXPECT_EQ(placePath(w.o.image, w.o.tree, text), -3);
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
