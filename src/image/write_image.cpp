#include "image/write_image.h"

#include <algorithm>

#include "base/host_file.h"

namespace lk {

bool heldInOtherOrder(const DiskImage& image) {
    uint32_t order = image.header.imageFormat;
    if (image.isDos33) return order == uint32_t(SectorOrder::ProdosOrder);
    return order == uint32_t(SectorOrder::DosOrder);
}

int32_t writeImage(DiskImage& image, const std::string& path, int32_t byteCount) {
    if (!image.bufferValid || byteCount < 0 || size_t(byteCount) > dataEnd(image)) return 0;
    bool reorder = heldInOtherOrder(image);
    if (reorder && reorderSectors(image, image.header.dataLength) < 0) return 0;
    bool written = writeFileReplacing(path, Bytes(image.buffer.data(), size_t(byteCount)));
    if (reorder) reorderSectors(image, image.header.dataLength);
    return written ? byteCount : 0;
}

int32_t writeSectorImage(const DiskImage& image, const std::string& path, SectorOrder order) {
    if (!image.bufferValid || image.fileSize < 0) return 0;
    uint64_t start = image.header.dataOffset;
    uint64_t length = std::min<uint64_t>(image.header.dataLength,
                                         start < uint64_t(image.fileSize) ? image.fileSize - start : 0);
    Bytes data = bufferBytes(image, start, size_t(length));
    if (data.size() != length) return 0;
    // The open keeps the data in the order its volume needs.
    SectorOrder held = image.isDos33 ? SectorOrder::DosOrder : SectorOrder::ProdosOrder;
    DiskImage copy;
    copy.buffer.assign(data.begin(), data.end());
    copy.buffer.resize(data.size() + kSpareBytes, 0);
    copy.bufferValid = true;
    if (order != held) reorderSectors(copy, uint32_t(length));
    bool written = writeFileReplacing(path, Bytes(copy.buffer.data(), data.size()));
    return written ? int32_t(length) : 0;
}

} // namespace lk
