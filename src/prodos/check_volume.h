// Checking a ProDOS volume: every block reachable from the volume (directory chains, key and
// index blocks, both forks of extended files) must be marked used and belong to one owner only;
// every directory must count its live entries and link back to its parent; every file's blocks
// used must be what its index holds, and its index must name no block past its EOF. Blocks
// marked used that nothing reaches are reported as notes: they waste space but lose nothing.
#pragma once

#include <cstddef>
#include <vector>

#include "base/message.h"
#include "image/disk_image.h"

namespace lk {

struct VolumeCheck {
    // The first findings of each kind (at most kKept); the counts count them all.
    std::vector<Message> errors;
    std::vector<Message> notes;
    int errorCount = 0;
    int noteCount = 0;

    static constexpr size_t kKept = 100;

    bool sound() const { return errorCount == 0 && noteCount == 0; }
    // The report's lines: the errors, the notes, how many more there were, and the verdict.
    std::vector<Message> report() const;
};

VolumeCheck checkVolume(const DiskImage& image);

} // namespace lk
