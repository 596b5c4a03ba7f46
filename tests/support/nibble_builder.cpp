#include "nibble_builder.h"

#include <algorithm>
#include <cstring>
#include <zlib.h>

#include "nibble/gcr_decoder.h"
#include "nibble/gcr_table.h"

namespace lk::test {

namespace {

constexpr uint8_t kReversed[4] = {0, 2, 1, 3};
constexpr size_t kTrackBytes = 4096;

void fourAndFour(std::vector<uint8_t>& out, uint8_t value) {
    out.push_back(uint8_t((value >> 1) | 0xAA));
    out.push_back(uint8_t(value | 0xAA));
}

// The 342 six-bit values: 86 holding the low two bits of three bytes each (swapped), then the
// high six bits of every byte.
std::vector<uint8_t> sixBitValues(Bytes s) {
    std::vector<uint8_t> v(342, 0);
    for (size_t i = 0; i < 256; ++i) {
        v[i % 86] |= uint8_t(kReversed[s[i] & 3] << (2 * (i / 86)));
        v[86 + i] = uint8_t(s[i] >> 2);
    }
    return v;
}

void append(std::vector<uint8_t>& out, const std::vector<uint8_t>& more) {
    out.insert(out.end(), more.begin(), more.end());
}

struct BitWriter {
    std::vector<uint8_t> bytes;
    uint32_t count = 0;
    void bit(unsigned b) {
        if (count % 8 == 0) bytes.push_back(0);
        if (b) bytes.back() |= uint8_t(0x80 >> (count % 8));
        ++count;
    }
    // A self-sync byte is followed by two zero bits.
    void nibble(uint8_t n) {
        for (int i = 7; i >= 0; --i) bit((n >> i) & 1);
        if (n == 0xFF) bit(0), bit(0);
    }
};

void chunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& data) {
    out.insert(out.end(), id, id + 4);
    uint8_t size[4];
    putLe32(size, uint32_t(data.size()));
    out.insert(out.end(), size, size + 4);
    append(out, data);
}

std::vector<uint8_t> quarterTrackMap(size_t tracks) {
    std::vector<uint8_t> map(160, 0xFF);
    for (size_t t = 0; t < tracks; ++t) map[4 * t] = uint8_t(t);
    return map;
}

} // namespace

std::vector<uint8_t> addressField(uint8_t volume, uint8_t track, uint8_t sector) {
    std::vector<uint8_t> f = {0xD5, 0xAA, 0x96};
    for (uint8_t v : {volume, track, sector, uint8_t(volume ^ track ^ sector)}) fourAndFour(f, v);
    append(f, {0xDE, 0xAA, 0xEB});
    return f;
}

std::vector<uint8_t> dataField(Bytes sector) {
    std::vector<uint8_t> v = sixBitValues(sector);
    std::vector<uint8_t> f = {0xD5, 0xAA, 0xAD};
    uint8_t prev = 0;
    for (uint8_t x : v) {
        f.push_back(kSixAndTwoNibbles[x ^ prev]);
        prev = x;
    }
    f.push_back(kSixAndTwoNibbles[prev]);
    append(f, {0xDE, 0xAA, 0xEB});
    return f;
}

std::vector<uint8_t> nibbleImage(Bytes sectors, SectorTable table, uint8_t volume) {
    std::vector<uint8_t> out;
    const uint8_t* logical = logicalSectors(table);
    for (size_t t = 0; t * kTrackBytes < sectors.size(); ++t) {
        size_t start = out.size();
        out.resize(start + kFirstGap, 0xFF);
        for (uint8_t p = 0; p < 16; ++p) {
            append(out, addressField(volume, uint8_t(t), p));
            out.resize(out.size() + 6, 0xFF);
            append(out, dataField(sectors.subspan(t * kTrackBytes + logical[p] * 256u, 256)));
            out.resize(out.size() + 27, 0xFF);
        }
        out.resize(start + kNibbleTrackSize, 0xFF);
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
    std::vector<BitWriter> bits(tracks);
    for (size_t t = 0; t < tracks; ++t)
        for (size_t k = 0; k < kTrackContent; ++k)
            bits[t].nibble(nibbles[t * kNibbleTrackSize + k]);
    std::vector<uint8_t> info(60, 0);
    info[0] = shape.fluxTrackZero ? 3 : 2;
    info[1] = shape.diskType;
    std::vector<uint8_t> out = {'W', 'O', 'Z', shape.woz1 ? uint8_t('1') : uint8_t('2'),
                                0xFF, 0x0A, 0x0D, 0x0A, 0, 0, 0, 0};
    chunk(out, "INFO", info);
    chunk(out, "TMAP", quarterTrackMap(tracks));
    std::vector<uint8_t> trks;
    if (shape.woz1) {
        for (const BitWriter& b : bits) {
            std::vector<uint8_t> record(6656, 0);
            std::copy(b.bytes.begin(), b.bytes.end(), record.begin());
            putLe16(record.data() + 6646, uint16_t(b.bytes.size()));
            putLe16(record.data() + 6648, uint16_t(b.count));
            append(trks, record);
        }
    } else {
        // The entries end at block 3; each track's bits start at a block of their own.
        trks.resize(1280, 0);
        size_t block = 3;
        std::vector<uint8_t> data;
        for (size_t t = 0; t < tracks; ++t) {
            size_t blocks = (bits[t].bytes.size() + 511) / 512;
            putLe16(trks.data() + 8 * t, uint16_t(block));
            putLe16(trks.data() + 8 * t + 2, uint16_t(blocks));
            putLe32(trks.data() + 8 * t + 4, bits[t].count);
            append(data, bits[t].bytes);
            data.resize(data.size() + (blocks * 512 - bits[t].bytes.size()), 0);
            block += blocks;
        }
        append(trks, data);
    }
    chunk(out, "TRKS", trks);
    if (shape.fluxTrackZero) chunk(out, "FLUX", quarterTrackMap(1));
    if (shape.withChecksum) putLe32(out.data() + 8, uint32_t(crc32(0, out.data() + 12, uInt(out.size() - 12))));
    return out;
}

} // namespace lk::test
