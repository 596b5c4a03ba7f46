#include "picture_disks.h"

#include <algorithm>

#include "graphics/hires.h"
#include "prodos_builder.h"

namespace lk::test {

std::vector<uint8_t> hiresBars() {
    // Byte pairs for even and odd columns.
    constexpr uint8_t kBands[8][2] = {{0x00, 0x00}, {0x55, 0x2A}, {0x2A, 0x55}, {0x7F, 0x7F},
                                      {0xD5, 0xAA}, {0xAA, 0xD5}, {0x55, 0xAA}, {0x33, 0x66}};
    std::vector<uint8_t> screen(kHiResBankSize, 0);
    for (int y = 0; y < kScreenRows; ++y)
        for (int c = 0; c < kScreenRowBytes; ++c)
            screen[hiresRowOffset(y) + size_t(c)] = kBands[(c / 5 + y / 48) % 8][c % 2];
    return screen;
}

std::vector<uint8_t> doubleHiResBars() {
    std::vector<uint8_t> screen(2 * kHiResBankSize, 0);
    for (int y = 0; y < kScreenRows; ++y) {
        for (int c = 0; c < kScreenRowBytes; c += 2) {
            // Seven pixels of one colour in the 28 bits of the four bytes.
            uint32_t colour = uint32_t(c / 2 + y / 24) % 16, bits = 0;
            for (int k = 0; k < 7; ++k) bits |= colour << (4 * k);
            size_t at = hiresRowOffset(y) + size_t(c);
            screen[at] = uint8_t(bits & 0x7F);
            screen[at + kHiResBankSize] = uint8_t((bits >> 7) & 0x7F);
            screen[at + 1] = uint8_t((bits >> 14) & 0x7F);
            screen[at + 1 + kHiResBankSize] = uint8_t((bits >> 21) & 0x7F);
        }
    }
    return screen;
}

std::vector<uint8_t> superHiResBars() {
    std::vector<uint8_t> screen(32768, 0);
    for (size_t y = 0; y < 200; ++y) {
        bool mode640 = y >= 100;
        screen[0x7D00 + y] = uint8_t((mode640 ? 0x80 : 0) | (y / 25 % 2));
        for (size_t x = 0; x < 160; ++x) {
            uint8_t v = uint8_t((x / 10 + y / 20) % 16);
            screen[160 * y + x] = mode640 ? uint8_t(0x1B + (x / 40) * 0x55) : uint8_t(v << 4 | v);
        }
    }
    for (size_t i = 0; i < 16; ++i) {
        // Palette 0: greys from black to white; palette 1: a colour wheel.
        uint16_t grey = uint16_t(i << 8 | i << 4 | i);
        uint16_t wheel = uint16_t((15 - i) << 8 | (i * 7 % 16) << 4 | i);
        screen[0x7E00 + 2 * i] = uint8_t(grey);
        screen[0x7E01 + 2 * i] = uint8_t(grey >> 8);
        screen[0x7E20 + 2 * i] = uint8_t(wheel);
        screen[0x7E21 + 2 * i] = uint8_t(wheel >> 8);
    }
    return screen;
}

std::vector<uint8_t> packBytes(const std::vector<uint8_t>& screen) {
    std::vector<uint8_t> out;
    for (size_t at = 0; at < screen.size();) {
        size_t same = 1;
        while (at + same < screen.size() && same < 64 && screen[at + same] == screen[at]) ++same;
        if (same >= 3) {
            out.push_back(uint8_t(0x40 | (same - 1)));
            out.push_back(screen[at]);
        } else {
            size_t n = std::min<size_t>(64, screen.size() - at);
            out.push_back(uint8_t(n - 1));
            out.insert(out.end(), screen.begin() + ptrdiff_t(at),
                       screen.begin() + ptrdiff_t(at + n));
            same = n;
        }
        at += same;
    }
    return out;
}

std::vector<uint8_t> iconFile(const std::vector<IconSpec>& icons) {
    std::vector<uint8_t> file(26, 0);
    file[4] = 1;
    for (const IconSpec& icon : icons) {
        size_t size = icon.image.size();
        size_t length = 0x5E + 2 * size;
        std::vector<uint8_t> record(length, 0);
        putLe16(record.data(), uint16_t(length));
        record[0x42] = 4;
        std::copy_n("ICON", 4, record.begin() + 0x43);
        putLe16(record.data() + 0x58, uint16_t(size));
        putLe16(record.data() + 0x5A, icon.height);
        putLe16(record.data() + 0x5C, icon.width);
        std::copy(icon.image.begin(), icon.image.end(), record.begin() + 0x5E);
        file.insert(file.end(), record.begin(), record.end());
    }
    file.insert(file.end(), {0, 0});
    return file;
}

std::vector<uint8_t> iconSampler() {
    std::vector<IconSpec> icons;
    for (uint16_t i = 0; i < 12; ++i) {
        uint16_t w = uint16_t(24 + 8 * (i % 4)), h = uint16_t(12 + 4 * (i % 3));
        size_t rowBytes = (w - 1) / 2 + 1;
        IconSpec icon{w, h, std::vector<uint8_t>(rowBytes * h)};
        for (size_t r = 0; r < h; ++r)
            for (size_t k = 0; k < rowBytes; ++k)
                icon.image[r * rowBytes + k] = (r == 0 || r + 1 == h || k == 0 || k + 1 == rowBytes)
                                                   ? 0x00
                                                   : uint8_t(0x1B * (i + 1) + r);
        icons.push_back(icon);
    }
    return iconFile(icons);
}

std::vector<uint8_t> picturesVolume() {
    ProdosBuilder p(280, "PICTURES");
    constexpr uint16_t v = ProdosBuilder::kVolumeKey;
    std::vector<uint8_t> hgr = hiresBars(), dhr = doubleHiResBars(), shr = superHiResBars();
    std::vector<uint8_t> packed = packBytes(shr), icons = iconSampler(), bad = iconSampler();
    bad[4] = 0;
    std::vector<uint8_t> text = textBytes("PICTURES OF EVERY KIND\r");
    p.addFile(v, "HGR", 0x06, 0x2000, Bytes(hgr));
    p.addFile(v, "DHR", 0x06, 0x2000, Bytes(dhr));
    p.addFile(v, "SHR", 0xC1, 0x0000, Bytes(shr));
    p.addFile(v, "PACKED", 0xC0, 0x0001, Bytes(packed));
    p.addFile(v, "ICONS", 0xCA, 0x0000, Bytes(icons));
    p.addFile(v, "BADICON", 0xCA, 0x0000, Bytes(bad));
    p.addFile(v, "README", 0x04, 0x0000, Bytes(text));
    return p.bytes();
}

} // namespace lk::test
