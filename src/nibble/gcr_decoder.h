// The nibble decoder: finds the address and data fields of every sector in whole nibble tracks,
// decodes the 6-and-2 data and places each 256-byte sector in a sector image.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/bytes.h"
#include "nibble/nibble_track.h"

namespace lk {

// The decoder's answer for a track count that is not whole.
inline constexpr int32_t kNotWholeTracks = -4;

struct DecodedNibbles {
    // The decoded size (4096 bytes a track), kNotWholeTracks, or -errorBits when an error bit
    // was set.
    int32_t result = 0;
    std::vector<uint8_t> sectors; // the decoded image; sectors that never appear stay zero
    NibbleCounts counts;
    // One line for each address field, when asked for.
    std::string report;
};

// Decodes whole tracks of kNibbleTrackSize bytes. Each track is first turned to start at its
// first address field; then the tracks are read as one stream.
DecodedNibbles decodeNibbles(Bytes nibbles, SectorTable table, bool withReport);

// The physical-to-logical sector numbering of a table.
const uint8_t* logicalSectors(SectorTable table);

// Whether a 6-and-2 address field (D5 AA 96 ... DE AA) starts at `at`; bytes beyond the span
// do not match.
bool addressFieldAt(Bytes stream, size_t at);

} // namespace lk
