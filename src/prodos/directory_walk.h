// Reads a ProDOS volume's directories out of the image and fills the catalog tree.
#pragma once

#include <cstdint>
#include <string>

#include "image/damage.h"
#include "image/disk_image.h"
#include "prodos/catalog_tree.h"

namespace lk {

// Folders nested deeper than this are shown but not walked: no real volume comes near it, and
// it bounds the recursion on a hostile image.
inline constexpr int kMaxFolderDepth = 64;

// Walks the directory chain that starts at the key block and inserts its nodes below the tree's
// current parent, recursing into folders. Loops, pointers outside the image and excessive
// nesting end that part of the walk and are noted in `damage`.
void walkDirectory(const DiskImage& image, CatalogTree& tree, uint16_t keyBlock,
                   DamageReport& damage);

// The icon of a file node; for system files ($FF) the name is upper-cased in place first.
int fileIcon(uint8_t fileType, uint16_t auxType, std::string& name);

// The icon of the volume node by the size of the image file.
int volumeIconForSize(int64_t fileSize);

} // namespace lk
