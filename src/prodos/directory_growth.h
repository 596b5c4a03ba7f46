// Where a new entry goes in a directory: the first free entry of its chain, or the first entry
// of a block the chain grows by. Either way the directory counts one more file.
#pragma once

#include <cstdint>

#include "base/damage.h"
#include "prodos/block_allocation.h"

namespace lk {

struct DirectoryPlace {
    uint32_t entryBlock = 0; // the block that holds the new entry
    uint32_t slotOffset = 0; // the entry's byte offset in the buffer
    uint32_t position = 0;   // its place within the block, 0-12
};

// Finds or makes the slot for a new entry in the directory whose key block is given and counts
// the entry in the directory's file count; a folder that grows also counts the new block in its
// own entry. Returns 0, or a create result: -6 or -7 when no block is left for growth, -8 for a
// non-standard entry length, kCreateDamaged (noted) for a chain or header that leads outside the
// volume. A failure changes nothing but the blocks the allocator took.
int32_t placeNewEntry(DiskImage& image, BlockAllocator& allocator, uint16_t keyBlock,
                      DirectoryPlace& place, DamageReport& damage);

} // namespace lk
