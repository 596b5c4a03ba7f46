// AppleWorks data base files ($19) as a table: a line of category names, a rule of "=", and one
// line per record in the columns of the file's table layout.
#pragma once

#include <string>

#include "base/bytes.h"
#include "base/outcome.h"

namespace lk {

// The table stops after the line that takes it past what the display pane holds.
inline constexpr size_t kTableTextLimit = 16'777'215;

// A file of another AppleWorks version asks whether to try anyway (outcome.question) and
// lists nothing, unless `tryAnyway` gives the answer Yes.
std::string listAppleWorksDB(Bytes data, bool tryAnyway, Outcome& outcome);

} // namespace lk
