// Pictures for the tests, benchmarks and screenshots: screens of each kind with colour bars,
// icon files built record by record, and a volume holding one file of each.
#pragma once

#include <cstdint>
#include <vector>

namespace lk::test {

// An 8 KB HiRes screen of eight bands of colour (black, violet, green, white, blue, orange,
// the two mixed), each five bytes wide.
std::vector<uint8_t> hiresBars();
// A 16 KB Double HiRes screen of the sixteen colours in bands.
std::vector<uint8_t> doubleHiResBars();
// A 32 KB Super HiRes screen: the upper half 320-mode bands of a 16-grey-to-colour palette, the
// lower half 640 mode.
std::vector<uint8_t> superHiResBars();
// The screen as a PackBytes stream of literal and repeated runs.
std::vector<uint8_t> packBytes(const std::vector<uint8_t>& screen);

struct IconSpec {
    uint16_t width = 0;  // pixels
    uint16_t height = 0; // lines
    std::vector<uint8_t> image;
};
// An icon file: the header (version byte 1), one record per icon and the zero length that ends
// the list.
std::vector<uint8_t> iconFile(const std::vector<IconSpec>& icons);
// A sheet of a dozen icons of different sizes and colours.
std::vector<uint8_t> iconSampler();

// A 280-block ProDOS volume PICTURES: HGR, DHR (type $06), SHR ($C1), PACKED ($C0/$0001),
// ICONS and BADICON ($CA, the second not an icon file), and README (text).
std::vector<uint8_t> picturesVolume();

} // namespace lk::test
