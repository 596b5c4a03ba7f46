#include "prodos/volume_bit_map.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "base/format.h"
#include "prodos/volume_info.h"

namespace lk {

namespace {

constexpr uint32_t kBlocksPerRow = 64;
constexpr uint32_t kBlocksPerGroup = 16;

constexpr const char* kHeading =
    "Volume Bit Map\n\n"
    "        00               10               20               30\n"
    "$       0123456789ABCDEF 0123456789ABCDEF 0123456789ABCDEF 0123456789ABCDEF\n\n"
    "0000    ";

} // namespace

uint32_t VolumeBitMap::coveredBlocks() const {
    return uint32_t(std::min<uint64_t>(totalBlocks, uint64_t(bytes.size()) * 8));
}

VolumeBitMap volumeBitMap(const DiskImage& image) {
    VolumeBitMap map;
    VolumeInfo volume = readVolumeInfo(image);
    map.totalBlocks = volume.totalBlocks;
    map.neededBytes = (map.totalBlocks + 7) / 8;
    uint64_t offset = blockOffset(image, volume.bitMapPointer);
    size_t end = dataEnd(image);
    if (offset < end) {
        size_t available = std::min<uint64_t>(map.neededBytes, end - offset);
        map.bytes = bufferBytes(image, offset, available);
    }
    return map;
}

uint32_t countFreeBlocks(const DiskImage& image) {
    VolumeBitMap map = volumeBitMap(image);
    uint32_t covered = map.coveredBlocks();
    uint32_t whole = covered / 8;
    uint32_t free = 0;
    uint32_t i = 0;
    // Eight bytes at a time: imports count the free blocks before every file.
    for (uint64_t word = 0; i + 8 <= whole; i += 8) {
        std::memcpy(&word, map.bytes.data() + i, 8);
        free += uint32_t(std::popcount(word));
    }
    for (; i < whole; ++i) free += uint32_t(std::popcount(map.bytes[i]));
    for (uint32_t block = whole * 8; block < covered; ++block) free += map.blockFree(block);
    return free;
}

bool freeBytesAtLeast(const DiskImage& image, uint64_t bytes) {
    VolumeBitMap map = volumeBitMap(image);
    uint64_t needed = (bytes + kBlockSize - 1) / kBlockSize;
    uint64_t free = 0;
    for (uint32_t block = map.coveredBlocks(); block > 0 && free < needed; --block) {
        if (block % 8 == 0 && map.bytes[block / 8 - 1] == 0) {
            block -= 7; // a byte of used blocks at once
            continue;
        }
        free += map.blockFree(block - 1);
    }
    return free >= needed;
}

std::string bitMapText(const DiskImage& image, DamageReport& damage) {
    VolumeBitMap map = volumeBitMap(image);
    uint32_t covered = map.coveredBlocks();
    if (covered < map.totalBlocks)
        damage.note(MessageId::NoteBitMapCut, covered);
    std::string out = kHeading;
    out.reserve(out.size() + covered + covered / kBlocksPerRow * 10 + 16);
    uint32_t rowLabel = 0;
    for (uint32_t block = 0; block < covered; ++block) {
        if (block % kBlocksPerRow == 0 && block != 0) {
            out.push_back(' ');
            rowLabel += kBlocksPerRow;
            appendFormat(out, "\n%04X    ", rowLabel);
        } else if (block % kBlocksPerGroup == 0 && block != 0) {
            out.push_back(' ');
        }
        out.push_back(map.blockFree(block) ? '-' : '+');
    }
    return out;
}

} // namespace lk
