#include <gtest/gtest.h>

#include "catalog/catalog_tree.h"
#include "open_helpers.h"

namespace lk::test {
namespace {

CatalogItem named(const std::string& text) {
    return CatalogItem{text, NodeKind::File, 0, Medium::Floppy525, 0};
}

// Inserts first, last and after a sibling with the rows in step (a bad place gives no node,
// texts are held to 260 characters); a removal takes the whole subtree and its selection.
TEST(CatalogTree, InsertsRemovesAndClears) {
    CatalogTree t;
    NodeId vol = t.insert(kRootLevel, kInsertLast, named("VOL"));
    NodeId b = t.insert(vol, kInsertLast, named("B"));
    t.insert(vol, kInsertFirst, named("A"));
    t.insert(vol, b, named("C"));
    NodeId inner = t.insert(b, kInsertLast, named("INNER"));
    EXPECT_EQ(treeLines(t), (std::vector<std::string>{"VOL", "  A", "  B", "    INNER", "  C"}));
    for (uint32_t r = 0; r < t.childCount(vol); ++r) EXPECT_EQ(t.row(t.child(vol, r)), r);
    EXPECT_EQ(t.insert(vol, 9999, named("X")), kNoNode);
    EXPECT_EQ(t.insert(b, t.firstChild(vol), named("X")), kNoNode); // not b's child
    EXPECT_EQ(t.item(t.insert(vol, kInsertLast, named(std::string(300, 'x'))))->text.size(), 260u);
    t.select(inner);
    t.remove(b);
    EXPECT_EQ(t.size(), 4u);
    EXPECT_EQ(t.row(t.lastChild(vol)), 2u);
    EXPECT_EQ(t.selection(), kNoNode);
    t.select(inner); // a removed node cannot be selected
    EXPECT_EQ(t.selection(), kNoNode);
    t.treeItemCount = 2;
    t.clear();
    EXPECT_TRUE(t.empty());
    EXPECT_EQ(t.treeItemCount, 0);
}

} // namespace
} // namespace lk::test
