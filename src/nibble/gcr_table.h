// The 6-and-2 code of 16-sector disks: the 64 disk nibbles that carry six bits each, and a
// 256-entry table from any nibble to the six bits it stands for.
#pragma once

#include <array>
#include <cstdint>

namespace lk {

// Nibble k stands for the value k.
inline constexpr uint8_t kSixAndTwoNibbles[64] = {
    0x96, 0x97, 0x9A, 0x9B, 0x9D, 0x9E, 0x9F, 0xA6, 0xA7, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF, 0xB2, 0xB3,
    0xB4, 0xB5, 0xB6, 0xB7, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xCB, 0xCD, 0xCE, 0xCF, 0xD3,
    0xD6, 0xD7, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xE5, 0xE6, 0xE7, 0xE9, 0xEA, 0xEB, 0xEC,
    0xED, 0xEE, 0xEF, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};

// What the decode table holds besides values: the decoder keeps each value shifted left by
// two, so the values end at $FC and the three codes above them are free.
inline constexpr uint8_t kMarkNibble = 0xFD; // D5 or AA: a field mark where data must be
inline constexpr uint8_t kBelowCode = 0xFE;  // below $96: no disk byte at all
inline constexpr uint8_t kNotInCode = 0xFF;  // a disk byte the 6-and-2 code does not use

constexpr std::array<uint8_t, 256> makeSixAndTwoDecode() {
    std::array<uint8_t, 256> table{};
    for (int n = 0; n < 256; ++n) table[size_t(n)] = n < 0x96 ? kBelowCode : kNotInCode;
    for (int k = 0; k < 64; ++k) table[kSixAndTwoNibbles[k]] = uint8_t(k << 2);
    table[0xD5] = kMarkNibble;
    table[0xAA] = kMarkNibble;
    return table;
}

inline constexpr std::array<uint8_t, 256> kSixAndTwoDecode = makeSixAndTwoDecode();

} // namespace lk
