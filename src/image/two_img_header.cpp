#include "image/two_img_header.h"

#include <algorithm>

namespace lk {

TwoImgHeader parseTwoImgHeader(Bytes bytes) {
    TwoImgHeader h;
    for (size_t i = 0; i < 4; ++i) {
        h.magic[i] = char(byteAt(bytes, i));
        h.creator[i] = char(byteAt(bytes, 4 + i));
    }
    h.headerSize = le16At(bytes, 8);
    h.version = le16At(bytes, 10);
    h.imageFormat = le32At(bytes, 12);
    h.flags = le32At(bytes, 16);
    h.blockCount = le32At(bytes, 20);
    h.dataOffset = le32At(bytes, 24);
    h.dataLength = le32At(bytes, 28);
    h.commentOffset = le32At(bytes, 32);
    h.commentLength = le32At(bytes, 36);
    h.creatorDataOffset = le32At(bytes, 40);
    h.creatorDataLength = le32At(bytes, 44);
    for (size_t i = 0; i < 4; ++i) h.reserved[i] = le32At(bytes, 48 + 4 * i);
    return h;
}

std::array<uint8_t, kTwoImgHeaderSize> serializeTwoImgHeader(const TwoImgHeader& h) {
    std::array<uint8_t, kTwoImgHeaderSize> out{};
    for (size_t i = 0; i < 4; ++i) {
        out[i] = uint8_t(h.magic[i]);
        out[4 + i] = uint8_t(h.creator[i]);
    }
    putLe16(&out[8], h.headerSize);
    putLe16(&out[10], h.version);
    putLe32(&out[12], h.imageFormat);
    putLe32(&out[16], h.flags);
    putLe32(&out[20], h.blockCount);
    putLe32(&out[24], h.dataOffset);
    putLe32(&out[28], h.dataLength);
    putLe32(&out[32], h.commentOffset);
    putLe32(&out[36], h.commentLength);
    putLe32(&out[40], h.creatorDataOffset);
    putLe32(&out[44], h.creatorDataLength);
    for (size_t i = 0; i < 4; ++i) putLe32(&out[48 + 4 * i], h.reserved[i]);
    return out;
}

TwoImgHeader madeUpHeader(SectorOrder order, uint32_t dataLength) {
    TwoImgHeader h;
    h.imageFormat = uint32_t(order);
    h.blockCount = dataLength / 512;
    h.dataOffset = 0;
    h.dataLength = dataLength;
    return h;
}

} // namespace lk
