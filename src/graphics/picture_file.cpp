#include "graphics/picture_file.h"

#include <algorithm>
#include <cctype>

namespace lk {

bool isPngName(std::string_view path) {
    constexpr std::string_view kPng = ".png";
    if (path.size() < kPng.size()) return false;
    std::string_view end = path.substr(path.size() - kPng.size());
    return std::equal(end.begin(), end.end(), kPng.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

std::vector<uint8_t> pictureFileBytes(const Picture& picture, std::string_view path) {
    return isPngName(path) ? pngFileBytes(picture) : bmpFileBytes(picture);
}

} // namespace lk
