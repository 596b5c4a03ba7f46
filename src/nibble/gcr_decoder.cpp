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
// The two low bits of each byte are stored swapped.
constexpr uint8_t kReversed[4] = {0, 2, 1, 3};

constexpr size_t kAddressFieldEnd = 13;  // prologue to the end of the epilogue
constexpr size_t kDataFieldEnd = 348;    // prologue, 342 nibbles, checksum, DE AA
constexpr size_t kAuxNibbles = 86;       // the low two bits of three bytes each
constexpr size_t kDataNibbles = 342;
constexpr size_t kFirstNibble = 3;       // after D5 AA AD
constexpr size_t kAfterSector = 348;     // where the scan goes on after a decoded sector

bool dataFieldAt(Bytes s, size_t p) {
    return p + kDataFieldEnd <= s.size() && s[p] == 0xD5 && s[p + 1] == 0xAA &&
           s[p + 2] == 0xAD && s[p + 346] == 0xDE && s[p + 347] == 0xAA;
}

// A 4-and-4 pair: the odd bits, then the even bits, each filled up with ones.
uint8_t fourAndFour(const uint8_t* p) {
    return uint8_t(((p[0] << 1) | 1) & p[1]);
}

// Each track is turned so that it starts at its first address field; a track without one stays
// zero.
std::vector<uint8_t> alignedTracks(Bytes nibbles) {
    std::vector<uint8_t> work(nibbles.size(), 0);
    for (size_t base = 0; base < nibbles.size(); base += kNibbleTrackSize) {
        Bytes track = nibbles.subspan(base, kNibbleTrackSize);
        for (size_t p = 0; p + kAddressFieldEnd <= kNibbleTrackSize; ++p) {
            if (!addressFieldAt(track, p)) continue;
            std::memcpy(work.data() + base, track.data() + p, kNibbleTrackSize - p);
            std::memcpy(work.data() + base + kNibbleTrackSize - p, track.data(), p);
            break;
        }
    }
    return work;
}

// The 342 data nibbles of a field as their values (shifted left by two), the running XOR they
// were written with undone. A nibble outside the code is counted and kept as read; a field mark
// or a byte below $96 ends the translation, and the rest is kept as read. The checksum nibble
// joins the chain untranslated and is never compared.
void fieldValues(const uint8_t* field, uint8_t* values, NibbleCounts& counts) {
    const uint8_t* nib = field + kFirstNibble;
    size_t k = 0;
    while (k < kDataNibbles) {
        uint8_t v = kSixAndTwoDecode[nib[k]];
        if (v <= 0xFC) {
            values[k++] = v;
            continue;
        }
        if (v == kNotInCode) {
            ++counts.badNibbles;
            values[k] = nib[k];
            ++k;
            continue;
        }
        if (v == kMarkNibble) counts.errorBits |= kErrorMarkInData;
        break;
    }
    for (; k <= kDataNibbles; ++k) values[k] = nib[k];
    uint8_t prev = values[0];
    for (k = 1; k <= kDataNibbles; ++k) prev = values[k] ^= prev;
}

// The 256 bytes of a field: six high bits from the main values, two low bits from the
// auxiliary ones, each of which serves three bytes.
void placeSector(const uint8_t* values, uint32_t offset, std::vector<uint8_t>& out,
                 NibbleCounts& counts) {
    const uint8_t* aux = values;
    const uint8_t* main = values + kAuxNibbles;
    uint8_t sector[256];
    for (size_t i = 0; i < kAuxNibbles; ++i)
        sector[i] = uint8_t(main[i] | kReversed[(aux[i] >> 2) & 3]);
    for (size_t i = kAuxNibbles; i < 2 * kAuxNibbles; ++i)
        sector[i] = uint8_t(main[i] | kReversed[(aux[i - kAuxNibbles] >> 4) & 3]);
    for (size_t i = 2 * kAuxNibbles; i < 256; ++i)
        sector[i] = uint8_t(main[i] | kReversed[(aux[i - 2 * kAuxNibbles] >> 6) & 3]);
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

struct Scan {
    const std::vector<uint8_t>& work;
    const uint8_t* logical;
    DecodedNibbles& out;
    bool withReport;
    bool inAddress = false;
    uint32_t offset = 0;

    // An address field names where the next data field goes. A sector number the table has
    // no place for places nothing; a new field replaces one still waiting for its data.
    void addressField(size_t p) {
        const uint8_t* f = work.data() + p;
        uint8_t volume = fourAndFour(f + 3), track = fourAndFour(f + 5);
        uint8_t sector = fourAndFour(f + 7), checksum = fourAndFour(f + 9);
        ++out.counts.addressFields;
        inAddress = sector < kSectorsPerTrack;
        int shown = inAddress ? logical[sector] : sector;
        if (inAddress) offset = track * 4096u + uint32_t(shown) * 256u;
        if (withReport)
            appendFormat(out.report,
                         "%i\tPosition: $%06X\tTrack: %i\tSector: %i\tVolume: %i\tChecksum: %i\n",
                         out.counts.addressFields, unsigned(p), track, shown, volume, checksum);
    }

    void dataField(size_t p) {
        uint8_t values[kDataNibbles + 1];
        fieldValues(work.data() + p, values, out.counts);
        ++out.counts.dataFields;
        placeSector(values, offset, out.sectors, out.counts);
        inAddress = false;
    }

    // Only a D5 can start a field, so the scan goes from one D5 to the next.
    void run() {
        Bytes s(work);
        size_t p = 0;
        while (p < s.size()) {
            const void* hit = std::memchr(s.data() + p, 0xD5, s.size() - p);
            if (!hit) break;
            p = size_t(static_cast<const uint8_t*>(hit) - s.data());
            if (addressFieldAt(s, p)) {
                addressField(p);
                p += 12;
            } else if (inAddress && dataFieldAt(s, p)) {
                dataField(p);
                p += kAfterSector - 1;
            }
            ++p;
        }
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
    size_t tracks = nibbles.size() / kNibbleTrackSize;
    std::vector<uint8_t> work = alignedTracks(nibbles);
    out.sectors.assign(tracks * kTrackSize, 0);
    Scan{work, logicalSectors(table), out, withReport}.run();
    out.result = out.counts.errorBits ? -int32_t(out.counts.errorBits) : int32_t(out.sectors.size());
    return out;
}

} // namespace lk
