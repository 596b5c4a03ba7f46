// Reads a DOS 3.3 file through its chain of track/sector lists.
#pragma once

#include <cstdint>

#include "image/disk_image.h"
#include "platform/platform.h"
#include "prodos/catalog_tree.h"
#include "prodos/file_data.h"

namespace lk {

// Offsets within a track/sector list sector.
namespace tslist {
inline constexpr uint32_t kNextTrack = 0x01;
inline constexpr uint32_t kNextSector = 0x02;
inline constexpr uint32_t kFirstPair = 0x0C;
inline constexpr uint32_t kPairs = 122;
} // namespace tslist

// Reads the file whose 35-byte catalog entry is at `entryOffset` into `out`: its whole sectors in
// list order, so the length is the entry's sector count x 256 (list sectors included; the bytes
// beyond the data stay zero). `selectedIcon` is the icon of the node read: the volume node's
// gives -100. Returns the length or a negative DOS error number (dos_error.h) for the caller to
// report; out.dosFileType is set in every case. A list chain that loops or leaves the image ends
// the read there, and the user is told once that the volume is damaged.
int32_t readDosFile(const DiskImage& image, uint32_t entryOffset, int selectedIcon,
                    FileDataBuffer& out, Platform& platform);

// The same for the tree's selected node (-4 when nothing is selected).
int32_t readSelectedDosFile(const DiskImage& image, const CatalogTree& tree, FileDataBuffer& out,
                            Platform& platform);

} // namespace lk
