// Listing of a tokenised Integer BASIC program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/bytes.h"
#include "base/outcome.h"

namespace lk {

// The text of token $00 + i, spaces included.
extern const std::string_view kIntegerTokens[128];

// Lists the program in `data` from `startOffset`: 0 for a ProDOS file, 2 for a DOS 3.3 file,
// whose 16-bit length word in front of the program bounds the listing. The base address is
// not needed by Integer BASIC and is taken only to match the Applesoft lister. A line that runs
// past the end of the program is beeped at.
std::string listInteger(Bytes data, uint32_t startOffset, uint32_t baseAddress, Outcome& outcome);

} // namespace lk
