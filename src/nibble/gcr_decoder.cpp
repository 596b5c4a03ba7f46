#include "nibble/gcr_decoder.h"

#include <cstring>

#include "base/format.h"
#include "image/disk_image.h"
#include "nibble/gcr_table.h"

namespace lk {

namespace {

// Sector numbers in address fields are physical: the sector image keeps logical order.
constexpr uint8_t kDosLogical[16] = {0, 7, 14, 6, 13, 5, 12, 4, 11, 3, 10, 2, 9, 1, 8, 15};
constexpr uint8_t kProdosLogical[16] = {0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15};

constexpr size_t kAddressFieldEnd = 13; // prologue to the end of the epilogue
constexpr size_t kDataFieldEnd = 348;   // prologue, 342 nibbles, checksum, DE AA
constexpr size_t kAuxNibbles = 86;      // the low two bits of three bytes each
constexpr size_t kDataNibbles = 342;
constexpr size_t kFirstNibble = 3; // after D5 AA AD

bool dataFieldAt(Bytes s, size_t p) {
    return p + kDataFieldEnd <= s.size() && s[p] == 0xD5 && s[p + 1] == 0xAA && s[p + 2] == 0xAD &&
           s[p + 346] == 0xDE && s[p + 347] == 0xAA;
}

// A 4-and-4 pair: the odd bits, then the even bits, each filled up with ones.
uint8_t fourAndFour(const uint8_t* p) {
    return uint8_t(((p[0] << 1) | 1) & p[1]);
}

// Where the first address field of track t starts; kNibbleTrackSize when it has none.
size_t firstAddressField(Bytes nibbles, size_t t) {
    Bytes track = nibbles.subspan(t * kNibbleTrackSize, kNibbleTrackSize);
    for (size_t p = 0; p + kAddressFieldEnd <= kNibbleTrackSize; ++p)
        if (addressFieldAt(track, p)) return p;
    return kNibbleTrackSize;
}

// Track t turned so that it starts at its first address field `turn`; a track without one
// reads as zero.
void alignTrack(Bytes nibbles, size_t t, size_t turn, uint8_t* out) {
    if (turn == kNibbleTrackSize) {
        std::memset(out, 0, kNibbleTrackSize);
        return;
    }
    const uint8_t* track = nibbles.data() + t * kNibbleTrackSize;
    std::memcpy(out, track + turn, kNibbleTrackSize - turn);
    std::memcpy(out + kNibbleTrackSize - turn, track, turn);
}

// The 342 data nibbles of a sound field as their values (shifted left by two), the running XOR
// they were written with undone. Eight at a time in a 64-bit word: three shifts give each byte
// the XOR of the bytes below it, and the last value of the word before, spread to every byte,
// carries the chain on; so the chain costs one step per eight nibbles instead of one per nibble.
// Every value is a multiple of four, so a nibble that has no value leaves low bits set from its
// place on: false for such a field.
bool soundValues(const uint8_t* nib, uint8_t* values) {
    constexpr uint64_t kEveryByte = 0x0101010101010101;
    uint64_t carry = 0, all = 0;
    size_t k = 0;
    for (; k + 8 <= kDataNibbles; k += 8) {
        uint64_t w = 0;
        for (size_t j = 0; j < 8; ++j) w |= uint64_t(kSixAndTwoDecode[nib[k + j]]) << (8 * j);
        w ^= w << 8;
        w ^= w << 16;
        w ^= w << 32;
        w ^= carry;
        for (size_t j = 0; j < 8; ++j) values[k + j] = uint8_t(w >> (8 * j));
        carry = (w >> 56) * kEveryByte;
        all |= w;
    }
    uint8_t prev = uint8_t(carry);
    for (; k < kDataNibbles; ++k) {
        values[k] = prev ^= kSixAndTwoDecode[nib[k]];
        all |= prev;
    }
    return (all & 3 * kEveryByte) == 0;
}

// The same for a damaged field, nibble by nibble. A nibble outside the code is counted and kept
// as read; a field mark or a byte below $96 ends the translation, and the rest is kept as read.
void damagedValues(const uint8_t* nib, uint8_t* values, NibbleCounts& counts) {
    uint8_t prev = 0;
    size_t k = 0;
    for (; k < kDataNibbles; ++k) {
        uint8_t v = kSixAndTwoDecode[nib[k]];
        if (v > 0xFC) {
            if (v != kNotInCode) break;
            ++counts.badNibbles;
            v = nib[k];
        }
        values[k] = prev ^= v;
    }
    if (k < kDataNibbles && kSixAndTwoDecode[nib[k]] == kMarkNibble)
        counts.errorBits |= kErrorMarkInData;
    for (; k < kDataNibbles; ++k) values[k] = prev ^= nib[k];
}

// The checksum nibble is never compared.
void fieldValues(const uint8_t* field, uint8_t* values, NibbleCounts& counts) {
    if (!soundValues(field + kFirstNibble, values))
        damagedValues(field + kFirstNibble, values, counts);
}

// The two low bits of a byte, kept swapped in bits `at` and `at` + 1 of an auxiliary value.
// Worked out rather than looked up, so that a whole part of a sector is put together at once.
constexpr uint8_t lowBits(uint8_t aux, int at) {
    return uint8_t(((aux >> (at - 1)) & 2) | ((aux >> (at + 1)) & 1));
}

// The 256 bytes of a field: six high bits from the main values, two low bits from the
// auxiliary ones, each of which serves three bytes (one in each part of the sector).
void placeSector(const uint8_t* values, uint32_t offset, std::vector<uint8_t>& out,
                 NibbleCounts& counts) {
    const uint8_t* aux = values;
    const uint8_t* main = values + kAuxNibbles;
    uint8_t sector[256];
    for (size_t i = 0; i < kAuxNibbles; ++i) sector[i] = uint8_t(main[i] | lowBits(aux[i], 2));
    for (size_t i = 0; i < kAuxNibbles; ++i)
        sector[kAuxNibbles + i] = uint8_t(main[kAuxNibbles + i] | lowBits(aux[i], 4));
    for (size_t i = 0; i < 256 - 2 * kAuxNibbles; ++i)
        sector[2 * kAuxNibbles + i] = uint8_t(main[2 * kAuxNibbles + i] | lowBits(aux[i], 6));
    counts.bytesWritten += 256;
    if (uint64_t(offset) + 256 <= out.size()) {
        std::memcpy(out.data() + offset, sector, 256);
        return;
    }
    for (uint32_t i = 0; i < 256; ++i) {
        if (uint64_t(offset) + i < out.size())
            out[offset + i] = sector[i];
        else
            counts.errorBits |= kErrorOutsideImage;
    }
}

// The aligned tracks are read as one stream, through a window of two tracks: a field that
// starts in the first may end in the second.
struct Scan {
    Bytes nibbles;
    const uint8_t* logical;
    DecodedNibbles& out;
    bool withReport;
    bool inAddress = false;
    uint32_t offset = 0;
    std::vector<uint8_t> window = std::vector<uint8_t>(2 * kNibbleTrackSize);

