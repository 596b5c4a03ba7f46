#include "prodos/directory_growth.h"

#include "prodos/create_result.h"
#include "prodos/file_entry.h"
#include "prodos/volume_info.h"

namespace lk {

namespace {

struct Directory {
    uint16_t key = 0;
    uint32_t total = 0; // blocks of the volume
    uint32_t entryLength = 0;
    uint32_t entriesPerBlock = 0;
    uint8_t headerStorage = 0;
    uint32_t lastBlock = 0;
};

void addToField16(MutableBytes block, uint32_t at, int delta) {
    putLe16(block.data() + at, uint16_t(le16(block.data() + at) + delta));
}

// The block of a chain, when it is a block of the volume.
Bytes chainBlock(const DiskImage& image, const Directory& d, uint32_t block, DamageReport& damage) {
    Bytes b = block != 0 && block < d.total ? blockBytes(image, block) : Bytes();
    if (b.empty()) damage.note(MessageId::NoteDirectoryOutside, block);
    return b;
}

// Follows the chain for the first free entry; remembers its last block. kCreateDamaged when the
// chain leaves the volume or goes on longer than the volume has blocks (a loop).
int32_t findFreeEntry(const DiskImage& image, Directory& d, DirectoryPlace& place, bool& found,
                      DamageReport& damage) {
    found = false;
    uint32_t block = d.key;
    for (uint32_t steps = 0; block != 0; ++steps) {
        if (steps >= d.total) {
            damage.note(MessageId::NoteDirectoryLoop, block);
            return kCreateDamaged;
        }
        Bytes b = chainBlock(image, d, block, damage);
        if (b.empty()) return kCreateDamaged;
        for (uint32_t k = 0; k < d.entriesPerBlock; ++k) {
            uint32_t p = kFirstEntryOffset + k * d.entryLength;
            if (b[p] >> 4 != kStorageFree) continue;
            place = {block, uint32_t(blockOffset(image, block)) + p, k};
            found = true;
            return 0;
        }
        d.lastBlock = block;
        block = le16(b.data() + 2);
    }
    return 0;
}

// The folder's own entry in its parent directory, as its header names it: the offset of the
// entry, or 0 (noted) when the header leads outside the volume or to another entry.
uint32_t folderEntry(const DiskImage& image, const Directory& d, Bytes key, DamageReport& damage) {
    uint32_t block = le16(key.data() + dirHeader::kParentPointer);
    uint32_t number = key[dirHeader::kParentEntry];
    if (number == 0) {
        damage.note(MessageId::NoteWriteParentEntryZero, d.key, number);
        return 0;
    }
    for (uint32_t hops = (number - 1) / kEntriesPerBlock; block != 0; --hops) {
        Bytes b = block < d.total ? blockBytes(image, block) : Bytes();
        if (b.empty()) break;
        uint32_t next = le16(b.data() + 2);
        if (hops == 0 || next == 0) {
            uint32_t at = kFirstEntryOffset + (number - 1) % kEntriesPerBlock * kEntryLength;
            bool links = b[at] >> 4 == kStorageSubdirectory &&
                         le16(b.data() + at + entry::kKeyPointer) == d.key;
            if (links) return uint32_t(blockOffset(image, block)) + at;
            damage.note(MessageId::NoteWriteParentEntryZero, d.key, number);
            return 0;
        }
        block = next;
    }
    damage.note(MessageId::NoteWriteParentOutside, d.key, block);
    return 0;
}

// Links a new block to the end of the chain and counts it in the folder's own entry.
int32_t grow(DiskImage& image, BlockAllocator& allocator, const Directory& d, DirectoryPlace& place,
             DamageReport& damage) {
    uint32_t parentEntry = 0;
    if (d.headerStorage == kStorageSubdirectoryHeader) {
        // Everything is tested before the chain changes, so that a refusal leaves it as it was.
        Bytes key = blockBytes(image, d.key);
        if (key[dirHeader::kParentEntryLength] != kEntryLength) return kCreateNonStandardEntry;
        parentEntry = folderEntry(image, d, key, damage);
        if (parentEntry == 0) return kCreateDamaged;
    }
    int32_t grown = allocator.takeCleared();
    if (grown < 0) return grown;
    putLe16(blockBytesMutable(image, d.lastBlock).data() + 2, uint16_t(grown));
    putLe16(blockBytesMutable(image, uint32_t(grown)).data(), uint16_t(d.lastBlock));
    if (parentEntry != 0) {
        MutableBytes e = bufferBytesMutable(image, parentEntry, kEntryLength);
        addToField16(e, entry::kBlocksUsed, 1);
        putLe24(e.data() + entry::kEof, le24(e.data() + entry::kEof) + kBlockSize);
    }
    place = {uint32_t(grown), uint32_t(blockOffset(image, uint32_t(grown))) + kFirstEntryOffset, 0};
    return 0;
}

} // namespace

int32_t placeNewEntry(DiskImage& image, BlockAllocator& allocator, uint16_t keyBlock,
                      DirectoryPlace& place, DamageReport& damage) {
    Directory d;
    d.key = keyBlock;
    d.total = readVolumeInfo(image).totalBlocks;
    Bytes key = chainBlock(image, d, keyBlock, damage);
    if (key.empty()) return kCreateDamaged;
    d.headerStorage = key[kFirstEntryOffset] >> 4;
    if (d.headerStorage != kStorageSubdirectoryHeader && d.headerStorage != kStorageVolumeHeader) {
        damage.note(MessageId::NoteWriteNoHeader, keyBlock);
        return kCreateDamaged;
    }
    d.entryLength = key[dirHeader::kEntryLength];
    d.entriesPerBlock = key[dirHeader::kEntriesPerBlock];
    // Every entry must hold the 39 bytes written into it and lie inside its block.
    if (d.entryLength < kEntryLength || d.entriesPerBlock == 0 ||
        kFirstEntryOffset + d.entryLength * d.entriesPerBlock > kBlockSize)
        return kCreateNonStandardEntry;
    bool found = false;
    if (int32_t failed = findFreeEntry(image, d, place, found, damage); failed < 0) return failed;
    if (!found) {
        if (int32_t failed = grow(image, allocator, d, place, damage); failed < 0) return failed;
    }
    // A full volume directory, which ProDOS never grows, is grown like a folder on a damaged
    // volume; the new entry is counted there too, so that the count stays true.
    addToField16(blockBytesMutable(image, keyBlock), dirHeader::kFileCount, 1);
    return 0;
}

} // namespace lk
