// Upper case for names and switches typed in any case.
#pragma once

#include <string>

namespace lk {

// The text with its ASCII letters in upper case.
inline std::string upperText(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return text;
}

} // namespace lk
