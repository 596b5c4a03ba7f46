// Copying an Apple file for a later paste, and writing a copied extended file: an extended key
// block that describes both forks, and the blocks of each fork.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/file_data.h"
#include "base/outcome.h"
#include "prodos/block_allocation.h"
#include "prodos/file_entry.h"

namespace lk {

// A copied Apple file, held apart from the image it came from.
struct AppleFileCopy {
    FileEntry entry;  // the copied entry, whose fields the paste keeps
    std::string name; // its name, as the paste compares it
    FileBytes data;   // the data fork
    bool hasResourceFork = false;
    FileBytes resourceFork;
};

// Copies the file at the entry offset with both its forks. False (told: "Could not copy file
// %s") when a fork cannot be read.
bool copyAppleFile(const DiskImage& image, uint32_t entryOffset, AppleFileCopy& copy,
                   Outcome& outcome);

// Writes an extended file (storage type 5) of the two forks, completing the working entry's key
// block, storage type, blocks used and EOF (512). Returns 0, -3 for a fork above 16777215
// bytes, or the code of the allocation that failed.
int32_t pasteExtended(DiskImage& image, BlockAllocator& allocator, FileEntry& working,
                      Bytes dataFork, Bytes resourceFork);

} // namespace lk
