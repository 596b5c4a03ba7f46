#include "catalog/selection.h"

namespace lk {

uint32_t querySelection(const CatalogTree& tree, SelectionQuery* side) {
    SelectionQuery q;
    if (const CatalogItem* root = tree.item(tree.root())) q.rootEntry = root->entryOffset;
    NodeId selected = tree.selection();
    const CatalogItem* item = tree.item(selected);
    if (!item) {
        if (side) *side = q;
        return 0;
    }
    q.selectedKind = item->kind;
    const CatalogItem* parent = tree.item(tree.parent(selected));
    q.parentEntry = parent ? parent->entryOffset : item->entryOffset;
    if (side) *side = q;
    return item->entryOffset;
}

} // namespace lk
