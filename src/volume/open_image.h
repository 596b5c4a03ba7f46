// Opening an image file: its kind by extension, its sector order, which volume it holds, and
// the catalog of that volume.
#pragma once

#include <cstdint>
#include <vector>

#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "image/disk_image.h"

namespace lk {

// The largest file that can be an image: a 2IMG header and 65535 blocks.
inline constexpr uint64_t kLargestImageFile = 64 + 65535ull * 512;

// Loads the file named by image.path (image.fileTitle is the name shown to the user) and fills
// the tree with its catalog. Success shows in image.bufferValid, image.kind and the tree; every
// refusal says why in the outcome, as does damage found in the catalog.
void openImage(DiskImage& image, CatalogTree& tree, Outcome& outcome);

// The same open over bytes already read from image.path (used by the open itself, by tests and
// by the fuzz target). Nibble and FDI files are not handled here.
void openImageFromMemory(DiskImage& image, CatalogTree& tree, std::vector<uint8_t> bytes,
                         Outcome& outcome);

// Releases the image and empties the tree.
void closeImage(DiskImage& image, CatalogTree& tree);

} // namespace lk
