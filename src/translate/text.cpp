#include "translate/text.h"

#include <array>

namespace lk {

namespace {

using CharMap = std::array<char, 256>;

constexpr CharMap dosTextMap() {
    CharMap m{};
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80)
            m[b] = ' ';
        else if (b == 0x8D)
            m[b] = '\n';
        else
            m[b] = char(b - 0x80);
    }
    return m;
}

constexpr CharMap prodosTextMap() {
    CharMap m{};
    for (int b = 0; b < 256; ++b) {
        bool kept = (b >= 0x20 && b <= 0x7F) || b == 0x08 || b == 0x09 || b == 0x0B || b == 0x0C;
        m[b] = b == 0x0D ? '\n' : kept ? char(b) : ' ';
    }
    return m;
}

constexpr CharMap kDosText = dosTextMap();
constexpr CharMap kProdosText = prodosTextMap();

} // namespace

std::string translateText(int mode, Bytes data) {
    const CharMap& map = mode == kDos33TextMode ? kDosText : kProdosText;
    std::string out(data.size(), '\0');
    for (size_t i = 0; i < data.size(); ++i) out[i] = map[data[i]];
    return out;
}

std::string rawText(Bytes data) {
    std::string out(data.size(), '\0');
    for (size_t i = 0; i < data.size(); ++i) out[i] = data[i] == 0 ? ' ' : char(data[i]);
    return out;
}

} // namespace lk
