// Reads a ProDOS volume's directories out of the image and fills the catalog tree.
#pragma once

#include <cstdint>
#include <string>

#include "base/damage.h"
#include "catalog/catalog_tree.h"
#include "image/disk_image.h"

namespace lk {

// Folders nested deeper than this are shown but not walked: no real volume comes near it, and
// it bounds the recursion on a hostile image.
inline constexpr int kMaxFolderDepth = 64;

// Walks the directory chain that starts at the key block and inserts its nodes below `parent`
// (kRootLevel for the volume directory, whose header becomes the parent of the rest), recursing
// into folders. Loops, pointers outside the image and excessive nesting end that part of the
// walk and are noted in `damage`.
void walkDirectory(const DiskImage& image, CatalogTree& tree, NodeId parent, uint16_t keyBlock,
                   DamageReport& damage);

// The node of a file entry: its name (upper-cased for a system file, $FF, as ProDOS shows
// those), kind and type.
CatalogItem fileItem(std::string name, uint8_t fileType, uint32_t entryOffset);

} // namespace lk
