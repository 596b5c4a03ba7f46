// An empty ProDOS volume laid over a new image: a boot block, the four blocks of the volume
// directory and the volume bit map.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/host_file_read.h"
#include "image/new_image.h"
#include "prodos/dates.h"

namespace lk {

// Where a new volume keeps its bit map.
inline constexpr uint16_t kNewBitMapBlock = 6;

// Writes an empty volume of `blocks` blocks (at most 65535) named `volumeName` (its first 15
// characters, as given: the New dialog upper-cases it but does not hold it to ProDOS's naming
// rules) into the image's data, which must be zero and hold that many blocks. Block 0 gets a
// boot block that tells the machine there is no system to start, block 1 stays zero, blocks 2 to
// 5 are the volume directory, and the bit map from block 6 marks blocks 0 to 5 and the map's own
// blocks in use and every other block of the volume free.
void formatProdosVolume(DiskImage& image, std::string_view volumeName, uint32_t blocks,
                        const ProdosDateTime& created);

// A new image of `shape` holding an empty volume named `volumeName`, created `now`. Returns the
// length of the whole file, or kNewImageTooLarge.
int32_t createNewImage(DiskImage& image, const NewImageSpec& shape, std::string_view volumeName,
                       const LocalDateTime& now);

} // namespace lk
