// Saving the image: the whole buffer, header included, back to its file in the file's own sector
// order; an enlarged ".HDV" cut back to the blocks in use; Save As keeping the image's kind.
#pragma once

#include <cstdint>
#include <string>

#include "base/outcome.h"
#include "image/disk_image.h"

namespace lk {

// The length an enlarged ".HDV" image is cut to: up to the last group of eight blocks that holds
// a block in use (8 blocks, 4096 bytes, per byte of the volume bit map), or -1 when no block is
// in use. The map is read where the volume's header puts it; the image has no header.
int32_t trimmedSize(const DiskImage& image);

// Writes the image to its path (an enlarged ".HDV" trimmed first). False when nothing was
// written: "Could NOT save disk image!" is told, unless a trimmed ".HDV" shows no block in use.
bool saveImage(DiskImage& image, Outcome& outcome);

// Whether a Save As to that path keeps the image's kind: a ".2MG" stays ".2MG", a ".DSK" (and an
// image converted from nibbles, WOZ included) ".DSK", a ".DO" ".DO", a ".PO" ".PO", in any case;
// ".HDV" may go anywhere.
bool saveAsKeepsKind(ImageKind kind, const std::string& path);

// Save As: refuses another kind ("SaveAs cannot be used to change the image type!") with the
// image's path untouched; otherwise the image takes the new path and is saved there. A nibble
// image's title goes on naming its ".APP" or ".NIB" file.
bool saveImageAs(DiskImage& image, const std::string& path, Outcome& outcome);

} // namespace lk
