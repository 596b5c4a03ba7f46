#include "dos33/vtoc.h"

#include <algorithm>
#include <bit>

#include "dos33/dos_entry.h"

namespace lk {

int readVtoc(const DiskImage& image, Vtoc& out) {
    Bytes v = sectorBytes(image, kVtocTrack, kVtocSector);
    out = Vtoc{};
    out.catalogTrack = byteAt(v, vtoc::kCatalogTrack);
    out.catalogSector = byteAt(v, vtoc::kCatalogSector);
    out.dosRelease = byteAt(v, vtoc::kDosRelease);
    out.volumeNumber = byteAt(v, vtoc::kVolumeNumber);
    out.pairsPerList = byteAt(v, vtoc::kPairsPerList);
    out.lastTrackAllocated = byteAt(v, vtoc::kLastTrackAllocated);
    out.allocationDirection = int8_t(byteAt(v, vtoc::kAllocationDirection));
    out.tracksPerDisk = byteAt(v, vtoc::kTracksPerDisk);
    out.sectorsPerTrack = byteAt(v, vtoc::kSectorsPerTrack);
    out.bytesPerSector = le16At(v, vtoc::kBytesPerSector);
    return 0;
}

int countFreeSectors(const DiskImage& image) {
    Vtoc header;
    readVtoc(image, header);
    Bytes v = sectorBytes(image, kVtocTrack, kVtocSector);
    uint32_t tracks = std::min<uint32_t>(header.tracksPerDisk, vtoc::kMapTracks);
    int free = 0;
    for (uint32_t t = 0; t < tracks; ++t) {
        free += std::popcount(byteAt(v, vtoc::kFreeMap + 4 * t));
        free += std::popcount(byteAt(v, vtoc::kFreeMap + 4 * t + 1));
    }
    return free;
}

} // namespace lk
