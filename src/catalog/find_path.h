// Finding a node of the catalog tree by its pathname, as users and scripts write it.
#pragma once

#include <string>
#include <string_view>

#include "catalog/catalog_tree.h"

namespace lk {

// "/VOL/DIR/FILE" (from the volume) or "DIR/FILE" (relative to the volume); names are compared
// without regard to case and without the trailing spaces of DOS 3.3 names. kNoNode when absent.
NodeId findNodeByPath(const CatalogTree& tree, std::string_view path);

// The node's pathname from the volume: "/VOL/DIR/FILE" (trailing spaces of names dropped).
std::string nodePath(const CatalogTree& tree, NodeId node);

} // namespace lk
