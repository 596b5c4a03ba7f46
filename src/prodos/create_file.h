// Creating a file or folder on a ProDOS volume: its blocks, its entry in the directory the tree's
// selection designates (growing the directory when it is full), the directory's count, and the
// new node of the tree, inserted without walking the volume again.
#pragma once

#include <cstdint>

#include "base/bytes.h"
#include "base/host_file_read.h"
#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "prodos/create_result.h"
#include "prodos/file_entry.h"

namespace lk {

// The three ways a file comes onto a volume; their numbers are those of the messages' columns.
enum class CreateMode : int { Paste = 1, Import = 2, NewFolder = 3 };

struct CreateRequest {
    CreateMode mode = CreateMode::Import;
    // The data fork's bytes, or the new folder's prepared key block.
    Bytes data;
    // An extended file: the resource fork's bytes (which may be none) go beside the data fork.
    bool extended = false;
    Bytes resourceFork;
    // Import: the host file's last write (the creation date) and when it was read (the
    // modification date). New Folder: `now` is both.
    LocalDateTime hostFileTime;
    LocalDateTime now;
};

// The volume directory holds at most this many files.
inline constexpr uint16_t kMaxRootFiles = 51;

// Creates the file from the request and the working entry (name, type, auxiliary type, access,
// and for a paste the copied entry's dates), which it completes with the key block, storage
// type, sizes, dates and header pointer. Returns the block that holds the new entry, or a
// CreateResult. A failure leaves the volume as it was, but for the contents of free blocks;
// damage found on the way is told in the outcome (kCreateDamaged), the other results are the
// caller's to tell (addCreateError).
int32_t createEntry(DiskImage& image, CatalogTree& tree, FileEntry& working,
                    const CreateRequest& request, Outcome& outcome);

// The message for a negative result of createEntry in the command of that mode, if it has one.
void addCreateError(Outcome& outcome, int32_t result, CreateMode mode);

} // namespace lk
