// The Volume Table of Contents of a DOS 3.3 disk (track 17, sector 0): where the catalog
// starts, the volume number, the disk's geometry and the free-sector map.
#pragma once

#include <cstdint>

#include "image/disk_image.h"

namespace lk {

struct Vtoc {
    uint8_t catalogTrack = 0;
    uint8_t catalogSector = 0;
    uint8_t dosRelease = 0;
    uint8_t volumeNumber = 0;
    uint8_t pairsPerList = 0; // track/sector pairs per list sector, 122
    uint8_t lastTrackAllocated = 0;
    int8_t allocationDirection = 0;
    uint8_t tracksPerDisk = 0;
    uint8_t sectorsPerTrack = 0;
    uint16_t bytesPerSector = 0;
};

// Offsets within the VTOC sector.
namespace vtoc {
inline constexpr uint32_t kCatalogTrack = 0x01;
inline constexpr uint32_t kCatalogSector = 0x02;
inline constexpr uint32_t kDosRelease = 0x03;
inline constexpr uint32_t kVolumeNumber = 0x06;
inline constexpr uint32_t kPairsPerList = 0x27;
inline constexpr uint32_t kLastTrackAllocated = 0x30;
inline constexpr uint32_t kAllocationDirection = 0x31;
inline constexpr uint32_t kTracksPerDisk = 0x34;
inline constexpr uint32_t kSectorsPerTrack = 0x35;
inline constexpr uint32_t kBytesPerSector = 0x36;
// Four bytes per track; the first two hold sectors 15 ... 8 and 7 ... 0, a set bit is free.
inline constexpr uint32_t kFreeMap = 0x38;
// The sector has room for the maps of this many tracks.
inline constexpr uint32_t kMapTracks = (256 - kFreeMap) / 4;
} // namespace vtoc

// Reads the VTOC of a volume held in DOS order. Returns 0; a VTOC sector outside the image
// reads as all zero (and so fails the tracks-per-disk test of the catalog build).
int readVtoc(const DiskImage& image, Vtoc& out);

// The free sectors named by the free-sector maps of the tracks the VTOC counts (at most the 50
// whose maps the sector holds).
int countFreeSectors(const DiskImage& image);

} // namespace lk
