#include "volume/catalog_listing.h"

#include "volume/volume.h"

namespace lk {

namespace {

void appendLine(const Volume& volume, const DiskImage& image, const CatalogItem& item,
                std::string& text) {
    std::string attributes = volume.listingAttributes(image, item);
    if (volume.kind() == VolumeKind::Dos33)
        text += attributes + item.text;
    else
        text += item.text + attributes;
    text += '\n';
}

// The node after `node` in a depth-first walk of the subtree of `top`, with its depth, or kNoNode
// once the walk is back at `top`'s level.
NodeId nextInSubtree(const CatalogTree& tree, NodeId top, NodeId node, int& depth) {
    if (canHaveChildren(tree.item(node)->kind)) {
        if (NodeId child = tree.firstChild(node); child != kNoNode) {
            ++depth;
            return child;
        }
    }
    while (node != top) {
        if (NodeId next = tree.nextSibling(node); next != kNoNode) return next;
        node = tree.parent(node);
        --depth;
    }
    return kNoNode;
}

} // namespace

int catalogListing(const DiskImage& image, const CatalogTree& tree, std::string& text) {
    text.clear();
    if (tree.empty()) return -1;
    NodeId selected = tree.selection();
    if (selected == kNoNode) return -2;
    const CatalogItem* item = tree.item(selected);
    if (!item) return -3;
    const Volume& volume = volumeOf(image);
    if (isFile(item->kind)) {
        appendLine(volume, image, *item, text);
        return 0;
    }
    int depth = 0;
    for (NodeId node = selected; node != kNoNode;
         node = nextInSubtree(tree, selected, node, depth)) {
        const CatalogItem& it = *tree.item(node);
        if (volume.kind() == VolumeKind::Prodos) text.append(size_t(depth), '\t');
        appendLine(volume, image, it, text);
        // A blank line sets the volume's line apart from its files.
        if (isVolume(it.kind)) text += '\n';
    }
    return 0;
}

} // namespace lk
