// How Export As turns the sectors of a DOS 3.3 file into the bytes of a host file: text cut at
// its first zero byte (bit 7 cleared when asked), BASIC programs and binary files cut to their
// length words (the words dropped when asked).
#pragma once

#include <cstdint>

namespace lk {

// The export preferences of section "Translate".
struct DosExportOptions {
    bool clearTextBit7 = true;       // DOSTXT
    bool dropIntegerHeader = false;  // DOSINT
    bool dropApplesoftHeader = true; // DOSAPSFT
    bool dropBinaryHeader = true;    // DOSBIN
};

// Adjusts the `length` bytes of a DOS 3.3 file of that type in `data` (which holds at least
// length + 1 bytes) to the bytes to export, moves them to the start and stores a zero after
// them. Returns their count. A length word beyond the bytes read is held to them.
uint32_t adjustDosExport(uint8_t dosType, const DosExportOptions& options, uint8_t* data,
                         uint32_t length);

} // namespace lk
