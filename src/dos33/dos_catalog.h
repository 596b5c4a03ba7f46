// The DOS 3.3 catalog: checks the volume and fills the tree with it.
#pragma once

#include <cstdint>

#include "dos33/dos_error.h"
#include "base/damage.h"
#include "image/disk_image.h"
#include "catalog/catalog_tree.h"

namespace lk {

// Checks the boot sector and the VTOC of a volume held in DOS order and inserts, after the last
// top-level item, the volume node "DISK VOLUME nnn" with one child per file in catalog order.
// Returns 0 or a DOS error number (10 - 14). A catalog chain that loops or leaves the image
// ends the build with what was read so far, noted in `damage`.
int buildDosCatalog(const DiskImage& image, CatalogTree& tree, DamageReport& damage);

} // namespace lk
