// SHA-256, to compare file contents with the digests of the test data.
#pragma once

#include <string>

#include "base/bytes.h"

namespace lk::test {

// Lower-case hexadecimal digest.
std::string sha256Hex(Bytes data);

} // namespace lk::test
