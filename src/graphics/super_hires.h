// Apple IIgs Super HiRes screens: the plain 32 KB screen image and the packed one, shown at
// 640 x 400 (each line two rows high).
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "base/bytes.h"
#include "base/outcome.h"
#include "graphics/picture.h"

namespace lk {

inline constexpr size_t kSuperHiResScreenSize = 32768;
inline constexpr int kSuperHiResPictureWidth = 640;
inline constexpr int kSuperHiResPictureHeight = 400;

// 200 lines of 160 bytes, each line in 320 or 640 mode with one of 16 palettes as its
// scan-line control byte says. A screen shorter than 32 KB reads as if zero bytes followed.
Picture decodeSuperHiRes(Bytes screen);

// What PackBytes unpacking gave: the screen (zero where no run wrote) and its status.
struct Unpacked {
    std::vector<uint8_t> screen;
    int status = 0;
};
inline constexpr int kUnpackFilled = 0;       // the screen was filled before the stream ended
inline constexpr int kUnpackStreamEnded = -1; // the stream ended (the screen may be full too)
inline constexpr int kUnpackOverflow = -4;    // a run would write past the screen

// Expands a PackBytes stream into a 32 KB screen. No run reads past the stream or writes past
// the screen: a run the stream cuts short gives what it holds and ends the unpacking.
Unpacked unpackBytes(Bytes stream);

// A packed screen unpacked and decoded; when a run would overflow the screen, nothing but
// "Error # -4.".
std::optional<Picture> decodePackedSuperHiRes(Bytes stream, Outcome& outcome);

} // namespace lk
