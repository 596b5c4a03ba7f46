// Reading the ProDOS volume bit map: the count of free blocks and the text of the whole map.
// ProDOS keeps the map MSB-first from block `bitMapPointer` on, one bit per block, a set bit
// for a free block.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/damage.h"
#include "image/disk_image.h"

namespace lk {

// The stored map: the part of its bytes that lies inside the image.
struct VolumeBitMap {
    Bytes bytes;
    uint32_t totalBlocks = 0;
    uint32_t neededBytes = 0;

    // The blocks whose bits are inside the image.
    uint32_t coveredBlocks() const;
    bool blockFree(uint32_t block) const { return (bytes[block / 8] >> (7 - block % 8)) & 1; }
};

VolumeBitMap volumeBitMap(const DiskImage& image);

// The number of free blocks of the volume: every block below the volume's total, the blocks of
// a last partial byte included. Blocks whose bits lie beyond the image count as in use.
uint32_t countFreeBlocks(const DiskImage& image);

// Whether the free blocks hold at least `bytes` bytes (countFreeBlocks x 512, counted only as
// far as needed: from the end of the map, where the free blocks of a filling volume lie).
bool freeBytesAtLeast(const DiskImage& image, uint64_t bytes);

// The text of Display Volume Bit Map: 64 blocks a row in groups of 16, "-" free and "+" used,
// each row labelled with its first block in hexadecimal. A map cut short by the end of the
// image shows the blocks it covers and notes the damage.
std::string bitMapText(const DiskImage& image, DamageReport& damage);

} // namespace lk
