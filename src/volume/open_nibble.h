// The open's branches for files that are not sector images: nibble, TrackStar and WOZ files are
// decoded into a sector image that takes the place of the file's bytes; FDI files are checked
// and never loaded.
#pragma once

#include <string>

#include "volume/open_image.h"

namespace lk {

// ".NIB", ".APP" or ".WOZ" (upper case).
bool isNibbleExtension(const std::string& ext);

// Decodes the file's bytes (image.buffer, image.fileSize bytes) and sets the kind, the made-up
// header, the size a save writes and the path a save writes to (ending in "DSK"). False when the
// file is refused (the user is told) or a question must be answered first.
bool decodeNibbleImage(DiskImage& image, const std::string& ext, const OpenOptions& options,
                       OpenReport& report, Outcome& outcome);

// The FDI header check on the first bytes of the file: its message, if any.
void checkFdiFile(Bytes start, Outcome& outcome);

} // namespace lk
