// Deleting files and folders: the blocks of an entry go back to the volume bit map, the directory
// that held it counts one file less, the entry is marked free and its node leaves the tree. A
// folder's contents go first, depth-first; the volume node deletes every file of the volume.
// Block contents are not erased.
#pragma once

#include "base/damage.h"
#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "image/disk_image.h"

namespace lk {

// The results of deleting one entry; users see the numbers in "Error # %i".
enum DeleteResult : int {
    kDeleted = 0,
    kDeleteFolderFirst = 1, // a folder whose contents must go first
    kDeleteUnsupported = 2, // storage type $6-$C
    kDeleteFreeEntry = 3,   // already a free entry
    kDeletePascal = 4,      // a Pascal area
    kDeleteNodeKept = 5,    // the node could not leave the tree (or, for a folder, a child stays)
    kDeleteHeader = 6,      // a subdirectory header
    kDeleteVolume = 7,      // the volume directory header
    kDeleteAnsweredNo = 8,  // the user has not agreed (yet)
};

struct DeleteOptions {
    // The user's preference: ask before deleting ("DelPrompt").
    bool prompt = false;
    // The question was asked and answered Yes.
    bool confirmed = false;
};

// Deletes what the selected node stands for: a file, a folder with everything in it, or every
// file of the volume. With `prompt` and no confirmation yet, nothing changes: the question is set
// in the outcome (one question for a whole folder), and the caller asks and runs the deletion
// again, confirmed, on Yes. Entries that cannot be deleted and damage met on the way are told in
// the outcome. Returns kDeleted when everything asked for is gone, else the first result that
// kept something.
int deleteSelected(DiskImage& image, CatalogTree& tree, const DeleteOptions& options,
                   Outcome& outcome);

// Deletes the entry of one node, as the last step of deleting it (`finalPass` for a folder
// whose contents are gone). Damage met while its blocks are freed is noted; the loops end at
// the end of a chain, after index entry 255, and when the blocks-used count is used up.
int deleteEntry(DiskImage& image, CatalogTree& tree, NodeId node, bool finalPass,
                DamageReport& damage);

} // namespace lk
