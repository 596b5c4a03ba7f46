// WOZ images (versions 1 and 2) of 5.25-inch disks: the bit stream of each whole track, latched
// into nibbles as a disk controller does, one revolution a track.
#pragma once

#include <cstdint>
#include <vector>

#include "base/bytes.h"

namespace lk {

enum class WozProblem {
    None,
    NotWoz,  // no WOZ1 or WOZ2 header
    Damaged, // a chunk, a track entry or a track's bits run past the file, or a chunk is missing
    NotFiveInch, // a 3.5-inch disk
    FluxTracks,  // a whole track kept as flux timings
};

struct WozTracks {
    WozProblem problem = WozProblem::None;
    // The file carries a CRC-32 that its bytes do not match.
    bool checksumMismatch = false;
    // At least 35 nibble tracks; each starts at its first address field, and a track that is
    // not mapped stays zero.
    std::vector<uint8_t> nibbles;
};

WozTracks readWoz(Bytes file);

// The nibbles a controller latches in one revolution of a track of `bitCount` bits (stored most
// significant first), starting at bit 0 with a register already in step with the bits.
std::vector<uint8_t> latchRevolution(Bytes bits, uint32_t bitCount);

} // namespace lk
