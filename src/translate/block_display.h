// The text of one raw block (ProDOS volumes) or one sector (DOS 3.3 volumes) for the display:
// rows of 16 bytes in hexadecimal and as characters, the number shown beside the first rows.
// The texts end without a line feed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lk {

// Block mode: the 512 bytes of block `block`; plain ASCII and $7F show as characters.
std::string blockText(const std::array<uint8_t, 512>& bytes, uint32_t block);
// Sector mode: the half (0 or 1) of the block that holds track/sector; high-bit text shows as
// characters too, since DOS 3.3 keeps its text with bit 7 set.
std::string sectorText(const std::array<uint8_t, 512>& block, uint32_t half, uint32_t track,
                       uint32_t sector);

} // namespace lk
