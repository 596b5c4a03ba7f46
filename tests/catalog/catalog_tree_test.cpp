#include <gtest/gtest.h>

#include "open_helpers.h"
#include "catalog/catalog_tree.h"

namespace lk::test {
namespace {

CatalogItem named(const std::string& text) {
    return CatalogItem{text, NodeKind::File, 0, Medium::Floppy525, 0};
}

TEST(CatalogTree, InsertsFirstLastAndAfterASiblingAndKeepsRowsInStep) {
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
    EXPECT_EQ(t.previousSibling(t.lastChild(vol)), t.child(vol, 2));
    EXPECT_EQ(t.child(vol, 4), kNoNode);
    // Item texts are held to 260 characters.
    EXPECT_EQ(t.item(t.insert(vol, kInsertLast, named(std::string(300, 'x'))))->text.size(), 260u);
}

TEST(CatalogTree, RemovesAWholeSubtreeAndItsSelectionAndClears) {
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
    EXPECT_EQ(t.row(t.firstChild(vol)), 0u);
    t.select(inner); // a removed node cannot be selected
    EXPECT_EQ(t.selection(), kNoNode);

    t.treeItemCount = 2;
    t.select(vol);
    t.clear();
    EXPECT_TRUE(t.empty());
    EXPECT_EQ(t.root(), kNoNode);
    EXPECT_EQ(t.selection(), kNoNode);
    EXPECT_EQ(t.treeItemCount, 0);
}

} // namespace
} // namespace lk::test
