#include "prodos/directory_walk.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "catalog/tree_icon.h"
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

void walkChain(Walk& w, NodeId parent, uint16_t keyBlock, int depth);

NodeId insertNode(Walk& w, NodeId parent, CatalogItem item) {
    NodeId node = w.tree.insert(parent, kInsertLast, std::move(item));
    if (node != kNoNode) ++w.tree.treeItemCount;
    return node;
}

// Inserts the node of one entry; returns the parent for the entries after it (the volume node
// once the volume directory header is read).
NodeId insertEntry(Walk& w, NodeId parent, uint32_t blockBase, uint32_t p, const uint8_t* e,
                   int depth) {
    uint32_t entryOffset = blockBase + p;
    CatalogItem item;
    item.text = entryName(e);
    item.entryOffset = entryOffset;
    switch (e[0] >> 4) {
    case kStorageVolumeHeader: {
        item.kind = NodeKind::Volume;
        item.medium = mediumForSize(w.image.fileSize);
        NodeId node = insertNode(w, parent, std::move(item));
        return node != kNoNode && p == kFirstEntryOffset ? node : parent;
    }
    case kStorageSeedling:
    case kStorageSapling:
    case kStorageTree:
    case kStorageExtended:
        insertNode(w, parent, fileItem(std::move(item.text), e[entry::kFileType], entryOffset));
        return parent;
    case kStorageSubdirectory: {
        item.kind = NodeKind::Folder;
        NodeId folder = insertNode(w, parent, std::move(item));
        if (folder == kNoNode) return parent;
        if (depth + 1 > kMaxFolderDepth) {
            w.damage.note(MessageId::NoteFolderNesting, kMaxFolderDepth);
            return parent;
        }
        walkChain(w, folder, le16(e + entry::kKeyPointer), depth + 1);
        return parent;
    }
    default:
        return parent; // free entries, Pascal areas, headers and undefined types show no node
    }
}

void walkChain(Walk& w, NodeId parent, uint16_t keyBlock, int depth) {
    uint32_t block = keyBlock;
    while (block != 0) {
        Bytes bytes = blockBytes(w.image, block);
        if (bytes.empty()) {
            w.damage.note(MessageId::NoteDirectoryOutside, block);
            return;
        }
        if (w.visited[block]) {
            w.damage.note(MessageId::NoteDirectoryLoop, block);
            return;
        }
        w.visited[block] = true;
        uint8_t copy[kBlockSize];
        std::memcpy(copy, bytes.data(), kBlockSize);
        uint32_t base = uint32_t(blockOffset(w.image, block));
        for (uint32_t p = kFirstEntryOffset; p < 511; p += kEntryLength)
            parent = insertEntry(w, parent, base, p, copy + p, depth);
        block = le16(copy + 2);
    }
}

} // namespace

CatalogItem fileItem(std::string name, uint8_t fileType, uint32_t entryOffset) {
    if (fileType == 0xFF)
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return char(std::toupper(c)); });
    CatalogItem item;
    item.text = std::move(name);
    item.kind = NodeKind::File;
    item.fileType = fileType;
    item.entryOffset = entryOffset;
    return item;
}

void walkDirectory(const DiskImage& image, CatalogTree& tree, NodeId parent, uint16_t keyBlock,
                   DamageReport& damage) {
    Walk w{image, tree, damage, std::vector<bool>(imageBlockCount(image), false)};
    walkChain(w, parent, keyBlock, 0);
}

} // namespace lk
