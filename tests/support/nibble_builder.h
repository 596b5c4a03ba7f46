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
// D5 AA AD, the 256 bytes as 342 nibbles of 6-and-2 code and a checksum nibble, DE AA EB.
std::vector<uint8_t> dataField(Bytes sector);

// Where each field of a track made by nibbleImage starts.
inline constexpr size_t kFirstGap = 48;
inline constexpr size_t kSectorSpan = 396; // address field, gap, data field, gap
inline constexpr size_t kDataFieldFrom = 20; // from the sector's address field
// The track's nibbles end here; self-sync bytes fill the rest.
inline constexpr size_t kTrackContent = kFirstGap + 16 * kSectorSpan;
// Where the address field of a physical sector starts.
constexpr size_t addressFieldOf(size_t track, size_t physical) {
    return track * kNibbleTrackSize + kFirstGap + physical * kSectorSpan;
}

// Every 4096-byte track of the image (sectors in the table's logical order) as a nibble track,
// physical sector 0 first.
std::vector<uint8_t> nibbleImage(Bytes sectors, SectorTable table, uint8_t volume = 254);

// The nibble tracks as a TrackStar image: each track's first kTrackContent nibbles backwards
// after the 129-byte lead, their count in the track's last two bytes.
std::vector<uint8_t> trackStarImage(Bytes nibbles);

struct WozShape {
    bool woz1 = false;
    uint8_t diskType = 1;       // 2: 3.5-inch
    bool fluxTrackZero = false; // a FLUX chunk naming track 0
    bool withChecksum = true;
};
// The nibble tracks as a WOZ image: each track's first kTrackContent nibbles as its bits, the
// self-sync bytes ten bits long.
std::vector<uint8_t> wozImage(Bytes nibbles, const WozShape& shape = {});

} // namespace lk::test
