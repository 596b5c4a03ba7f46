// Opening an image file: kind by extension, sector order, volume recognition, and the catalog.
#pragma once

#include <vector>

#include "image/disk_image.h"
#include "platform/platform.h"
#include "prodos/catalog_tree.h"

namespace lk {

// Loads the file named by image.path (image.fileTitle is the name shown to the user) and fills
// the tree with its catalog. Always returns 0: success shows in image.bufferValid, image.kind
// and the tree; every refusal has told the user why through the platform.
int openImage(DiskImage& image, CatalogTree& tree, Platform& platform);

// The same open over bytes already read from image.path (used by the open itself, by tests
// and by the fuzz target). Nibble and FDI files are not handled here.
void openImageFromMemory(DiskImage& image, CatalogTree& tree, Platform& platform,
                         std::vector<uint8_t> bytes);

// Releases the image and empties the tree.
void closeImage(DiskImage& image, CatalogTree& tree);

} // namespace lk
