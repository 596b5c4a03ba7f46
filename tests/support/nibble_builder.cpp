#include "nibble_builder.h"

#include <utility>
#include <zlib.h>

#include "nibble/gcr_decoder.h"
#include "nibble/gcr_table.h"

namespace lk::test {

namespace {

constexpr uint8_t kReversed[4] = {0, 2, 1, 3};

void append(std::vector<uint8_t>& out, const std::vector<uint8_t>& more) {
    out.insert(out.end(), more.begin(), more.end());
}

// The 342 six-bit values (86 holding the swapped low bits of three bytes each, then the high six
// bits of every byte), each written as its XOR with the one before, and the last as checksum.
std::vector<uint8_t> dataField(Bytes s) {
    uint8_t v[342] = {};
    for (size_t i = 0; i < 256; ++i) {
        v[i % 86] |= uint8_t(kReversed[s[i] & 3] << (2 * (i / 86)));
        v[86 + i] = uint8_t(s[i] >> 2);
    }
    std::vector<uint8_t> f = {0xD5, 0xAA, 0xAD};
    uint8_t prev = 0;
    for (uint8_t x : v) f.push_back(kSixAndTwoNibbles[x ^ std::exchange(prev, x)]);
    append(f, {kSixAndTwoNibbles[prev], 0xDE, 0xAA, 0xEB});
    return f;
}

// A track's bits as a drive writes them: the $FF sync bytes of the gaps take ten bits (two zero
// bits after the nibble), every nibble of an address or data field eight, from its prologue
// (D5 AA 96 or D5 AA AD) to its epilogue's DE AA.
struct Bits {
    std::vector<uint8_t> bytes;
    uint32_t count = 0;
    uint8_t last[2] = {};
    bool inField = false;
    void nibble(uint8_t n) {
        bool sync = n == 0xFF && !inField;
        for (int i = sync ? 9 : 7; i >= 0; --i, ++count) {
            if (count % 8 == 0) bytes.push_back(0);
            if (i < 8 && ((n >> i) & 1)) bytes.back() |= uint8_t(0x80 >> (count % 8));
        }
        if (last[0] == 0xD5 && last[1] == 0xAA && (n == 0x96 || n == 0xAD)) inField = true;
        if (last[1] == 0xDE && n == 0xAA) inField = false;
        last[0] = last[1];
        last[1] = n;
    }
};

void chunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& data) {
    out.insert(out.end(), id, id + 4);
    out.resize(out.size() + 4);
    putLe32(out.data() + out.size() - 4, uint32_t(data.size()));
    append(out, data);
}

std::vector<uint8_t> trackMap(size_t tracks) {
    std::vector<uint8_t> map(160, 0xFF);
    for (size_t t = 0; t < tracks; ++t) map[4 * t] = uint8_t(t);
    return map;
}

} // namespace

std::vector<uint8_t> addressField(uint8_t volume, uint8_t track, uint8_t sector) {
    std::vector<uint8_t> f = {0xD5, 0xAA, 0x96};
    for (uint8_t v : {volume, track, sector, uint8_t(volume ^ track ^ sector)})
        append(f, {uint8_t((v >> 1) | 0xAA), uint8_t(v | 0xAA)});
    append(f, {0xDE, 0xAA, 0xEB});
    return f;
}

std::vector<uint8_t> nibbleImage(Bytes sectors, SectorTable table, uint8_t volume) {
    std::vector<uint8_t> out;
    for (size_t t = 0; t * 4096 < sectors.size(); ++t) {
        out.resize(t * kNibbleTrackSize + kFirstGap, 0xFF);
        for (uint8_t p = 0; p < 16; ++p) {
            append(out, addressField(volume, uint8_t(t), p));
            out.resize(out.size() + 6, 0xFF);
            append(out,
                   dataField(sectors.subspan(t * 4096 + logicalSectors(table)[p] * 256u, 256)));
            out.resize(out.size() + 27, 0xFF);
        }
        out.resize((t + 1) * kNibbleTrackSize, 0xFF);
    }
    return out;
}

std::vector<uint8_t> trackStarImage(Bytes nibbles) {
    std::vector<uint8_t> out(nibbles.size(), 0);
    for (size_t base = 0; base < nibbles.size(); base += kNibbleTrackSize) {
        for (size_t k = 0; k < kTrackContent; ++k)
            out[base + 128 + kTrackContent - k] = nibbles[base + k];
        putLe16(out.data() + base + 0x19FE, uint16_t(kTrackContent));
    }
    return out;
}

std::vector<uint8_t> wozImage(Bytes nibbles, const WozShape& shape) {
    size_t tracks = nibbles.size() / kNibbleTrackSize;
    std::vector<uint8_t> info(60, 0), trks(shape.woz1 ? 0 : 1280, 0), bits;
    info[0] = shape.fluxTrackZero ? 3 : 2;
    info[1] = shape.diskType;
    for (size_t t = 0; t < tracks; ++t) {
        Bits b;
        for (size_t k = 0; k < kTrackContent; ++k) b.nibble(nibbles[t * kNibbleTrackSize + k]);
        size_t blocks = (b.bytes.size() + 511) / 512;
        if (shape.woz1) { // records of 6656 bytes: the bits, then their byte and bit counts
            b.bytes.resize(6656, 0);
            putLe16(b.bytes.data() + 6646, uint16_t((b.count + 7) / 8));
            putLe16(b.bytes.data() + 6648, uint16_t(b.count));
        } else { // entries ending at block 3, each track's bits at blocks of their own
            putLe16(trks.data() + 8 * t, uint16_t(3 + bits.size() / 512));
            putLe16(trks.data() + 8 * t + 2, uint16_t(blocks));
            putLe32(trks.data() + 8 * t + 4, b.count);
            b.bytes.resize(blocks * 512, 0);
        }
        append(bits, b.bytes);
    }
    append(trks, bits);
    std::vector<uint8_t> out = {
        'W', 'O', 'Z', uint8_t(shape.woz1 ? '1' : '2'), 0xFF, 0x0A, 0x0D, 0x0A, 0, 0, 0, 0};
    chunk(out, "INFO", info);
    chunk(out, "TMAP", trackMap(tracks));
    chunk(out, "TRKS", trks);
    if (shape.fluxTrackZero) chunk(out, "FLUX", trackMap(1));
    putLe32(out.data() + 8, uint32_t(crc32(0, out.data() + 12, uInt(out.size() - 12))));
    return out;
}

} // namespace lk::test
