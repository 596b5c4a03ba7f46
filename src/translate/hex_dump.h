// The hex-and-ASCII dump of a byte range: the view of a file that has no translator, that is
// viewed with Shift held, or that is a resource fork.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/bytes.h"

namespace lk {

inline constexpr std::string_view kHexDumpHeader =
    "   $      00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F        ASCII \n";

// Appends the dump of data[start] .. data[end - 1] to `out` (an `end` beyond the data stops at
// its end). Rows of 16 fall on multiples of 16 of the index into `data`, which labels them.
void hexDump(std::string& out, Bytes data, size_t end, size_t start, bool withHeader);

inline std::string hexDump(Bytes data, size_t end, size_t start, bool withHeader) {
    std::string out;
    hexDump(out, data, end, start, withHeader);
    return out;
}

} // namespace lk
