// Opening an image file: its kind by extension, its sector order, which volume it holds, and
// the catalog of that volume.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "image/disk_image.h"
#include "nibble/nibble_copy.h"
#include "nibble/nibble_track.h"

namespace lk {

// The largest file that can be an image: a 2IMG header and 65535 blocks.
inline constexpr uint64_t kLargestImageFile = 64 + 65535ull * 512;

// What the open of a nibble image reads from the settings, and the answers to its questions.
struct OpenOptions {
    bool acceptNonStandard = false; // the nibble question answered Yes
    bool acceptBadChecksum = false; // the WOZ checksum question answered Yes
    bool tsOn = true;               // TrackStar images are opened
    bool tsDat = false;             // the decoder's summary box
    bool tsTsDat = false;           // one report line per address field
    bool allowNibSave = false;      // offer the converted TrackStar tracks as a ".NIB" copy
    int saveTracks = 35;            // tracks kept in that copy
};

// What an open found besides the volume: a nibble decode's counts and report, and the ".NIB"
// copy the caller may offer the user.
struct OpenReport {
    std::optional<NibbleCounts> counts;
    std::string sectorReport;
    std::optional<NibbleCopy> nibbleCopy;
};

// Loads the file named by image.path (image.fileTitle is the name shown to the user) and fills
// the tree with its catalog. Success shows in image.bufferValid, image.kind and the tree; every
// refusal says why in the outcome, as does damage found in the catalog. A question to ask
// first is left in outcome.question: the caller opens again with its answer in the options.
OpenReport openImage(DiskImage& image, CatalogTree& tree, const OpenOptions& options,
                     Outcome& outcome);
inline void openImage(DiskImage& image, CatalogTree& tree, Outcome& outcome) {
    openImage(image, tree, OpenOptions{}, outcome);
}

// The same open over bytes already read from image.path (used by the open itself, by tests and
// by the fuzz target).
OpenReport openImageFromMemory(DiskImage& image, CatalogTree& tree, std::vector<uint8_t> bytes,
                               const OpenOptions& options, Outcome& outcome);
inline void openImageFromMemory(DiskImage& image, CatalogTree& tree, std::vector<uint8_t> bytes,
                                Outcome& outcome) {
    openImageFromMemory(image, tree, std::move(bytes), OpenOptions{}, outcome);
}

// Takes the user's Yes to a question of the open into the options for the next try.
void acceptAnswer(OpenOptions& options, const Message& question);

// Releases the image and empties the tree.
void closeImage(DiskImage& image, CatalogTree& tree);

} // namespace lk
