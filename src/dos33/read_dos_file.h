// Reads a DOS 3.3 file through its chain of track/sector lists.
#pragma once

#include <cstdint>

#include "base/file_data.h"
#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "image/disk_image.h"

namespace lk {

// Offsets within a track/sector list sector.
namespace tslist {
inline constexpr uint32_t kNextTrack = 0x01;
inline constexpr uint32_t kNextSector = 0x02;
inline constexpr uint32_t kFirstPair = 0x0C;
inline constexpr uint32_t kPairs = 122;
} // namespace tslist

// Reads the file of a node, whose 35-byte catalog entry is at its entry offset, into `out`: its
// whole sectors in list order, so the length is the entry's sector count x 256 (list sectors
// included; the bytes beyond the data stay zero). The volume node gives -100. Returns the length
// or a negative DOS error number (dos_error.h) for the caller to report; out.dosFileType is set
// in every case. A list chain that loops or leaves the image ends the read there, and the damage
// is reported once.
int32_t readDosFile(const DiskImage& image, const CatalogItem& node, FileDataBuffer& out,
                    Outcome& outcome);

} // namespace lk
