// Apple IIgs icon files: the large icon of every record drawn on a white 640 x 690 sheet, left
// to right in rows.
#pragma once

#include <optional>

#include "base/bytes.h"
#include "base/outcome.h"
#include "graphics/picture.h"

namespace lk {

inline constexpr int kIconSheetWidth = 640;
inline constexpr int kIconSheetHeight = 690;

// The sheet, or nothing (with the reason, and "Unable to display icon file!") when the file
// is not an icon file or an icon's image runs past its end.
std::optional<Picture> decodeIconFile(Bytes file, Outcome& outcome);

} // namespace lk
