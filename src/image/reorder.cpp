// DOS 3.3 keeps each track as 16 logical sectors; ProDOS reads the same track as 8 blocks of two
// sectors each. Block position k of a track holds DOS sectors kFirstHalf[k] and kSecondHalf[k].
// The mapping is its own inverse, so one routine converts either way.
#include <algorithm>
#include <cstring>

#include "image/disk_image.h"

namespace lk {

namespace {
constexpr uint8_t kSourceSector[16] = {0, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 15};
}

int32_t reorderSectors(DiskImage& image, uint32_t length) {
    if (!image.bufferValid) return -1;
    size_t start = image.header.dataOffset;
    size_t end = dataEnd(image);
    if (start > end) return -1;
    size_t available = std::min<size_t>(length, end - start);
    // Only whole tracks move; a trailing partial track stays where it is.
    size_t tracks = available / kTrackSize;
    // One track at a time through a copy of that track: no second copy of the image is made.
    uint8_t* data = image.buffer.data() + start;
    uint8_t track[kTrackSize];
    for (size_t t = 0; t < tracks; ++t) {
        uint8_t* out = data + t * kTrackSize;
        std::memcpy(track, out, kTrackSize);
        for (size_t p = 0; p < 16; ++p)
            std::memcpy(out + p * kSectorSize, track + kSourceSector[p] * kSectorSize, kSectorSize);
    }
    return int32_t(tracks * 8) - 1;
}

} // namespace lk
