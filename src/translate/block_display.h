// The text of one raw block (ProDOS volumes) or one sector (DOS 3.3 volumes) for the display.
#pragma once

#include <string>

#include "image/disk_image.h"
#include "translate/block_view.h"

namespace lk {

// The whole text for the current state: block mode on a ProDOS volume, sector mode on a DOS 3.3
// volume. The text ends without a line feed. Bytes of a block beyond the image show as zero.
std::string blockDisplay(const DiskImage& image, const BlockViewState& state);

} // namespace lk
