// Writing the image buffer back to a file, in the file's own sector order.
#pragma once

#include <cstdint>
#include <string>

#include "image/disk_image.h"

namespace lk {

// Whether the buffer holds the data in another order than the file: a ProDOS volume from a
// DOS-order file, or a DOS 3.3 volume from a ProDOS-order file. The open put such data into the
// order its volume needs; a write puts it back for the moment of writing.
bool heldInOtherOrder(const DiskImage& image);

// Writes the first `byteCount` bytes of the buffer to `path` in the file's order, through a
// temporary file so that a failed write leaves any old file whole. The buffer ends in the order it
// had, whether the write succeeded or not. Returns the bytes written, or 0 on any failure.
int32_t writeImage(DiskImage& image, const std::string& path, int32_t byteCount);

// Writes the image's sectors (the header of a 2IMG file left out, the length a save writes) to
// `path` in the given order, whole or not at all. The buffer is left as it is. Returns the bytes
// written, or 0 on any failure.
int32_t writeSectorImage(const DiskImage& image, const std::string& path, SectorOrder order);

} // namespace lk