    // An address field names where the next data field goes. A sector number the table has
    // no place for places nothing; a new field replaces one still waiting for its data.
    void addressField(const uint8_t* f, size_t at) {
        uint8_t volume = fourAndFour(f + 3), track = fourAndFour(f + 5);
        uint8_t sector = fourAndFour(f + 7), checksum = fourAndFour(f + 9);
        ++out.counts.addressFields;
        inAddress = sector < kSectorsPerTrack;
        int shown = inAddress ? logical[sector] : sector;
        if (inAddress) offset = track * 4096u + uint32_t(shown) * 256u;
        if (withReport)
            appendFormat(out.report,
                         "%i\tPosition: $%06X\tTrack: %i\tSector: %i\tVolume: %i\tChecksum: %i\n",
                         out.counts.addressFields, unsigned(at), track, shown, volume, checksum);
    }

    void dataField(const uint8_t* f) {
        uint8_t values[kDataNibbles];
        fieldValues(f, values, out.counts);
        ++out.counts.dataFields;
        placeSector(values, offset, out.sectors, out.counts);
        inAddress = false;
    }

    // Only a D5 can start a field, so the scan goes from one D5 to the next. Returns where the
    // scan goes on, from the start of the window.
    size_t scanTrack(Bytes s, size_t p, size_t base) {
        while (p < kNibbleTrackSize) {
            const void* hit = std::memchr(s.data() + p, 0xD5, kNibbleTrackSize - p);
            if (!hit) return kNibbleTrackSize;
            p = size_t(static_cast<const uint8_t*>(hit) - s.data());
            if (addressFieldAt(s, p)) {
                addressField(s.data() + p, base + p);
                p += 12;
            } else if (inAddress && dataFieldAt(s, p)) {
                dataField(s.data() + p);
                p += kDataFieldEnd - 1; // the scan goes on after the field
            }
            ++p;
        }
        return p;
    }

    // Two tracks that both start at their first address field (as a WOZ image's tracks do)
    // are read where they lie; others are turned into the window first.
    Bytes pair(size_t t, size_t tracks, const std::vector<size_t>& turns) {
        size_t count = t + 1 == tracks ? 1 : 2;
        bool inPlace = turns[t] == 0 && (count == 1 || turns[t + 1] == 0);
        if (inPlace) return nibbles.subspan(t * kNibbleTrackSize, count * kNibbleTrackSize);
        for (size_t i = 0; i < count; ++i)
            alignTrack(nibbles, t + i, turns[t + i], window.data() + i * kNibbleTrackSize);
        return Bytes(window.data(), count * kNibbleTrackSize);
    }

    void run() {
        size_t tracks = nibbles.size() / kNibbleTrackSize;
        std::vector<size_t> turns(tracks);
        for (size_t t = 0; t < tracks; ++t) turns[t] = firstAddressField(nibbles, t);
        size_t p = 0;
        for (size_t t = 0; t < tracks; ++t)
            p = scanTrack(pair(t, tracks, turns), p, t * kNibbleTrackSize) - kNibbleTrackSize;
    }
};

} // namespace

const uint8_t* logicalSectors(SectorTable table) {
    return table == SectorTable::Prodos ? kProdosLogical : kDosLogical;
}

bool addressFieldAt(Bytes s, size_t p) {
    return p + kAddressFieldEnd <= s.size() && s[p] == 0xD5 && s[p + 1] == 0xAA &&
           s[p + 2] == 0x96 && s[p + 11] == 0xDE && s[p + 12] == 0xAA;
}

DecodedNibbles decodeNibbles(Bytes nibbles, SectorTable table, bool withReport) {
    DecodedNibbles out;
    if (nibbles.size() % kNibbleTrackSize != 0) {
        out.result = kNotWholeTracks;
        return out;
    }
    out.sectors.assign(nibbles.size() / kNibbleTrackSize * kTrackSize, 0);
    Scan{nibbles, logicalSectors(table), out, withReport}.run();
    out.result =
        out.counts.errorBits ? -int32_t(out.counts.errorBits) : int32_t(out.sectors.size());
    return out;
}

} // namespace lk
