// Nibble tracks of a 5.25-inch disk as the nibble decoders see them, and what a decode counts.
#pragma once

#include <cstdint>

namespace lk {

// One raw nibble track ($1A00 bytes): a revolution of the disk with room to spare.
inline constexpr uint32_t kNibbleTrackSize = 6656;
inline constexpr uint32_t kSectorsPerTrack = 16;

// Which numbering the sectors of a decoded image follow: DOS 3.3 order for ".NIB" and WOZ
// images, ProDOS order for TrackStar images.
enum class SectorTable { Dos, Prodos };

// Bits of NibbleCounts::errorBits.
inline constexpr uint32_t kErrorOutsideImage = 0x40; // a track number beyond the decoded image
inline constexpr uint32_t kErrorMarkInData = 0x80;   // a D5 or AA nibble inside a data field

struct NibbleCounts {
    int32_t addressFields = 0;
    int32_t dataFields = 0;
    int32_t bytesWritten = 0;
    int32_t badNibbles = 0;
    uint32_t errorBits = 0;

    // A sound 16-sector disk: every address field followed by its data, nothing odd found.
    bool standard() const {
        return addressFields == dataFields && errorBits == 0 && badNibbles == 0;
    }
};

} // namespace lk
