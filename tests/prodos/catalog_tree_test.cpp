#include <gtest/gtest.h>

#include "open_helpers.h"
#include "prodos/catalog_tree.h"

namespace lk::test {
namespace {

CatalogItem named(const std::string& text) {
    return CatalogItem{text, 5, 5, 0, 0};
}

TEST(CatalogTree, InsertsFirstLastAndAfterASibling) {
    CatalogTree t;
    NodeId vol = t.insert(kRootLevel, kInsertLast, named("VOL"));
    NodeId b = t.insert(vol, kInsertLast, named("B"));
    t.insert(vol, kInsertFirst, named("A"));
    t.insert(vol, b, named("C"));
    t.insert(vol, kInsertLast, named("D"));
    EXPECT_EQ(treeLines(t), (std::vector<std::string>{"VOL", "  A", "  B", "  C", "  D"}));
    for (uint32_t r = 0; r < t.childCount(vol); ++r) EXPECT_EQ(t.row(t.child(vol, r)), r);
    EXPECT_EQ(t.insert(vol, 9999, named("X")), kNoNode);
    EXPECT_EQ(t.insert(b, t.firstChild(vol), named("X")), kNoNode); // not b's child
    EXPECT_EQ(t.parent(vol), kNoNode);
    EXPECT_EQ(t.parent(b), vol);
    EXPECT_EQ(t.lastChild(vol), t.child(vol, 3));
    EXPECT_EQ(t.child(vol, 4), kNoNode);
    EXPECT_EQ(t.previousSibling(t.firstChild(vol)), kNoNode);
}

TEST(CatalogTree, RemovesAWholeSubtreeAndItsSelection) {
    CatalogTree t;
    NodeId vol = t.insert(kRootLevel, kInsertLast, named("VOL"));
    NodeId dir = t.insert(vol, kInsertLast, named("DIR"));
    NodeId inner = t.insert(dir, kInsertLast, named("INNER"));
    t.insert(vol, kInsertLast, named("AFTER"));
    t.select(inner);
    t.remove(dir);
    EXPECT_EQ(treeLines(t), (std::vector<std::string>{"VOL", "  AFTER"}));
    EXPECT_EQ(t.selection(), kNoNode);
    EXPECT_EQ(t.size(), 2u);
    EXPECT_FALSE(t.valid(inner));
    EXPECT_EQ(t.row(t.firstChild(vol)), 0u);
    t.select(inner);
    EXPECT_EQ(t.selection(), kNoNode);
}

TEST(CatalogTree, ClearEmptiesEverything) {
    CatalogTree t;
    NodeId vol = t.insert(kRootLevel, kInsertLast, named("VOL"));
    t.treeItemCount = 1;
    t.select(vol);
    t.clear();
    EXPECT_TRUE(t.empty());
    EXPECT_EQ(t.root(), kNoNode);
    EXPECT_EQ(t.selection(), kNoNode);
    EXPECT_EQ(t.treeItemCount, 0);
}

TEST(CatalogTree, CapsItemTextAt260Characters) {
    CatalogTree t;
    NodeId n = t.insert(kRootLevel, kInsertLast, named(std::string(300, 'x')));
    EXPECT_EQ(t.item(n)->text.size(), 260u);
}

} // namespace
} // namespace lk::test
