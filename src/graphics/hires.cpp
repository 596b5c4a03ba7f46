#include <algorithm>
#include <array>

#include "graphics/hires.h"

namespace lk {

namespace {

constexpr uint32_t kViolet = 0xD020D0;
constexpr uint32_t kGreen = 0x00D000;
constexpr uint32_t kBlue = 0x2020F0;
constexpr uint32_t kOrange = 0xF06000;

constexpr int kDotsPerByte = 7;
constexpr int kRowDots = kScreenRowBytes * kDotsPerByte;

// One row of the screen: its bytes, those the data holds, and the colour of each dot.
class HiResRow {
  public:
    HiResRow(Bytes screen, int y) {
        size_t start = hiresRowOffset(y);
        size_t held = start < screen.size() ? screen.size() - start : 0;
        held_ = int(std::min<size_t>(held, kScreenRowBytes));
        if (held_ > 0) std::copy_n(screen.data() + start, held_, bytes_.begin());
    }

    // Dots are coloured in pairs counted from the left edge: a lone left dot is violet (blue
    // when its byte's palette bit is set, and for a pair across two bytes only when both
    // are), a lone right dot green or orange by the palette bit of each dot's own byte.
    void colour(std::array<uint32_t, kRowDots>& dots) const {
        for (int left = 0; left < kRowDots; left += 2) {
            int right = left + 1;
            int lb = left / kDotsPerByte, rb = right / kDotsPerByte;
            bool l = dot(left), r = dot(right);
            uint32_t lc = kBlack, rc = kBlack;
            if (l && r) {
                lc = rc = kWhite;
            } else if (l) {
                lc = rc = (palette(lb) && palette(rb)) ? kBlue : kViolet;
            } else if (r) {
                lc = palette(lb) ? kOrange : kGreen;
                rc = palette(rb) ? kOrange : kGreen;
            }
            // A byte beyond the data shows black whatever its neighbour holds.
            dots[size_t(left)] = lb < held_ ? lc : kBlack;
            dots[size_t(right)] = rb < held_ ? rc : kBlack;
        }
    }

  private:
    bool dot(int x) const { return (bytes_[size_t(x / kDotsPerByte)] >> (x % kDotsPerByte)) & 1; }
    bool palette(int column) const { return bytes_[size_t(column)] & 0x80; }

    std::array<uint8_t, kScreenRowBytes> bytes_{};
    int held_ = 0;
};

} // namespace

Picture decodeHiRes(Bytes screen) {
    Picture picture(kHiResPictureWidth, kHiResPictureHeight);
    std::array<uint32_t, kRowDots> dots;
    for (int y = 0; y < kScreenRows; ++y) {
        HiResRow(screen, y).colour(dots);
        uint32_t* row = picture.pixels.data() + size_t(2 * y) * size_t(picture.width);
        for (int x = 0; x < kRowDots; ++x) row[2 * x] = row[2 * x + 1] = dots[size_t(x)];
        picture.repeatRow(2 * y);
    }
    return picture;
}

} // namespace lk
