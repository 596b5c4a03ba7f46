// Export As: the bytes of the selected Apple file as they go to a host file, and the name
// suggested for it. A ProDOS file gives its data fork; a DOS 3.3 file its sectors adjusted by type
// and by the export preferences (section "Translate").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/file_data.h"
#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "dos33/export_conversion.h"
#include "image/disk_image.h"
#include "settings/settings.h"

namespace lk {

// The DOS 3.3 conversions the preferences ask for.
DosExportOptions dosExportOptions(const Settings& settings);

// Reads the selected file into `out` and leaves there the bytes to export: out.bytes(), with a
// zero byte after them that is not written. Returns their count n. When n is 0 or below nothing
// is to be written and the outcome says why (the DOS error, a damaged volume, or that the file
// gives no bytes); a ProDOS file that cannot be read says nothing, as a view of it does.
int32_t prepareExport(const DiskImage& image, const CatalogTree& tree, const Settings& settings,
                      FileDataBuffer& out, Outcome& outcome);

// The host file name suggested for the node: its Apple name with bit 7 of every character
// cleared, a DOS 3.3 name without the spaces that pad it to 30 characters. Characters that
// cannot stand in a host file name (folder separators, control characters) read "_".
std::string suggestedExportName(const DiskImage& image, const CatalogItem& node);

// The suggested name as a file's name on the host, never one the host gives a meaning of its own
// (an empty name, "." or ".." read "_").
std::string hostFileName(const DiskImage& image, const CatalogItem& node);

// The save dialogs' default extension: a chosen name without one gets "." + extension.
std::string withDefaultExtension(const std::string& path, std::string_view extension);

// Writes the exported bytes to the chosen path, replacing a file the user agreed to replace,
// never leaving half a file. Returns the bytes written, or 0 on failure.
int32_t writeExportFile(const std::string& path, Bytes bytes);

} // namespace lk
