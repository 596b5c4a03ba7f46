// Fast number writers for the text producers: a listing or dump writes a number on every line,
// and printf per line would cost more than the rest of the work.
#pragma once

#include <cstdint>
#include <string>

namespace lk {

inline constexpr char kHexDigits[] = "0123456789ABCDEF";

// The value in decimal, as "%u" would write it.
inline void appendDecimal(std::string& out, uint32_t value) {
    char digits[10];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0) out.push_back(digits[--n]);
}

// The value in upper-case hexadecimal with at least `width` digits, as "%0*X" would write it.
inline void appendHex(std::string& out, uint32_t value, int width) {
    char digits[8];
    int n = 0;
    do {
        digits[n++] = kHexDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    for (int pad = width - n; pad > 0; --pad) out.push_back('0');
    while (n > 0) out.push_back(digits[--n]);
}

} // namespace lk
