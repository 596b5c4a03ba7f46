// A picture as a host file: the 24-bit Windows BMP that Export Graphic writes, or a lossless
// PNG for a name ending in ".png".
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "graphics/picture.h"

namespace lk {

// The extension a graphic's file name typed without one receives.
inline constexpr std::string_view kGraphicExtension = "bmp";
inline constexpr size_t kBmpHeaderSize = 54;

// Rows bottom-up, padded to a multiple of four bytes; each pixel blue, green, red.
std::vector<uint8_t> bmpFileBytes(const Picture& picture);
// 8-bit RGB; empty when the picture cannot be encoded.
std::vector<uint8_t> pngFileBytes(const Picture& picture);

// Whether the name asks for a PNG (its extension, in any case, is ".png").
bool isPngName(std::string_view path);
// The file's bytes for that name; empty when they cannot be made.
std::vector<uint8_t> pictureFileBytes(const Picture& picture, std::string_view path);

} // namespace lk
