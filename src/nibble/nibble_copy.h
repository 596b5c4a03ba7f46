// The ".NIB" copy of a converted TrackStar image: the nibble tracks the converter made, kept as a
// raw nibble file when the user asks for one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/outcome.h"

namespace lk {

struct NibbleCopy {
    std::string proposedPath; // the TrackStar file's path ending in "NIB"
    std::vector<uint8_t> tracks;
};

// The tracks to keep: at most `saveTracks` of them.
NibbleCopy nibbleCopy(std::string proposedPath, std::vector<uint8_t> tracks, int saveTracks);

// Writes the copy to `path` whole or not at all. A name that does not end in ".NIB" is refused
// (the copy cannot change the image type); a failed write is told. Returns the bytes written, or
// 0 when nothing was.
int32_t writeNibbleCopy(const NibbleCopy& copy, const std::string& path, Outcome& outcome);

} // namespace lk
