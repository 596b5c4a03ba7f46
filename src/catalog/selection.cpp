#include "catalog/selection.h"

namespace lk {

uint32_t querySelection(const CatalogTree& tree) {
    const CatalogItem* item = tree.item(tree.selection());
    return item ? item->entryOffset : 0;
}

} // namespace lk
