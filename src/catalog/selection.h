// What the tree's selection designates: the entry behind the selected node.
#pragma once

#include <cstdint>

#include "catalog/catalog_tree.h"

namespace lk {

// The entry offset of the selected node, or 0 when nothing is selected.
uint32_t querySelection(const CatalogTree& tree);

} // namespace lk
