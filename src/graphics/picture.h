// A decoded picture: rows top to bottom, each pixel 0x00RRGGBB (blue in the lowest byte), at
// the size the picture pane shows it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lk {

inline constexpr uint32_t kBlack = 0x000000;
inline constexpr uint32_t kWhite = 0xFFFFFF;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Picture() = default;
    Picture(int w, int h, uint32_t fill = kBlack)
        : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}

    uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    // A block of w x h pixels of one colour at (x, y); the caller keeps it inside the picture.
    void fill(int x, int y, int w, int h, uint32_t rgb) {
        for (int row = y; row < y + h; ++row) {
            uint32_t* p = pixels.data() + size_t(row) * size_t(width) + size_t(x);
            for (int i = 0; i < w; ++i) p[i] = rgb;
        }
    }
    // Copies row y into row y + 1, for screens whose lines are two picture rows high.
    void repeatRow(int y) {
        uint32_t* row = pixels.data() + size_t(y) * size_t(width);
        std::copy_n(row, width, row + width);
    }
    bool operator==(const Picture&) const = default;
};

} // namespace lk
