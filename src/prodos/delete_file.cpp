#include "prodos/delete_file.h"

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/find_path.h"
#include "prodos/block_allocation.h"
#include "prodos/file_entry.h"

namespace lk {

namespace {

constexpr uint32_t kResourceMini = 0x100; // the resource fork's mini-entry in an extended key

using BlockCopy = std::array<uint8_t, kBlockSize>;

// Frees the blocks one entry names, counting them against the blocks it claims.
struct Freeing {
    DiskImage& image;
    DamageReport& damage;
    const std::string& name;
    uint32_t left = 0; // blocks the entry still claims

    Release release(uint32_t block) {
        Release r = releaseBlock(image, block);
        if (r == Release::AlreadyFree) damage.note(MessageId::NoteDeleteBlockFree, block, name);
        if (r == Release::Outside) damage.note(MessageId::NoteDeleteBlockOutside, name, block);
        if (r != Release::Sparse && left > 0) --left;
        return r;
    }

    // Releases the block and, when it was the file's own, gives a copy of what it held (an
    // index block is read after it is freed, and the copy keeps it from any later change).
    bool releaseAndRead(uint32_t block, BlockCopy& copy) {
        if (release(block) != Release::Freed) return false;
        copy = readBlock(image, block);
        return true;
    }

    static uint16_t indexEntry(const BlockCopy& index, uint32_t i) {
        return uint16_t(index[i] | (index[256 + i] << 8));
    }

    // A seedling, sapling or tree: the key block, then the index entries in order while the
    // entry claims blocks; a tree's index blocks each with their own entries.
    void file(int kind, uint16_t key) {
        BlockCopy index;
        if (!releaseAndRead(key, index) || kind == kStorageSeedling) return;
        for (uint32_t i = 0; i < 256 && left != 0; ++i) {
            BlockCopy inner;
            if (kind != kStorageTree)
                release(indexEntry(index, i));
            else if (releaseAndRead(indexEntry(index, i), inner))
                for (uint32_t j = 0; j < 256 && left != 0; ++j) release(indexEntry(inner, j));
        }
    }

    void claimedMore() {
        if (left != 0) damage.note(MessageId::NoteDeleteCountShort, name, left);
    }

    // A folder's own directory blocks, along its chain while it claims blocks.
    void folder(uint16_t key) {
        uint32_t claimed = left;
        BlockCopy block;
        if (!releaseAndRead(key, block)) return;
        while (left != 0) {
            uint16_t next = le16(block.data() + 2);
            if (next == 0) {
                damage.note(MessageId::NoteDeleteChainShort, name, left);
                return;
            }
            // A block freed already still leads on; one outside the volume ends the walk.
            if (release(next) == Release::Outside) return;
            block = readBlock(image, next);
        }
        if (le16(block.data() + 2) != 0) damage.note(MessageId::NoteDeleteChainLong, name, claimed);
    }

