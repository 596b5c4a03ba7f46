// A font as the font dialog shows and returns it.
#pragma once

#include <cstdint>
#include <string>

namespace lk {

struct FontChoice {
    std::string face;
    int points = 0;
    bool bold = false;
    bool italic = false;
    uint32_t colorRef = 0; // 0x00BBGGRR
};

} // namespace lk
