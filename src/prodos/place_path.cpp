#include "prodos/place_path.h"

#include "prodos/file_entry.h"

namespace lk {

namespace {

// The node's name as the pathname uses it: as long as its entry says.
bool pathName(const DiskImage& image, const CatalogItem& item, std::string& name,
              uint8_t& storage) {
    Bytes e = entryBytes(image, item.entryOffset);
    if (e.empty()) return false;
    storage = e[0] >> 4;
    name = item.text.substr(0, e[0] & 0x0F);
    return true;
}

} // namespace

int placePath(const DiskImage& image, const CatalogTree& tree, std::string& pathText) {
    pathText.clear();
    if (tree.empty()) return -1;
    NodeId node = tree.selection();
    const CatalogItem* item = tree.item(node);
    if (!item) return -2;
    std::string name;
    uint8_t storage = 0;
    if (!pathName(image, *item, name, storage)) return -3;
    int length = 0;
    if (storage > kStorageExtended) {
        pathText = "/" + name;
        length = int(name.size()) + 1;
    }
    for (NodeId up = tree.parent(node); up != kNoNode; up = tree.parent(up)) {
        if (length > kMaxPathLength) return -length;
        const CatalogItem* ancestor = tree.item(up);
        if (!ancestor || !pathName(image, *ancestor, name, storage)) return -4;
        pathText = "/" + name + pathText;
        length += int(name.size()) + 1;
    }
    return length;
}

} // namespace lk
