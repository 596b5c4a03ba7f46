// The pictures of the tree: 19 icons, and which one a node shows, derived from its kind, its
// file type and (for a ProDOS volume) the size of its image.
#pragma once

#include <cstdint>

#include "catalog/catalog_tree.h"

namespace lk {

enum TreeIcon : int {
    kIconHardDisk = 0,
    kIconDisk35 = 1,
    kIconDisk525 = 2,
    kIconFolder = 3,
    kIconOpenFolder = 4,
    kIconBlankPage = 5,
    kIconProdos = 6,
    kIconText = 7,
    kIconApplesoft = 8,
    kIconWordProcessor = 9,
    kIconS16 = 10,
    kIconSystem = 11,
    kIconBinary = 12,
    kIconBasicSystem = 13,
    kIconDataBase = 14,
    kIconGraphicsWP = 15,
    kIconSpreadsheet = 16,
    kIconArchive = 17,
    kIconIconFile = 18,
    kTreeIconCount = 19,
};

// The icon of a node, and the one it shows while selected (an open folder for a folder).
TreeIcon treeIcon(const CatalogItem& item);
TreeIcon selectedTreeIcon(const CatalogItem& item);

// The icon of a ProDOS file by its type; a system file ($FF) by its name too, which is compared
// exactly (the walk upper-cases such names).
TreeIcon prodosFileIcon(uint8_t fileType, const std::string& name);
// The icon of a DOS 3.3 file by its type code.
TreeIcon dosFileIcon(uint8_t dosType);

// The size class of an image file of that many bytes.
Medium mediumForSize(int64_t fileSize);

} // namespace lk
