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
    size_t bytes = tracks * kTrackSize;
    try {
        image.workBuffer.assign(image.buffer.begin() + long(start),
                                image.buffer.begin() + long(start + bytes));
        image.workBuffer.resize(bytes + 1024, 0);
    } catch (const std::bad_alloc&) {
        image.workBuffer.clear();
        return -2;
    }
    uint8_t* out = image.buffer.data() + start;
    const uint8_t* in = image.workBuffer.data();
    for (size_t t = 0; t < tracks; ++t) {
        for (size_t p = 0; p < 16; ++p) {
            std::memcpy(out + t * kTrackSize + p * kSectorSize,
                        in + t * kTrackSize + kSourceSector[p] * kSectorSize, kSectorSize);
        }
    }
    return int32_t(tracks * 8) - 1;
}

} // namespace lk
