// Apple II HiRes and Double HiRes screens: 192 rows of 40 bytes in the screen's interleaved
// order, decoded at twice their size (560 x 384) in the Apple II's colours.
#pragma once

#include <cstddef>

#include "base/bytes.h"
#include "graphics/picture.h"

namespace lk {

inline constexpr int kScreenRows = 192;
inline constexpr int kScreenRowBytes = 40;
// Both screens are shown at twice the 280 x 192 dots of the HiRes screen.
inline constexpr int kHiResPictureWidth = 560;
inline constexpr int kHiResPictureHeight = 384;
// One 8 KB bank of screen memory; a Double HiRes picture holds two.
inline constexpr size_t kHiResBankSize = 0x2000;

// Where row y (0-191) of the screen starts in its bank: eight groups of eight rows interleaved,
// each third of the screen 40 bytes further on.
constexpr size_t hiresRowOffset(int y) {
    return size_t(y % 8) * 0x400 + size_t(y / 8 % 8) * 0x80 + size_t(y / 64) * 0x28;
}

// The screen from its first byte; bytes the data does not reach show black.
Picture decodeHiRes(Bytes screen);
// The auxiliary bank followed by the main bank; bytes the data does not reach count as zero.
Picture decodeDoubleHiRes(Bytes screen);

} // namespace lk
