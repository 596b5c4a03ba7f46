// The reading side of View Apple file: the selected file's bytes and the values the
// translator choice needs, for a ProDOS or a DOS 3.3 volume.
#pragma once

#include <cstdint>

#include "image/disk_image.h"
#include "platform/platform.h"
#include "prodos/file_data.h"
#include "translate/translator_choice.h"

namespace lk {

// The request for a ProDOS file: type and auxiliary type from its 39-byte entry.
ViewRequest prodosViewRequest(Bytes entry, Bytes data, bool resourceFork);
// The request for a DOS 3.3 file from its type code and its raw sectors.
ViewRequest dosViewRequest(uint8_t dosFileType, Bytes data);

// Whether the entry is an extended file, the only kind with a resource fork to view.
bool hasResourceFork(const DiskImage& image, uint32_t entryOffset);

// Reads the file whose entry is at `entryOffset` (the data fork, or the resource fork for View
// Resource fork) into `file` and describes it in `request`, whose data points into `file`.
// `selectedIcon` is the icon of the node viewed (a DOS 3.3 volume node reads nothing). False
// when there is nothing to show: the file is empty or cannot be read (a DOS error told).
bool readForView(const DiskImage& image, uint32_t entryOffset, int selectedIcon, bool resourceFork,
                 FileDataBuffer& file, Platform& platform, ViewRequest& request);

} // namespace lk
