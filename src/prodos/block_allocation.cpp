#include "prodos/block_allocation.h"

#include <cstring>

#include "prodos/file_entry.h"
#include "prodos/volume_bit_map.h"

namespace lk {

namespace {

// The byte holding a block's bit, when the block is a block of the volume and its bit lies
// inside the image.
uint8_t* mapByte(DiskImage& image, uint32_t block) {
    Bytes header = blockBytes(image, kVolumeDirectoryBlock);
    if (block >= le16At(header, dirHeader::kTotalBlocks)) return nullptr;
    uint64_t map = blockOffset(image, le16At(header, dirHeader::kBitMapPointer));
    MutableBytes b = bufferBytesMutable(image, map + block / 8, 1);
    return b.empty() ? nullptr : b.data();
}

uint8_t mask(uint32_t block) {
    return uint8_t(0x80 >> (block % 8));
}

} // namespace

bool volumeWritable(const DiskImage& image, DamageReport& damage) {
    VolumeBitMap map = volumeBitMap(image);
    if (map.totalBlocks == 0 || map.bytes.size() != map.neededBytes) {
        damage.note(MessageId::NoteWriteMapOutside);
        return false;
    }
    if (map.totalBlocks > imageBlockCount(image)) {
        damage.note(MessageId::NoteWriteVolumeBeyondImage, map.totalBlocks, imageBlockCount(image));
        return false;
    }
    return true;
}

int32_t findFreeBlock(const DiskImage& image, uint32_t from) {
    VolumeBitMap map = volumeBitMap(image);
    const uint8_t* bytes = map.bytes.data();
    size_t n = map.bytes.size();
    size_t i = from / 8;
    // Whole bytes of used blocks are passed over eight at a time.
    while (i < n && i % 8 != 0 && bytes[i] == 0) ++i;
    for (uint64_t word = 0; i + 8 <= n; i += 8) {
        std::memcpy(&word, bytes + i, 8);
        if (word != 0) break;
    }
    while (i < n && bytes[i] == 0) ++i;
    if (i >= n) return kNoFreeBlock;
    uint32_t first = uint32_t(i) * 8;
    // Within the byte where the search starts, the bits of blocks below `from` do not count.
    uint32_t j = first < from ? from - first : 0;
    while (j < 8 && !(bytes[i] & (0x80 >> j))) ++j;
    if (j == 8) return findFreeBlock(image, first + 8);
    uint32_t block = first + j;
    return block < map.totalBlocks ? int32_t(block) : kFreeBitBeyondVolume;
}

int toggleBlock(DiskImage& image, uint32_t block) {
    if (block == 0) return 0;
    uint8_t* byte = mapByte(image, block);
    if (!byte) return 0;
    *byte ^= mask(block);
    return 1;
}

Release releaseBlock(DiskImage& image, uint32_t block) {
    if (block == 0) return Release::Sparse;
    uint8_t* byte = mapByte(image, block);
    if (!byte) return Release::Outside;
    if (*byte & mask(block)) return Release::AlreadyFree;
    *byte |= mask(block);
    return Release::Freed;
}

void clearBlock(DiskImage& image, uint32_t block) {
    MutableBytes b = blockBytesMutable(image, block);
    if (!b.empty()) std::memset(b.data(), 0, b.size());
}

int32_t BlockAllocator::take() {
    int32_t block = findFreeBlock(image_, from_);
    if (block < 0) return block;
    toggleBlock(image_, uint32_t(block));
    taken_.push_back(uint16_t(block));
    from_ = uint32_t(block) + 1;
    return block;
}

int32_t BlockAllocator::takeCleared() {
    int32_t block = take();
    if (block > 0) clearBlock(image_, uint32_t(block));
    return block;
}

void BlockAllocator::undo() {
    for (uint16_t block : taken_) releaseBlock(image_, block);
    taken_.clear();
    from_ = 1;
}

} // namespace lk
