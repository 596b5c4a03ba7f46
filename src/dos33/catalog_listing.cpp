#include "dos33/catalog_listing.h"

#include "dos33/dos_entry.h"
#include "platform/format.h"
#include "prodos/file_entry.h"
#include "prodos/file_types.h"

namespace lk {

namespace {

constexpr uint32_t kNameColumn = 16;

std::string dosAttributes(const DiskImage& image, uint32_t entryOffset, int icon) {
    if (icon == kIconDisk525) return {};
    DosEntry e;
    dosEntryAt(image, entryOffset, e);
    char letter[2] = {dosTypeLetter(e.type), 0};
    return format(e.locked ? "*%s %03u " : " %s %03u ", letter, unsigned(e.sectors));
}

std::string prodosAttributes(const DiskImage& image, uint32_t entryOffset) {
    FileEntry e;
    loadEntry(image, entryOffset, e);
    std::string text(kNameColumn - e.nameLength(), ' ');
    if (e.storageType() == kStorageVolumeHeader) return text + "Volume";
    text += typeText(e.fileType, e.auxType);
    appendFormat(text, "   L%i", int(e.eof));
    return text;
}

void appendLine(const DiskImage& image, const CatalogItem& item, std::string& text) {
    std::string attributes = entryAttributes(image, item.entryOffset, item.icon);
    if (image.isDos33)
        text += attributes + item.text;
    else
        text += item.text + attributes;
    text += '\n';
}

bool isFileIcon(int icon) {
    return icon > kIconFolder;
}
bool isVolumeIcon(int icon) {
    return icon < kIconFolder;
}

// The node after `node` in a depth-first walk of the subtree of `top`, with its depth, or kNoNode
// once the walk is back at `top`'s level.
NodeId nextInSubtree(const CatalogTree& tree, NodeId top, NodeId node, int& depth) {
    if (tree.item(node)->hasChildren) {
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

std::string entryAttributes(const DiskImage& image, uint32_t entryOffset, int icon) {
    return image.isDos33 ? dosAttributes(image, entryOffset, icon)
                         : prodosAttributes(image, entryOffset);
}

int catalogListing(const DiskImage& image, const CatalogTree& tree, std::string& text) {
    text.clear();
    if (tree.empty()) return -1;
    NodeId selected = tree.selection();
    if (selected == kNoNode) return -2;
    const CatalogItem* item = tree.item(selected);
    if (!item) return -3;
    if (isFileIcon(item->icon)) {
        appendLine(image, *item, text);
        return 0;
    }
    int depth = 0;
    for (NodeId node = selected; node != kNoNode;
         node = nextInSubtree(tree, selected, node, depth)) {
        const CatalogItem& it = *tree.item(node);
        if (!image.isDos33) text.append(size_t(depth), '\t');
        appendLine(image, it, text);
        if (isVolumeIcon(it.icon)) text += '\n';
    }
    return 0;
}

} // namespace lk
