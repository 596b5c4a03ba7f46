// Writes sector images as the nibble tracks of a 16-sector disk, as DOS writes them (address
// fields, 6-and-2 data fields, self-sync gaps), and wraps nibble tracks as TrackStar and WOZ
// images: the decoders' tests, benchmarks and fuzz seeds start from here.
#pragma once

#include <cstdint>
#include <vector>

#include "base/bytes.h"
#include "nibble/nibble_track.h"

namespace lk::test {

// D5 AA 96, volume, track, sector and their checksum as 4-and-4 pairs, DE AA EB.
std::vector<uint8_t> addressField(uint8_t volume, uint8_t track, uint8_t sector);

// Each track: a gap, then for each physical sector its address field, a gap of 6, its data
// field (D5 AA AD, 342 nibbles and a checksum, DE AA EB) and a gap of 27; self-sync bytes fill
// the rest of the track.
inline constexpr size_t kFirstGap = 48;
inline constexpr size_t kSectorSpan = 396;
inline constexpr size_t kDataFieldFrom = 20; // from the sector's address field
inline constexpr size_t kTrackContent = kFirstGap + 16 * kSectorSpan;
constexpr size_t addressFieldOf(size_t track, size_t physical) {
    return track * kNibbleTrackSize + kFirstGap + physical * kSectorSpan;
}

// Every 4096-byte track of the image (sectors in the table's logical order) as a nibble track.
std::vector<uint8_t> nibbleImage(Bytes sectors, SectorTable table, uint8_t volume = 254);

// The nibble tracks as a TrackStar image: each track's content backwards after the 129-byte
// lead, its length in the track's last two bytes.
std::vector<uint8_t> trackStarImage(Bytes nibbles);

struct WozShape {
    bool woz1 = false;
    uint8_t diskType = 1;       // 2: 3.5-inch
    bool fluxTrackZero = false; // a FLUX chunk naming track 0
};
// The nibble tracks as a WOZ image with its CRC-32: each track's content as its bits, the
// self-sync bytes ten bits long.
std::vector<uint8_t> wozImage(Bytes nibbles, const WozShape& shape = {});

} // namespace lk::test
