// printf-style formatting into a std::string, for the program's message and listing texts,
// which are specified as C format strings.
#pragma once

#include <cstdio>
#include <string>

namespace lk {

template <typename... Args> std::string format(const char* fmt, Args... args) {
    int n = std::snprintf(nullptr, 0, fmt, args...);
    if (n <= 0) return {};
    std::string out(size_t(n), '\0');
    std::snprintf(out.data(), out.size() + 1, fmt, args...);
    return out;
}

// Appends to an existing text, avoiding a temporary for hot listing loops.
template <typename... Args> void appendFormat(std::string& out, const char* fmt, Args... args) {
    char small[64];
    int n = std::snprintf(small, sizeof small, fmt, args...);
    if (n <= 0) return;
    if (size_t(n) < sizeof small) {
        out.append(small, size_t(n));
        return;
    }
    size_t at = out.size();
    out.resize(at + size_t(n));
    std::snprintf(out.data() + at, size_t(n) + 1, fmt, args...);
}

} // namespace lk
