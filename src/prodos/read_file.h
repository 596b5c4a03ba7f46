// Assembles the bytes of a ProDOS file, following the index blocks of its storage type.
#pragma once

#include <cstdint>

#include "image/disk_image.h"
#include "platform/platform.h"
#include "prodos/file_data.h"

namespace lk {

inline constexpr int kDataFork = 0;
inline constexpr int kResourceFork = 256;

// Reads the file whose entry is at `selectedEntry` into `out`. The fork (0 data, 256 resource)
// matters only for an extended file. Returns the EOF (0 or more), -1 when memory runs out, -2
// when the storage type cannot be read. Blocks that lie outside the image read as zero bytes and
// the user is told once that the volume is damaged.
int32_t readProdosFile(const DiskImage& image, uint32_t selectedEntry, int fork,
                       FileDataBuffer& out, Platform& platform);

// The length a read of that fork would give, without reading: the entry's EOF, or for an
// extended file the fork's own EOF (0 when its key block lies outside the image).
uint32_t forkEof(const DiskImage& image, uint32_t entryOffset, int fork);

} // namespace lk
