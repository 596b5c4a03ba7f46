// The ProDOS volume directory header values read when a volume is opened.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/bytes.h"
#include "image/disk_image.h"

namespace lk {

struct VolumeInfo {
    std::string volumeName;
    std::array<uint8_t, 4> creationDateTime{};
    uint8_t volumeVersion = 0;
    uint8_t minVersion = 0;
    uint8_t volumeAccess = 0;
    uint8_t entryLength = 0;
    uint8_t entriesPerBlock = 0;
    uint16_t fileCount = 0;
    uint16_t bitMapPointer = 0;
    uint16_t totalBlocks = 0;
};

// Fills the record from the 512 bytes of block 2.
VolumeInfo readVolumeInfo(Bytes block2);
// The same from block 2 of the image; zero fields when the image has no block 2.
VolumeInfo readVolumeInfo(const DiskImage& image);

} // namespace lk
