// TrackStar images: each 6656-byte track keeps its nibbles backwards after a 129-byte lead, and
// their count in its last two bytes. The converter lays them out as raw nibble tracks.
#pragma once

#include <cstdint>
#include <vector>

#include "base/bytes.h"

namespace lk {

// The most nibbles a TrackStar track holds.
inline constexpr uint32_t kTrackStarMaxNibbles = 6524;

// Rewrites the TrackStar tracks as nibble tracks of the same length, each turned to start at its
// first address field, the rest of a track filled with $96. Returns the length, or -4 (nothing
// converted) when the length is not a whole number of tracks.
int32_t convertTrackStar(Bytes app, std::vector<uint8_t>& nibbles);

} // namespace lk
