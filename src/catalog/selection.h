// What the tree's selection designates: the entry behind the selected node, with the entries
// of the root and of the node's parent, which the commands need beside it.
#pragma once

#include <cstdint>

#include "catalog/catalog_tree.h"

namespace lk {

// Side results of querySelection, for the commands that need them.
struct SelectionQuery {
    uint32_t rootEntry = 0;
    NodeKind selectedKind = NodeKind::File;
    // The parent's entry, or the selected node's own entry when it is the root.
    uint32_t parentEntry = 0;
};

// The entry offset of the selected node, or 0 when nothing is selected.
uint32_t querySelection(const CatalogTree& tree, SelectionQuery* side = nullptr);

} // namespace lk
