#include "prodos/fork_writer.h"

#include <algorithm>
#include <cstring>

namespace lk {

namespace {

constexpr uint32_t kIndexSpan = 256 * kBlockSize; // the bytes one index block reaches
constexpr uint32_t kMasterEntries = 128;          // index blocks of the largest tree

void setIndexEntry(DiskImage& image, uint16_t index, uint32_t i, uint16_t block) {
    MutableBytes b = blockBytesMutable(image, index);
    b[i] = uint8_t(block);
    b[256 + i] = uint8_t(block >> 8);
}

// Copies up to 512 bytes into a block; the rest of it is zero.
void fillBlock(DiskImage& image, uint16_t block, Bytes part) {
    MutableBytes b = blockBytesMutable(image, block);
    if (!part.empty()) std::memcpy(b.data(), part.data(), part.size());
    std::memset(b.data() + part.size(), 0, kBlockSize - part.size());
}

// The data blocks of one index block, from `position` on; advances `position` and `blocks`.
int32_t writeIndex(DiskImage& image, BlockAllocator& allocator, uint16_t index, Bytes data,
                   uint32_t& position, int32_t& blocks) {
    for (uint32_t i = 0; i < 256 && position < data.size(); ++i) {
        int32_t b = allocator.take();
        if (b < 0) return b;
        size_t n = std::min<size_t>(kBlockSize, data.size() - position);
        fillBlock(image, uint16_t(b), data.subspan(position, n));
        setIndexEntry(image, index, i, uint16_t(b));
        position += uint32_t(n);
        ++blocks;
    }
    return 0;
}

} // namespace

int storageKindForSize(uint32_t size) {
    if (size <= kBlockSize) return 1;
    if (size <= kIndexSpan) return 2;
    if (size <= kLargestFile) return 3;
    return -1;
}

int32_t writeFork(DiskImage& image, BlockAllocator& allocator, int kind, uint16_t key, Bytes data) {
    uint32_t position = 0;
    int32_t blocks = 1;
    if (kind == 1) {
        fillBlock(image, key, data.first(std::min<size_t>(data.size(), kBlockSize)));
        return blocks;
    }
    if (kind == 2) {
        int32_t failed = writeIndex(image, allocator, key, data, position, blocks);
        return failed < 0 ? failed : blocks;
    }
    for (uint32_t m = 0; m < kMasterEntries && position < data.size(); ++m) {
        int32_t index = allocator.takeCleared();
        if (index < 0) return index;
        setIndexEntry(image, key, m, uint16_t(index));
        ++blocks;
        int32_t failed = writeIndex(image, allocator, uint16_t(index), data, position, blocks);
        if (failed < 0) return failed;
    }
    return blocks;
}

} // namespace lk
