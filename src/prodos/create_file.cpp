#include "prodos/create_file.h"

#include <algorithm>
#include <cctype>

#include "catalog/selection.h"
#include "prodos/block_allocation.h"
#include "prodos/dates.h"
#include "prodos/directory_growth.h"
#include "prodos/directory_walk.h"
#include "prodos/fork_writer.h"
#include "prodos/paste.h"
#include "prodos/volume_bit_map.h"

namespace lk {

namespace {

// The directory a new entry goes into, from the tree's selection: a selected volume or folder
// itself, else the folder of the selected file.
struct Target {
    NodeId node = kNoNode;       // the directory's node
    NodeId after = kInsertFirst; // where the new node goes among its children
    uint16_t keyBlock = 0;
};

bool findTarget(const DiskImage& image, const CatalogTree& tree, Target& t, DamageReport& damage) {
    NodeId selected = tree.selection();
    bool directory = canHaveChildren(tree.item(selected)->kind);
    t.node = directory ? selected : tree.parent(selected);
    t.after = directory ? kInsertFirst : selected;
    const CatalogItem* target = tree.item(t.node);
    Bytes e = target ? entryBytes(image, target->entryOffset) : Bytes();
    if (e.empty()) {
        damage.note(MessageId::NoteEntryOutside);
        return false;
    }
    if (target->kind == NodeKind::Volume) {
        t.keyBlock = kVolumeDirectoryBlock;
        return true;
    }
    t.keyBlock = le16(e.data() + entry::kKeyPointer);
    if (e[0] >> 4 == kStorageSubdirectory) return true;
    damage.note(MessageId::NoteWriteNoHeader, t.keyBlock);
    return false;
}

bool rootFull(const DiskImage& image, const CatalogTree& tree, const Target& t) {
    if (tree.item(t.node)->kind != NodeKind::Volume) return false;
    return le16At(blockBytes(image, kVolumeDirectoryBlock), dirHeader::kFileCount) >= kMaxRootFiles;
}

void setStorageType(FileEntry& working, int kind) {
    working.storageTypeNameLength = uint8_t((kind << 4) | (working.storageTypeNameLength & 0x0F));
}

// The file's blocks, and the entry's key block, storage type, blocks used and EOF. Returns 0
// or a create result.
int32_t writeBlocks(DiskImage& image, BlockAllocator& allocator, FileEntry& working,
                    const CreateRequest& request) {
    if (request.extended)
        return pasteExtended(image, allocator, working, request.data, request.resourceFork);
    bool folder = request.mode == CreateMode::NewFolder;
    int kind =
        folder ? kStorageSubdirectory
               : storageKindForSize(uint32_t(std::min<size_t>(request.data.size(), UINT32_MAX)));
    if (kind < 0) return kCreateTooLarge;
    int32_t key = allocator.takeCleared();
    if (key < 0) return key;
    working.keyPointer = uint16_t(key);
    setStorageType(working, kind);
    Bytes data = folder ? request.data.first(std::min<size_t>(request.data.size(), kBlockSize))
                        : request.data;
    int32_t blocks = writeFork(image, allocator, folder ? 1 : kind, uint16_t(key), data);
    if (blocks < 0) return blocks;
    working.blocksUsed = uint16_t(blocks);
    working.eof = uint32_t(request.data.size());
    return 0;
}

void setDates(DiskImage& image, FileEntry& working, const CreateRequest& request) {
    switch (request.mode) {
    case CreateMode::NewFolder: {
        working.creation = working.lastModified = prodosDateTime(request.now);
        uint8_t* key = blockBytesMutable(image, working.keyPointer).data();
        std::copy(working.creation.begin(), working.creation.end(), key + dirHeader::kCreation);
        break;
    }
    case CreateMode::Import:
        working.creation = prodosDateTime(request.hostFileTime);
        working.lastModified = prodosDateTime(request.now);
        break;
    case CreateMode::Paste:
        reduceYear(working.creation);
        reduceYear(working.lastModified);
        break;
    }
}

// A new folder's header names the entry that stands for it in its parent.
void linkFolderToParent(DiskImage& image, const FileEntry& working, const DirectoryPlace& place) {
    uint8_t* key = blockBytesMutable(image, working.keyPointer).data();
    putLe16(key + dirHeader::kParentPointer, uint16_t(place.entryBlock));
    key[dirHeader::kParentEntry] = uint8_t(place.position + 1);
    key[dirHeader::kParentEntryLength] = uint8_t(kEntryLength);
}

void insertNode(CatalogTree& tree, const Target& t, const FileEntry& working, uint32_t offset,
                bool folder) {
    std::string name = working.nameText();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    CatalogItem item = fileItem(std::move(name), working.fileType, offset);
    if (folder) {
        item.kind = NodeKind::Folder;
        item.fileType = 0;
    }
    if (tree.insert(t.node, t.after, std::move(item)) != kNoNode) ++tree.treeItemCount;
}

} // namespace

int32_t createEntry(DiskImage& image, CatalogTree& tree, FileEntry& working,
                    const CreateRequest& request, Outcome& outcome) {
    if (querySelection(tree) == 0) return kCreateNoSelection;
    DamageReport damage;
    Target target;
    if (!volumeWritable(image, damage) || !findTarget(image, tree, target, damage)) {
        outcome.addDamage(damage, MessageId::NothingChanged);
        return kCreateDamaged;
    }
    if (rootFull(image, tree, target)) return kCreateRootFull;
    uint64_t size = request.data.size() + (request.extended ? request.resourceFork.size() : 0);
    if (!freeBytesAtLeast(image, size)) return kCreateNoSpace;
    BlockAllocator allocator(image);
    int32_t failed = writeBlocks(image, allocator, working, request);
    DirectoryPlace place;
    if (failed == 0) failed = placeNewEntry(image, allocator, target.keyBlock, place, damage);
    if (failed < 0) {
        allocator.undo();
        outcome.addDamage(damage, MessageId::NothingChanged);
        return failed;
    }
    working.headerPointer = target.keyBlock;
    setDates(image, working, request);
    bool folder = request.mode == CreateMode::NewFolder;
    if (folder) linkFolderToParent(image, working, place);
    storeEntry(image, place.slotOffset, working);
    insertNode(tree, target, working, place.slotOffset, folder);
    return int32_t(place.entryBlock);
}

void addCreateError(Outcome& outcome, int32_t result, CreateMode mode) {
    switch (result) {
    case kCreateNoSelection:
        outcome.add(mode == CreateMode::Import  ? MessageId::CreateNoPlaceImport
                    : mode == CreateMode::Paste ? MessageId::CreateNoPlacePaste
                                                : MessageId::CreateNoPlaceFolder);
        return;
    case kCreateNoBitMapCopy:
        outcome.add(MessageId::CreateNoBitMapBuffer);
        return;
    case kCreateTooLarge:
        outcome.add(MessageId::CreateTooLarge);
        return;
    case kCreateNoSpace:
    case kCreateFreeBitBeyondVolume:
    case kCreateNoFreeBlock:
        outcome.add(MessageId::CreateNoSpace);
        return;
    case kCreateUnsupportedStorage:
        outcome.add(MessageId::CreateUnsupportedStorage);
        return;
    case kCreateNonStandardEntry:
        outcome.add(MessageId::CreateNonStandardEntry);
        return;
    case kCreateRootFull:
        outcome.add(mode == CreateMode::NewFolder ? MessageId::CreateRootFullFolder
                                                  : MessageId::CreateRootFullFile);
        return;
    case kCreateDamaged:
        return; // the damage has been told
    default:
        if (result < 0) outcome.add(MessageId::CreateErrorNumber, result);
    }
}

} // namespace lk
