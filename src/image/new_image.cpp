#include "image/new_image.h"

#include <algorithm>

namespace lk {

int newImageSizeIndex(std::string_view name) {
    for (size_t i = 0; i < kNewImageSizeCount; ++i)
        if (kNewImageSizes[i].name == name) return int(i);
    return -1;
}

const char* newImageExtension(ImageKind kind) {
    switch (kind) {
    case ImageKind::Dsk:
        return ".DSK";
    case ImageKind::Po:
        return ".PO";
    default:
        return ".2MG";
    }
}

int32_t makeNewImage(DiskImage& image, const NewImageSpec& shape) {
    if (shape.dataBytes > kNewImageLimit) return kNewImageTooLarge;
    bool twoImg = shape.kind == ImageKind::TwoImg;
    uint32_t headerSize = twoImg ? kTwoImgHeaderSize : 0;
    uint32_t fileLength = headerSize + shape.dataBytes;

    releaseImage(image);
    image.buffer.assign(size_t(fileLength) + kSpareBytes, 0);
    image.bufferValid = true;
    image.kind = shape.kind;
    image.fileSize = int32_t(fileLength);
    image.hdvExtended = false;
    image.isDos33 = false;
    image.header = madeUpHeader(shape.order, shape.dataBytes);
    if (!twoImg) return int32_t(fileLength);

    TwoImgHeader& h = image.header;
    h.creator = kLarkspoonCreator;
    h.headerSize = uint16_t(kTwoImgHeaderSize);
    h.version = 0;
    h.flags = shape.locked ? kTwoImgLockedFlag : 0;
    h.dataOffset = kTwoImgHeaderSize;
    std::array<uint8_t, kTwoImgHeaderSize> bytes = serializeTwoImgHeader(h);
    std::copy(bytes.begin(), bytes.end(), image.buffer.begin());
    return int32_t(fileLength);
}

} // namespace lk
