#include "nibble/woz_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <zlib.h>

#include "nibble/gcr_decoder.h"
#include "nibble/nibble_track.h"

namespace lk {

namespace {

constexpr size_t kHeaderSize = 12;
constexpr uint8_t kHighByteAndNewlines[4] = {0xFF, 0x0A, 0x0D, 0x0A};
constexpr size_t kChunkHeader = 8;
constexpr size_t kMapEntries = 160; // quarter tracks 0.00 to 39.75
constexpr uint8_t kNoTrack = 0xFF;
constexpr uint32_t kWholeTracks = 40;
constexpr uint32_t kLeastTracks = 35;
constexpr size_t kWoz1Record = 6656;
constexpr size_t kWoz1Bits = 6646;
constexpr size_t kWoz1BitCountAt = 6648;
constexpr size_t kWoz2Entry = 8;
constexpr size_t kBlock = 512;

struct Chunk {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

struct Chunks {
    Chunk info, tmap, trks, flux;
};

// The bits of a track as a loop: bit q is bit q mod bitCount. The bits are kept twice over
// (the second time shifted to follow the first without a gap) so that many of them are read at
// once; only the last few before the end of the copy are read one by one.
class LoopedBits {
  public:
    static constexpr uint64_t kNoBits = UINT64_MAX;
    // A register out of step falls into step at the first self-sync gap, well within a sector:
    // the passes are compared over the first nibbles only.
    static constexpr size_t kKeptStarts = 1024;

    LoopedBits(Bytes bits, uint32_t bitCount) : bitCount_(bitCount) {
        uint32_t whole = bitCount / 8, rest = bitCount % 8;
        size_t used = (size_t(bitCount) + 7) / 8;
        bytes_.assign(2 * used + 4, 0);
        std::memcpy(bytes_.data(), bits.data(), used);
        if (rest == 0) {
            std::memcpy(bytes_.data() + whole, bits.data(), used);
        } else {
            bytes_[whole] = uint8_t((bits[whole] & (0xFF00 >> rest)) | (bits[0] >> rest));
            for (size_t j = 0; j < used; ++j) {
                uint8_t next = j + 1 < used ? bits[j + 1] : 0;
                bytes_[whole + 1 + j] = uint8_t((bits[j] << (8 - rest)) | (next >> rest));
            }
        }
        fastBits_ = bitCount > 4 ? 2 * uint64_t(bitCount) - 8 : 0;
    }

    // Where the next nibble starts at or after q (at its first 1 bit), and the nibble: the eight
    // bits from there. kNoBits when the track holds no 1 bit.
    uint64_t nibbleAt(uint64_t q, uint8_t& nibble) const {
        for (uint64_t limit = q + bitCount_; q < limit;) {
            uint32_t w = window(q);
            if (w & 0x8000) {
                nibble = uint8_t(w >> 8);
                return q;
            }
            q += w ? uint64_t(std::countl_zero(uint16_t(w))) : 16;
        }
        return kNoBits;
    }

    // Every nibble that starts before the loop point, read from bit 0 with an empty register,
    // and where the first kKeptStarts of them start. Returns where the first nibble after the
    // loop point starts (kNoBits for a track without a 1 bit). Sixty-four bits are taken at a
    // time while they lie in the copy.
    uint64_t firstPass(std::vector<uint32_t>& starts, std::vector<uint8_t>& nibbles) const {
        starts.resize(kKeptStarts);
        nibbles.resize(bitCount_ / 8 + 2);
        size_t count = 0;
        uint64_t q = 0;
        while (q < bitCount_ && q + 64 <= fastBits_) {
            uint64_t w = load64(q >> 3) << (q & 7);
            unsigned avail = 64 - unsigned(q & 7);
            while (q < bitCount_ && avail >= 8) {
                if (w >> 63) {
                    if (count < kKeptStarts) starts[count] = uint32_t(q);
                    nibbles[count++] = uint8_t(w >> 56);
                    w <<= 8;
                    avail -= 8;
                    q += 8;
                    continue;
                }
                unsigned zeros = w ? unsigned(std::countl_zero(w)) : 64;
                if (zeros >= avail) {
                    q += avail;
                    break;
                }
                w <<= zeros;
                avail -= zeros;
                q += zeros;
            }
        }
        uint8_t n = 0;
        while ((q = nibbleAt(q, n)) < bitCount_) {
            if (count < kKeptStarts) starts[count] = uint32_t(q);
            nibbles[count++] = n;
            q += 8;
        }
        starts.resize(std::min(count, kKeptStarts));
        nibbles.resize(count);
        return q;
    }

