// Renaming: the working entry, filled by the Name dialog, written back over the selected entry,
// and the node's text (and icon) following it.
#pragma once

#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "prodos/file_entry.h"

namespace lk {

// Writes the working entry over the entry of the selected node: its name, type, auxiliary type
// and access change, its storage type, pointers, sizes and dates stay as the working entry
// holds them (loaded from the entry). A folder's header takes the new name too, as ProDOS keeps
// the two alike. False when nothing is selected or the entry lies outside the image.
bool renameSelected(DiskImage& image, CatalogTree& tree, const FileEntry& working,
                    Outcome& outcome);

} // namespace lk
