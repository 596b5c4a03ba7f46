// Apple II text files as display text, and the raw text of any file.
#pragma once

#include <string>

#include "base/bytes.h"

namespace lk {

// The text mode of DOS 3.3 files (high-bit characters); any other mode is ProDOS text.
inline constexpr int kDos33TextMode = 2;

// One output byte per input byte, at the same position. DOS 3.3 text keeps its characters with
// bit 7 set and ends lines with $8D; ProDOS text is plain ASCII with $0D line ends. Bytes that
// are not text of the mode become spaces; a DOS 3.3 byte $80 becomes a zero byte, where the
// text shown ends.
std::string translateText(int mode, Bytes data);

// Every byte as it is, zero bytes turned into spaces.
std::string rawText(Bytes data);

} // namespace lk
