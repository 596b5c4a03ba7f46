// The ProDOS pathname of the directory the tree's selection designates, where a new file or
// folder would go.
#pragma once

#include <cstdint>
#include <string>

#include "image/disk_image.h"
#include "catalog/catalog_tree.h"

namespace lk {

inline constexpr int kMaxPathLength = 128;

// The length of the pathname of the directory the selection designates (the node itself for
// the volume or a folder, else the folder holding the selected file), the text in `pathText`.
// Negative: -1 no tree, -2 nothing selected, -3 the selected entry cannot be read, -4 an
// ancestor cannot be read, and minus the length reached once it passes 128 with ancestors left.
int placePath(const DiskImage& image, const CatalogTree& tree, std::string& pathText);

} // namespace lk
