// What the tree's selection designates: the entry behind the selected node, and the ProDOS
// pathname of the directory it names.
#pragma once

#include <cstdint>
#include <string>

#include "image/disk_image.h"
#include "prodos/catalog_tree.h"

namespace lk {

// Side results of querySelection, for the commands that need them.
struct SelectionQuery {
    uint32_t rootEntry = 0;
    int selectedIcon = 0;
    int selectedHasChildren = 0;
    // The parent's entry, or the selected node's own entry when it is the root.
    uint32_t parentEntry = 0;
};

// The entry offset of the selected node, or 0 when nothing is selected.
uint32_t querySelection(const CatalogTree& tree, SelectionQuery* side = nullptr);

inline constexpr int kMaxPathLength = 128;

// The length of the pathname of the directory the selection designates (the node itself for
// the volume or a folder, else the folder holding the selected file), the text in `pathText`.
// Negative: -1 no tree, -2 nothing selected, -3 the selected entry cannot be read, -4 an
// ancestor cannot be read, and minus the length reached once it passes 128 with ancestors left.
int placePath(const DiskImage& image, const CatalogTree& tree, std::string& pathText);

} // namespace lk
