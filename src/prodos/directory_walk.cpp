#include "prodos/directory_walk.h"

#include <cstring>
#include <vector>

#include "platform/format.h"
#include "prodos/file_entry.h"

namespace lk {

namespace {

struct Walk {
    const DiskImage& image;
    CatalogTree& tree;
    DamageReport& damage;
    // Every directory block is read once: a chain that loops, or two directories that share a
    // block, ends there instead of walking for ever.
    std::vector<bool> visited;
};

std::string entryName(const uint8_t* entry) {
    size_t n = entry[0] & 0x0F;
    const char* name = reinterpret_cast<const char*>(entry + 1);
    // The name is used as a C string: a zero byte inside it ends it.
    return std::string(name, strnlen(name, n));
}

void walkChain(Walk& w, uint16_t keyBlock, int depth);

void insertEntry(Walk& w, uint32_t blockBase, uint32_t p, const uint8_t* e, int depth) {
    uint32_t entryOffset = blockBase + p;
    uint8_t storage = e[0] >> 4;
    CatalogItem item;
    item.text = entryName(e);
    item.entryOffset = entryOffset;
    switch (storage) {
    case kStorageVolumeHeader: {
        w.tree.volumeIcon = volumeIconForSize(w.image.fileSize);
        item.icon = item.selectedIcon = w.tree.volumeIcon;
        item.hasChildren = 1;
        NodeId node = w.tree.insert(w.tree.currentParent, kInsertLast, std::move(item));
        if (node == kNoNode) return;
        ++w.tree.treeItemCount;
        if (p == kFirstEntryOffset) w.tree.currentParent = node;
        return;
    }
    case kStorageSeedling:
    case kStorageSapling:
    case kStorageTree:
    case kStorageExtended:
        item.icon = item.selectedIcon =
            fileIcon(e[entry::kFileType], le16(e + entry::kAuxType), item.text);
        if (w.tree.insert(w.tree.currentParent, kInsertLast, std::move(item)) != kNoNode)
            ++w.tree.treeItemCount;
        return;
    case kStorageSubdirectory: {
        item.icon = kIconFolder;
        item.selectedIcon = kIconOpenFolder;
        item.hasChildren = 1;
        NodeId folder = w.tree.insert(w.tree.currentParent, kInsertLast, std::move(item));
        if (folder == kNoNode) return;
        ++w.tree.treeItemCount;
        if (depth + 1 > kMaxFolderDepth) {
            w.damage.note(format("folders are nested more than %d levels deep", kMaxFolderDepth));
            return;
        }
        NodeId saved = w.tree.currentParent;
        w.tree.currentParent = folder;
        walkChain(w, le16(e + entry::kKeyPointer), depth + 1);
        w.tree.currentParent = saved;
        return;
    }
    default:
        return; // free entries, Pascal areas, headers and undefined types show no node
    }
}

void walkChain(Walk& w, uint16_t keyBlock, int depth) {
    uint32_t block = keyBlock;
    while (block != 0) {
        Bytes bytes = blockBytes(w.image, block);
        if (bytes.empty()) {
            w.damage.note(
                format("a directory points to block %u, beyond the end of the image", block));
            return;
        }
        if (w.visited[block]) {
            w.damage.note(format(
                "the directory chain at block %u leads back to a block already read", block));
            return;
        }
        w.visited[block] = true;
        uint8_t copy[kBlockSize];
        std::memcpy(copy, bytes.data(), kBlockSize);
        uint32_t base = uint32_t(blockOffset(w.image, block));
        for (uint32_t p = kFirstEntryOffset; p < 511; p += kEntryLength)
            insertEntry(w, base, p, copy + p, depth);
        block = le16(copy + 2);
    }
}

} // namespace

void walkDirectory(const DiskImage& image, CatalogTree& tree, uint16_t keyBlock,
                   DamageReport& damage) {
    Walk w{image, tree, damage, std::vector<bool>(imageBlockCount(image), false)};
    walkChain(w, keyBlock, 0);
}

} // namespace lk
