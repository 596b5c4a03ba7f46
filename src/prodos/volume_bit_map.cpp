#include "prodos/volume_bit_map.h"

#include <algorithm>
#include <bit>

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
    for (uint32_t i = 0; i < whole; ++i) free += uint32_t(std::popcount(map.bytes[i]));
    for (uint32_t block = whole * 8; block < covered; ++block) free += map.blockFree(block);
    return free;
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
