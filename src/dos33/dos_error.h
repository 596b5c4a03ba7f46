// DOS 3.3 error numbers and their messages. The readers return them negative, the catalog
// build positive; the report takes either.
#pragma once


#include "base/outcome.h"

namespace lk {

enum DosError : int {
    kDosNoMemory = 1,          // the file's buffer
    kDosNoListMemory = 2,      // the track/sector list buffer
    kDosNoList = 4,            // the entry names no track/sector list
    kDosDeletedFile = 5,       // the entry is a deleted file
    kDosTrackOutOfRange = 6,   // a file's track above 34
    kDosSectorOutOfRange = 7,  // a file's sector above 15
    kDosNotStandard = 10,      // the boot sector lacks the DOS 3.3 signature
    kDosVtocError = 11,        // the VTOC does not count 35 tracks
    kDosCatalogTrack = 12,     // a catalog track above 34
    kDosCatalogTrackZero = 13, // the VTOC names catalog track 0
    kDosCatalogSector = 14,    // a catalog sector above 15
    kDosVolumeSelected = 100,  // the volume node was read as a file: nothing to say
};

// Adds the message for an error number (its absolute value) to the outcome; 100 tells nothing.
void addDosError(Outcome& outcome, int code);

} // namespace lk