    // An extended file: its key block, then the resource fork and the data fork.
    void extended(uint16_t key) {
        BlockCopy x;
        if (!releaseAndRead(key, x)) return;
        for (uint32_t mini : {kResourceMini, 0u}) {
            int kind = x[mini] & 0x0F;
            if (kind < kStorageSeedling || kind > kStorageTree) {
                damage.note(MessageId::NoteDeleteForkType, name, kind);
                continue;
            }
            left = le16(x.data() + mini + 3);
            file(kind, le16(x.data() + mini + 1));
            claimedMore();
        }
    }
};

// The key block of the directory that holds the node's entry: the one the walk read it from.
uint16_t directoryKey(const DiskImage& image, const CatalogTree& tree, NodeId node) {
    const CatalogItem* parent = tree.item(tree.parent(node));
    if (!parent || parent->kind == NodeKind::Volume) return uint16_t(kVolumeDirectoryBlock);
    return le16At(entryBytes(image, parent->entryOffset), entry::kKeyPointer);
}

void countOneFileLess(DiskImage& image, uint16_t directory, DamageReport& damage) {
    MutableBytes key = blockBytesMutable(image, directory);
    uint8_t header = key.empty() ? 0 : key[kFirstEntryOffset] >> 4;
    if (header != kStorageSubdirectoryHeader && header != kStorageVolumeHeader) {
        damage.note(MessageId::NoteWriteNoHeader, directory);
        return;
    }
    uint16_t count = le16(key.data() + dirHeader::kFileCount);
    if (count == 0) {
        damage.note(MessageId::NoteDeleteCountZero, directory);
        return;
    }
    putLe16(key.data() + dirHeader::kFileCount, uint16_t(count - 1));
}

int classify(uint8_t storage, bool finalPass) {
    if (storage == kStorageSubdirectory) return finalPass ? kDeleted : kDeleteFolderFirst;
    if (storage >= 0x6 && storage <= 0xC) return kDeleteUnsupported;
    switch (storage) {
    case kStorageFree:
        return kDeleteFreeEntry;
    case kStoragePascal:
        return kDeletePascal;
    case kStorageSubdirectoryHeader:
        return kDeleteHeader;
    case kStorageVolumeHeader:
        return kDeleteVolume;
    default:
        return kDeleted;
    }
}

int classifyNode(const DiskImage& image, const CatalogTree& tree, NodeId node, bool finalPass) {
    const CatalogItem* item = tree.item(node);
    Bytes e = item ? entryBytes(image, item->entryOffset) : Bytes();
    return e.empty() ? kDeleteNodeKept : classify(e[0] >> 4, finalPass);
}

int deleteNode(DiskImage& image, CatalogTree& tree, NodeId node, DamageReport& damage);

// Every child of a folder or of the volume, depth-first. A child that cannot be deleted stays,
// and so does its folder.
bool deleteChildren(DiskImage& image, CatalogTree& tree, NodeId node, DamageReport& damage) {
    std::vector<NodeId> children;
    for (NodeId c = tree.firstChild(node); c != kNoNode; c = tree.nextSibling(c))
        children.push_back(c);
    bool all = true;
    for (NodeId c : children) {
        std::string name = nodePath(tree, c);
        if (deleteNode(image, tree, c, damage) == kDeleted) continue;
        damage.note(MessageId::NoteDeleteChildKept, name);
        all = false;
    }
    return all;
}

int deleteNode(DiskImage& image, CatalogTree& tree, NodeId node, DamageReport& damage) {
    int r = classifyNode(image, tree, node, false);
    if (r == kDeleteFolderFirst) {
        if (!deleteChildren(image, tree, node, damage)) return kDeleteNodeKept;
        return deleteEntry(image, tree, node, true, damage);
    }
    return r == kDeleted ? deleteEntry(image, tree, node, false, damage) : r;
}

void reportKept(Outcome& outcome, int r) {
    if (r == kDeleteUnsupported) outcome.add(MessageId::UnsupportedStorageType);
    if (r >= kDeleteFreeEntry && r <= kDeleteHeader) outcome.add(MessageId::ErrorNumber, r);
}

} // namespace

int deleteEntry(DiskImage& image, CatalogTree& tree, NodeId node, bool finalPass,
                DamageReport& damage) {
    int r = classifyNode(image, tree, node, finalPass);
    if (r != kDeleted) return r;
    uint32_t offset = tree.item(node)->entryOffset;
    FileEntry e;
    loadEntry(image, offset, e);
    std::string name = nodePath(tree, node);
    Freeing f{image, damage, name, e.blocksUsed};
    switch (e.storageType()) {
    case kStorageSubdirectory:
        f.folder(e.keyPointer);
        break;
    case kStorageExtended:
        f.extended(e.keyPointer);
        break;
    default:
        f.file(e.storageType(), e.keyPointer);
        f.claimedMore();
    }
    uint16_t directory = directoryKey(image, tree, node);
    if (e.headerPointer != directory)
        damage.note(MessageId::NoteDeleteHeaderPointer, name, e.headerPointer, directory);
    countOneFileLess(image, directory, damage);
    bufferBytesMutable(image, offset, 1)[0] = 0;
    tree.remove(node);
    --tree.treeItemCount;
    return kDeleted;
}

int deleteSelected(DiskImage& image, CatalogTree& tree, const DeleteOptions& options,
                   Outcome& outcome) {
    NodeId node = tree.selection();
    if (!tree.item(node)) return kDeleteNodeKept;
    DamageReport damage;
    if (!volumeWritable(image, damage)) {
        outcome.addDamage(damage, MessageId::NothingChanged);
        return kDeleteNodeKept;
    }
    int r = classifyNode(image, tree, node, false);
    bool whole = r == kDeleteFolderFirst || r == kDeleteVolume;
    if ((whole || r == kDeleted) && options.prompt && !options.confirmed) {
        outcome.question = message(r == kDeleted             ? MessageId::DeleteFileQuestion
                                   : r == kDeleteFolderFirst ? MessageId::DeleteFolderQuestion
                                                             : MessageId::DeleteAllQuestion);
        return kDeleteAnsweredNo;
    }
    if (r == kDeleteVolume)
        r = deleteChildren(image, tree, node, damage) ? kDeleted : kDeleteNodeKept;
    else if (whole || r == kDeleted)
        r = deleteNode(image, tree, node, damage);
    else
        reportKept(outcome, r);
    outcome.addDamage(damage, MessageId::NotAllDeleted);
    return r;
}

} // namespace lk
