#include "image/disk_image.h"

#include <algorithm>
#include <cstring>

namespace lk {

size_t dataEnd(const DiskImage& image) {
    return image.buffer.size() > kSpareBytes ? image.buffer.size() - kSpareBytes : 0;
}

uint32_t imageBlockCount(const DiskImage& image) {
    size_t end = dataEnd(image);
    size_t start = image.header.dataOffset;
    if (start >= end) return 0;
    return uint32_t(std::min<size_t>((end - start) / kBlockSize, UINT32_MAX));
}

uint64_t blockOffset(const DiskImage& image, uint32_t block) {
    return uint64_t(image.header.dataOffset) + uint64_t(kBlockSize) * block;
}

bool blockInImage(const DiskImage& image, uint32_t block) {
    return blockOffset(image, block) + kBlockSize <= dataEnd(image);
}

Bytes bufferBytes(const DiskImage& image, uint64_t offset, size_t length) {
    if (offset > dataEnd(image) || length > dataEnd(image) - offset) return {};
    return Bytes(image.buffer.data() + offset, length);
}

MutableBytes bufferBytesMutable(DiskImage& image, uint64_t offset, size_t length) {
    if (offset > dataEnd(image) || length > dataEnd(image) - offset) return {};
    return MutableBytes(image.buffer.data() + offset, length);
}

Bytes blockBytes(const DiskImage& image, uint32_t block) {
    return bufferBytes(image, blockOffset(image, block), kBlockSize);
}

MutableBytes blockBytesMutable(DiskImage& image, uint32_t block) {
    return bufferBytesMutable(image, blockOffset(image, block), kBlockSize);
}

Bytes sectorBytes(const DiskImage& image, uint32_t track, uint32_t sector) {
    uint64_t offset = uint64_t(image.header.dataOffset) + uint64_t(kTrackSize) * track +
                      uint64_t(kSectorSize) * sector;
    return bufferBytes(image, offset, kSectorSize);
}

uint32_t readBlock(DiskImage& image) {
    uint64_t offset = blockOffset(image, uint32_t(image.blockNumber));
    image.blockBuffer.fill(0);
    size_t end = dataEnd(image);
    if (offset < end) {
        size_t n = std::min<size_t>(kBlockSize, end - offset);
        std::memcpy(image.blockBuffer.data(), image.buffer.data() + offset, n);
    }
    return uint32_t(offset);
}

int32_t selectSector(DiskImage& image, int32_t track, int32_t sector, int32_t mode) {
    if (mode > 2 || mode < 0) return -1;
    image.blockNumber = track * 8 + sector / 2;
    if (mode == 1) readBlock(image);
    return sector & 1;
}

uint32_t readUint32(const DiskImage& image, uint32_t offset) {
    return le32At(Bytes(image.buffer), offset);
}

int writeUint32(DiskImage& image, uint32_t offset, uint32_t value) {
    if (size_t(offset) + 4 > image.buffer.size()) return 0;
    putLe32(image.buffer.data() + offset, value);
    return readUint32(image, offset) == value ? 1 : 0;
}

} // namespace lk
