// The results of creating a file or folder. The numbers are those users see in messages
// ("Error # %i "), so they stay as they are.
#pragma once

#include <cstdint>

namespace lk {

enum CreateResult : int32_t {
    kCreateNoSelection = -1,        // nothing is selected in the tree
    kCreateNoBitMapCopy = -2,       // no memory for keeping the bit map
    kCreateTooLarge = -3,           // above 16777215 bytes, or a fork above it
    kCreateNoSpace = -4,            // the free blocks hold fewer bytes than the file
    kCreateUnsupportedStorage = -5, // a storage type that cannot be written
    kCreateFreeBitBeyondVolume = -6,
    kCreateNoFreeBlock = -7,
    kCreateNonStandardEntry = -8, // a directory's entries are not 39 bytes, 13 a block
    kCreateRootFull = -9,         // the volume directory already holds 51 files
    kCreateDamaged = -10,         // the target directory is damaged (told as damage)
};

} // namespace lk
