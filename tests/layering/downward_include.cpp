// The ProDOS layer includes a header of the image container below it, as it may: the check that
// an upward include fails is only worth something while this compiles.
#include "image/disk_image.h"
#include "prodos/file_entry.h"

int layerCheck() {
    return int(lk::kEntryLength + lk::kBlockSize);
}
