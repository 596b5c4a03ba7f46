// The loaded disk image: one byte buffer holding the whole image file (a 2IMG header stays at
// its start), its kind and sector order, and the block and sector addressing over it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/bytes.h"
#include "image/image_kind.h"
#include "image/two_img_header.h"

namespace lk {

inline constexpr uint32_t kBlockSize = 512;
inline constexpr uint32_t kSectorSize = 256;
inline constexpr uint32_t kTrackSize = 4096;
inline constexpr uint32_t kFloppySize = 143360; // 35 tracks of 16 sectors
inline constexpr uint32_t kSpareBytes = 4;      // zero bytes kept after the data

struct DiskImage {
    // The image data plus kSpareBytes zero bytes after it.
    std::vector<uint8_t> buffer;
    bool bufferValid = false;
    int32_t fileSize = 0;
    ImageKind kind = ImageKind::None;
    TwoImgHeader header;
    std::string path;
    std::string fileTitle;
    std::string folder;
    std::string baseName;
    std::string extension;
    bool hdvExtended = false;
    bool isDos33 = false;
};

// Bytes of the buffer that hold image data (the spare zero bytes excluded).
size_t dataEnd(const DiskImage& image);
// Number of whole 512-byte blocks between the data offset and the end of the data.
uint32_t imageBlockCount(const DiskImage& image);
// Byte offset of block n in the buffer (64-bit: a hostile header may put it anywhere).
uint64_t blockOffset(const DiskImage& image, uint32_t block);
// The 512 bytes of a block, or an empty span when the block is not wholly inside the image.
Bytes blockBytes(const DiskImage& image, uint32_t block);
MutableBytes blockBytesMutable(DiskImage& image, uint32_t block);
// The 256 bytes of DOS 3.3 track t, sector s of a DOS-order buffer, or an empty span.
Bytes sectorBytes(const DiskImage& image, uint32_t track, uint32_t sector);
// The span of `length` bytes at a buffer offset, or an empty span when it does not fit.
Bytes bufferBytes(const DiskImage& image, uint64_t offset, size_t length);
MutableBytes bufferBytesMutable(DiskImage& image, uint64_t offset, size_t length);

// A copy of block n; any part of it beyond the image reads as zero bytes.
std::array<uint8_t, kBlockSize> readBlock(const DiskImage& image, uint32_t block);

// Where DOS 3.3 track t, sector s lies: the block that holds it and the half of that block.
struct SectorPlace {
    uint32_t block = 0;
    uint32_t half = 0; // 0: the first 256 bytes, 1: the second
};
SectorPlace sectorPlace(uint32_t track, uint32_t sector);
uint32_t readUint32(const DiskImage& image, uint32_t offset);
int writeUint32(DiskImage& image, uint32_t offset, uint32_t value);
// Converts the first `length` bytes of the image data between DOS 3.3 and ProDOS order, in
// place, a track at a time. Returns -1 without an image, otherwise the number of blocks
// converted minus 1 (-1 when not one whole track was there to convert).
int32_t reorderSectors(DiskImage& image, uint32_t length);

// Releases the image: no buffer, no kind.
void releaseImage(DiskImage& image);

} // namespace lk
