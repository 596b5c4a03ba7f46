// The DOS 3.3 catalog: the VTOC, the catalog sectors and the tree they fill.
#pragma once

#include <cstdint>

#include "image/damage.h"
#include "image/disk_image.h"
#include "platform/platform.h"
#include "prodos/catalog_tree.h"

namespace lk {

// Checks the volume and fills the tree with its volume node and files. 0 on success or a DOS
// error number (10 - 14); findings that have no number of their own go to `damage`.
int buildDosCatalog(DiskImage& image, CatalogTree& tree, DamageReport& damage);

// Shows the message for a DOS error number (its absolute value); 100 shows nothing.
void reportDosError(Platform& platform, int code);

} // namespace lk
