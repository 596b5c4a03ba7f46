// Listing of a tokenised Applesoft BASIC program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/bytes.h"
#include "base/outcome.h"

namespace lk {

// Applesoft programs load at $0801; the line lengths are taken from the links against it.
inline constexpr uint32_t kBasicBaseAddress = 0x0801;

// The keyword of token $80 + i.
extern const std::string_view kApplesoftTokens[107];

// Lists the program in `data` from `startOffset`: 0 for a ProDOS file, 2 for a DOS 3.3 file,
// whose 16-bit length word in front of the program bounds the listing. A body byte that is no
// token, and a line that runs past the end of the program, are beeped at.
std::string listApplesoft(Bytes data, uint32_t startOffset, uint32_t baseAddress,
                          Outcome& outcome);

} // namespace lk
