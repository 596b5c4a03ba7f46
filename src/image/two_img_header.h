// The 64-byte header of a 2IMG file. Other kinds get one made up on open so that every image
// is addressed the same way: data offset, data length and sector order.
#pragma once

#include <array>
#include <cstdint>

#include "base/bytes.h"
#include "image/image_kind.h"

namespace lk {

inline constexpr uint32_t kTwoImgHeaderSize = 64;
inline constexpr uint32_t kTwoImgLockedFlag = 0x80000000u;

struct TwoImgHeader {
    std::array<char, 4> magic{'2', 'I', 'M', 'G'};
    std::array<char, 4> creator{' ', ' ', ' ', ' '};
    uint16_t headerSize = 0;
    uint16_t version = 0;
    uint32_t imageFormat = uint32_t(SectorOrder::DosOrder);
    uint32_t flags = 0;
    uint32_t blockCount = 0;
    uint32_t dataOffset = 0;
    uint32_t dataLength = 0;
    uint32_t commentOffset = 0;
    uint32_t commentLength = 0;
    uint32_t creatorDataOffset = 0;
    uint32_t creatorDataLength = 0;
    std::array<uint32_t, 4> reserved{};
};

// Reads the header from the first 64 bytes; bytes beyond the span read as zero.
TwoImgHeader parseTwoImgHeader(Bytes bytes);
// The 64 bytes of the header, as a 2IMG file stores them.
std::array<uint8_t, kTwoImgHeaderSize> serializeTwoImgHeader(const TwoImgHeader& header);
// The header made up for a headerless image: no offset, the given order and data length.
TwoImgHeader madeUpHeader(SectorOrder order, uint32_t dataLength);

} // namespace lk
