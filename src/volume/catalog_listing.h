// The Catalog command's text: the selected file, or the selected volume or folder with everything
// below it, one line per node. DOS 3.3 lines read like the DOS CATALOG command (lock mark, type
// letter, sectors, name); ProDOS lines are indented by depth and give the type and length.
#pragma once

#include <string>

#include "catalog/catalog_tree.h"
#include "image/disk_image.h"

namespace lk {

// Writes the listing of the tree's selection into `text` ("\n" line ends). Returns 0, -1 when
// the tree is empty, -2 when nothing is selected, -3 when the selected item cannot be read.
int catalogListing(const DiskImage& image, const CatalogTree& tree, std::string& text);

} // namespace lk
