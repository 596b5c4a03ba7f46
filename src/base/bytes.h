// Little-endian access to disk structures. Apple II file systems store every multi-byte
// number low byte first; all reads and writes of such fields go through these helpers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace lk {

using Bytes = std::span<const uint8_t>;
using MutableBytes = std::span<uint8_t>;

// Unchecked readers for a pointer that the caller has already bounded.
inline uint16_t le16(const uint8_t* p) {
    return uint16_t(p[0] | (p[1] << 8));
}
inline uint32_t le24(const uint8_t* p) {
    return uint32_t(p[0] | (p[1] << 8) | (p[2] << 16));
}
inline uint32_t le32(const uint8_t* p) {
    return le24(p) | (uint32_t(p[3]) << 24);
}

inline void putLe16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void putLe24(uint8_t* p, uint32_t v) {
    putLe16(p, uint16_t(v));
    p[2] = uint8_t(v >> 16);
}
inline void putLe32(uint8_t* p, uint32_t v) {
    putLe24(p, v);
    p[3] = uint8_t(v >> 24);
}

// Checked readers: a field that does not lie wholly inside the span reads as 0.
inline uint8_t byteAt(Bytes s, size_t off) {
    return off < s.size() ? s[off] : 0;
}
inline uint16_t le16At(Bytes s, size_t off) {
    return off + 2 <= s.size() && off + 2 > off ? le16(s.data() + off) : 0;
}
inline uint32_t le32At(Bytes s, size_t off) {
    return off + 4 <= s.size() && off + 4 > off ? le32(s.data() + off) : 0;
}

} // namespace lk
