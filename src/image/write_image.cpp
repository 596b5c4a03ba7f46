#include "image/write_image.h"

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

} // namespace lk