  private:
    uint64_t load64(uint64_t byte) const {
        uint64_t w = 0;
        for (int i = 0; i < 8; ++i) w = (w << 8) | bytes_[byte + uint64_t(i)];
        return w;
    }

    // Bits q to q + 15, the first of them as the top bit.
    uint32_t window(uint64_t q) const {
        if (q + 24 <= fastBits_) {
            const uint8_t* p = bytes_.data() + (q >> 3);
            uint32_t w = (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
            return ((w << (q & 7)) >> 8) & 0xFFFF;
        }
        uint32_t w = 0;
        for (uint64_t i = q; i < q + 16; ++i) {
            uint64_t b = i % bitCount_;
            w = (w << 1) | ((bytes_[b >> 3] >> (7 - (b & 7))) & 1);
        }
        return w;
    }

    uint32_t bitCount_;
    uint64_t fastBits_;
    std::vector<uint8_t> bytes_;
};

bool walkChunks(Bytes file, Chunks& chunks) {
    size_t at = kHeaderSize;
    while (at < file.size()) {
        if (file.size() - at < kChunkHeader) return false;
        const uint8_t* head = file.data() + at;
        uint32_t size = le32(head + 4);
        if (size > file.size() - at - kChunkHeader) return false;
        Chunk c{head + kChunkHeader, size};
        if (std::memcmp(head, "INFO", 4) == 0) chunks.info = c;
        if (std::memcmp(head, "TMAP", 4) == 0) chunks.tmap = c;
        if (std::memcmp(head, "TRKS", 4) == 0) chunks.trks = c;
        if (std::memcmp(head, "FLUX", 4) == 0) chunks.flux = c;
        at += kChunkHeader + size;
    }
    return chunks.info.size >= 2 && chunks.tmap.size >= kMapEntries && chunks.trks.data;
}

bool hasFluxTrack(const Chunk& flux) {
    if (flux.size < kMapEntries) return false;
    for (uint32_t t = 0; t < kWholeTracks; ++t)
        if (flux.data[4 * t] != kNoTrack) return true;
    return false;
}

// The bits of track record `index`; false when they do not lie inside the file.
bool trackBits(Bytes file, const Chunk& trks, bool woz1, uint8_t index, Bytes& bits,
               uint32_t& bitCount) {
    if (woz1) {
        size_t at = size_t(index) * kWoz1Record;
        if (at + kWoz1Record > trks.size) return false;
        bits = Bytes(trks.data + at, kWoz1Bits);
        bitCount = le16(trks.data + at + kWoz1BitCountAt);
        return bitCount <= kWoz1Bits * 8;
    }
    size_t entry = size_t(index) * kWoz2Entry;
    if (index >= kMapEntries || entry + kWoz2Entry > trks.size) return false;
    const uint8_t* e = trks.data + entry;
    uint64_t start = uint64_t(le16(e)) * kBlock, length = uint64_t(le16(e + 2)) * kBlock;
    bitCount = le32(e + 4);
    if (start + length > file.size() || (uint64_t(bitCount) + 7) / 8 > length) return false;
    bits = file.subspan(size_t(start), size_t(length));
    return true;
}

// One revolution as a nibble track that starts at its first address field (a field may
// straddle the loop point), padded with self-sync bytes or cut to the track's size. A track
// without a nibble stays as it is (zero).
void placeTrack(std::vector<uint8_t> rev, uint8_t* track) {
    if (rev.empty()) return;
    size_t size = std::min<size_t>(rev.size(), kNibbleTrackSize), turn = 0;
    rev.insert(rev.end(), rev.begin(), rev.begin() + std::ptrdiff_t(std::min<size_t>(size, 12)));
    for (size_t p = 0; p < size; ++p) {
        if (addressFieldAt(Bytes(rev), p)) {
            turn = p;
            break;
        }
    }
    std::memcpy(track, rev.data() + turn, size - turn);
    std::memcpy(track + size - turn, rev.data(), turn);
    std::memset(track + size, 0xFF, kNibbleTrackSize - size);
}

uint32_t trackCount(const Chunk& tmap) {
    uint32_t count = kLeastTracks;
    for (uint32_t t = 0; t < kWholeTracks; ++t)
        if (tmap.data[4 * t] != kNoTrack) count = std::max(count, t + 1);
    return count;
}

} // namespace

std::vector<uint8_t> latchRevolution(Bytes bits, uint32_t bitCount) {
    if (bitCount == 0 || (uint64_t(bitCount) + 7) / 8 > bits.size()) return {};
    LoopedBits looped(bits, bitCount);
    // The first pass starts with an empty register at bit 0; a self-sync gap brings it into step
    // if it was not, and by the loop point it is.
    std::vector<uint32_t> starts;
    std::vector<uint8_t> first;
    uint64_t q = looped.firstPass(starts, first);
    if (q == LoopedBits::kNoBits) return {};
    uint8_t n = 0;
    // The revolution is the nibbles that start from the first one after the loop point on, as a
    // drive that has been reading for a while sees them. Read again from there, they agree with
    // the first pass from the first nibble that starts where one of the first pass started
    // (when none does among those kept, the second pass reads the whole revolution).
    uint64_t from = q - bitCount, end = from + bitCount;
    std::vector<uint8_t> out;
    out.reserve(first.size() + 16);
    size_t k = 0;
    for (q = from; (q = looped.nibbleAt(q, n)) < end; q += 8) {
        while (k < starts.size() && starts[k] < q) ++k;
        if (k < starts.size() && starts[k] == q) {
            out.insert(out.end(), first.begin() + std::ptrdiff_t(k), first.end());
            break;
        }
        out.push_back(n);
    }
    return out;
}

WozTracks readWoz(Bytes file) {
    WozTracks out;
    bool woz1 = file.size() >= kHeaderSize && std::memcmp(file.data(), "WOZ1", 4) == 0;
    bool woz2 = file.size() >= kHeaderSize && std::memcmp(file.data(), "WOZ2", 4) == 0;
    if ((!woz1 && !woz2) || std::memcmp(file.data() + 4, kHighByteAndNewlines, 4) != 0) {
        out.problem = WozProblem::NotWoz;
        return out;
    }
    uint32_t stored = le32(file.data() + 8);
    out.checksumMismatch = stored != 0 && stored != crc32(0, file.data() + kHeaderSize,
                                                          uInt(file.size() - kHeaderSize));
    Chunks chunks;
    if (!walkChunks(file, chunks)) {
        out.problem = WozProblem::Damaged;
        return out;
    }
    if (chunks.info.data[1] != 1) {
        out.problem = WozProblem::NotFiveInch;
        return out;
    }
    if (hasFluxTrack(chunks.flux)) {
        out.problem = WozProblem::FluxTracks;
        return out;
    }
    uint32_t tracks = trackCount(chunks.tmap);
    out.nibbles.assign(size_t(tracks) * kNibbleTrackSize, 0);
    for (uint32_t t = 0; t < tracks; ++t) {
        uint8_t index = chunks.tmap.data[4 * t];
        if (index == kNoTrack) continue;
        Bytes bits;
        uint32_t bitCount = 0;
        if (!trackBits(file, chunks.trks, woz1, index, bits, bitCount)) {
            out.problem = WozProblem::Damaged;
            out.nibbles.clear();
            return out;
        }
        if (bitCount > 0)
            placeTrack(latchRevolution(bits, bitCount),
                       out.nibbles.data() + size_t(t) * kNibbleTrackSize);
    }
    return out;
}

} // namespace lk
