#include "dos33/export_conversion.h"

#include <algorithm>
#include <cstring>

#include "base/bytes.h"
#include "dos33/dos_entry.h"

namespace lk {

namespace {

// Keeps `count` bytes from `skip` on, moved to the start, held to what the file holds.
uint32_t keep(uint8_t* data, uint32_t length, uint32_t skip, uint32_t count) {
    if (skip > length) skip = length;
    count = std::min(count, length - skip);
    if (skip) std::memmove(data, data + skip, count);
    return count;
}

// A program or binary file: the length word at `wordAt` says how many bytes follow the
// `header` bytes; with the preference on the header is dropped.
uint32_t byLengthWord(uint8_t* data, uint32_t length, uint32_t wordAt, uint32_t header,
                      bool dropHeader) {
    uint32_t word = length >= wordAt + 2 ? le16(data + wordAt) : 0;
    return dropHeader ? keep(data, length, header, word) : keep(data, length, 0, word + header);
}

uint32_t text(uint8_t* data, uint32_t length, bool clearBit7) {
    uint32_t n = uint32_t(std::find(data, data + length, 0) - data);
    if (clearBit7) {
        for (uint32_t i = 0; i < n; ++i) data[i] &= 0x7F;
    }
    return n;
}

} // namespace

uint32_t adjustDosExport(uint8_t dosType, const DosExportOptions& options, uint8_t* data,
                         uint32_t length) {
    uint32_t n = length;
    switch (dosType) {
    case kDosText:
        n = text(data, length, options.clearTextBit7);
        break;
    case kDosInteger:
        n = byLengthWord(data, length, 0, 2, options.dropIntegerHeader);
        break;
    case kDosApplesoft:
        n = byLengthWord(data, length, 0, 2, options.dropApplesoftHeader);
        break;
    case kDosBinary:
        n = byLengthWord(data, length, 2, 4, options.dropBinaryHeader);
        break;
    default:
        break;
    }
    data[n] = 0;
    return n;
}

} // namespace lk
