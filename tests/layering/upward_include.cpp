// The image container includes a header of the ProDOS layer above it. This must not compile:
// the container's library sees only its own headers and those below it.
#include "image/disk_image.h"
#include "prodos/file_entry.h"

int layerCheck() {
    return int(lk::kEntryLength);
}
