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

std::array<uint8_t, kBlockSize> readBlock(const DiskImage& image, uint32_t block) {
    std::array<uint8_t, kBlockSize> copy{};
    uint64_t offset = blockOffset(image, block);
    size_t end = dataEnd(image);
    if (offset < end)
        std::memcpy(copy.data(), image.buffer.data() + offset,
                    std::min<size_t>(kBlockSize, end - size_t(offset)));
    return copy;
}

SectorPlace sectorPlace(uint32_t track, uint32_t sector) {
    return {track * 8 + sector / 2, sector & 1};
}

void releaseImage(DiskImage& image) {
    image.buffer.clear();
    image.buffer.shrink_to_fit();
    image.bufferValid = false;
    image.kind = ImageKind::None;
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
