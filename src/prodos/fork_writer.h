// Writing a file's bytes into newly allocated blocks: a seedling's one block, a sapling's index
// and data blocks, a tree's master index, index blocks and data blocks. Files are written
// without sparse blocks.
#pragma once

#include <cstdint>

#include "base/bytes.h"
#include "prodos/block_allocation.h"

namespace lk {

inline constexpr uint32_t kLargestFile = 0xFFFFFF; // the 24-bit EOF

// The storage type a file of that many bytes is written with: 1 seedling (up to 512 bytes, none
// included), 2 sapling (up to 131072), 3 tree (up to 16777215), else -1.
int storageKindForSize(uint32_t size);

// Writes `data` as a fork of `kind` (1, 2 or 3) whose key block `key` is already taken and
// cleared. Returns the blocks the fork uses, its key block included, or the negative code of the
// allocation that failed (the allocator still holds every block taken, for its undo).
int32_t writeFork(DiskImage& image, BlockAllocator& allocator, int kind, uint16_t key, Bytes data);

} // namespace lk
