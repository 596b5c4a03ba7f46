// Assembles the bytes of a ProDOS file, following the index blocks of its storage type.
#pragma once

#include <cstdint>

#include "base/file_data.h"
#include "base/outcome.h"
#include "image/disk_image.h"

namespace lk {

// Reads the file whose entry is at `selectedEntry` into `out`. The fork matters only for an
// extended file. Returns the EOF (0 or more), -1 when memory runs out, -2 when the storage type
// cannot be read. Blocks that lie outside the image read as zero bytes, and the damage is
// reported once.
int32_t readProdosFile(const DiskImage& image, uint32_t selectedEntry, Fork fork,
                       FileDataBuffer& out, Outcome& outcome);

// The length a read of that fork would give, without reading: the entry's EOF, or for an
// extended file the fork's own EOF (0 when its key block lies outside the image).
uint32_t forkEof(const DiskImage& image, uint32_t entryOffset, Fork fork);

} // namespace lk
