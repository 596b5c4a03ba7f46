#include "nibble/woz_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <libdeflate.h>

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

// Sixty-four bits from bit q of `bytes` (stored most significant first), bit q on top; the nine
// bytes from q / 8 on must be there. Loaded as one word and turned, whatever the machine's order.
uint64_t sixtyFourBits(const uint8_t* bytes, uint64_t q) {
    const uint8_t* p = bytes + (q >> 3);
    uint64_t w = 0;
    std::memcpy(&w, p, 8);
    if constexpr (std::endian::native == std::endian::little) {
        w = ((w & 0x00FF00FF00FF00FFull) << 8) | ((w >> 8) & 0x00FF00FF00FF00FFull);
        w = ((w & 0x0000FFFF0000FFFFull) << 16) | ((w >> 16) & 0x0000FFFF0000FFFFull);
        w = (w << 32) | (w >> 32);
    }
    unsigned shift = unsigned(q & 7);
    return (w << shift) | (p[8] >> (8 - shift));
}

// Eight nibbles of eight bits that follow each other without a gap: the top bit of every byte is
// set. Most of a data field reads this way.
constexpr uint64_t kByteTops = 0x8080808080808080;

// The eight bytes of `w`, top byte first.
void storeEight(uint64_t w, uint8_t* out) {
    for (int i = 0; i < 8; ++i) out[i] = uint8_t(w >> (56 - 8 * i));
}

// The bits of a track as a loop: bit q is bit q mod bitCount. Sixty-four of them are read at
// once from the track's own bytes, and from a short copy of the bits across the loop point
// near it (a track of a few bits is read bit by bit).
class LoopedBits {
  public:
    static constexpr uint64_t kNoBits = UINT64_MAX;

    LoopedBits(Bytes bits, uint32_t bitCount) : bits_(bits.data()), bitCount_(bitCount) {
        if (bitCount < kLeastForSeam) return;
        seamFrom_ = (bitCount - kDirectMargin) & ~uint32_t(7);
        for (size_t i = 0; i < sizeof seam_; ++i) seam_[i] = byteAcrossLoop(seamFrom_ + 8 * i);
    }

    // Bits q to q + 63, bit q on top.
    uint64_t bitsAt(uint64_t q) const {
        if (q + kDirectMargin <= bitCount_) return sixtyFourBits(bits_, q);
        return bitsNearLoop(q);
    }

    // Where the next nibble starts at or after q: at the first 1 bit. kNoBits when the track
    // holds no 1 bit.
    uint64_t nextStart(uint64_t q) const {
        for (uint64_t limit = q + bitCount_; q < limit; q += 64)
            if (uint64_t w = bitsAt(q)) return q + uint64_t(std::countl_zero(w));
        return kNoBits;
    }

    // The nibble that starts at q, and where the one after it starts.
    uint8_t nibbleAt(uint64_t q) const { return uint8_t(bitsAt(q) >> 56); }
    uint64_t after(uint64_t q) const { return nextStart(q + 8); }

    // Every nibble that starts before the loop point, read from bit 0 with an empty register.
    // Returns where the first nibble after the loop point starts (kNoBits for a track without
    // a 1 bit).
    uint64_t firstPass(std::vector<uint8_t>& nibbles) const {
        nibbles.resize(bitCount_ / 8 + 16); // nibbles start at least 8 bits apart
        size_t count = 0;
        uint64_t q = 0; // where the search for the next nibble goes on
        while (q < bitCount_) {
            uint64_t w = bitsAt(q);
            if ((w & kByteTops) == kByteTops && q + 64 <= bitCount_) {
                storeEight(w, nibbles.data() + count);
                count += 8;
                q += 64;
            } else if (w >> 63 == 0) { // no nibble starts here: on to the next 1 bit
                q += w ? uint64_t(std::countl_zero(w)) : 64;
            } else {
                q += latchFew(w, q, nibbles.data(), count);
            }
        }
        nibbles.resize(count);
        return nextStart(q);
    }

  private:
    // Reads of 64 bits that start this close to the loop point need bits past it.
    static constexpr uint32_t kDirectMargin = 72;
    static constexpr uint32_t kLeastForSeam = 512;

    // The nibbles that start among the 64 bits `w` read at q, the first at its top bit, as long
    // as each lies wholly among them and starts before the loop point. Returns how many bits
    // they took. The zeros before a nibble are mostly none (data) or two (self-sync bytes);
    // testing for those first lets the processor run ahead of the count.
    uint64_t latchFew(uint64_t w, uint64_t q, uint8_t* nibbles, size_t& count) const {
        unsigned used = 0; // bits before the nibble on top of w
        for (;;) {
            nibbles[count++] = uint8_t(w >> 56);
            uint64_t rest = w << 8;
            unsigned zeros = rest >> 63        ? 0
                             : rest >> 61 == 1 ? 2
                             : rest            ? unsigned(std::countl_zero(rest))
                                               : 64;
            unsigned next = used + 8 + zeros;
            if (next + 8 > 64 || q + next >= bitCount_) return used + 8;
            w = rest << zeros;
            used = next;
        }
    }

    uint64_t bitsNearLoop(uint64_t q) const {
        q %= bitCount_;
        if (q + kDirectMargin <= bitCount_) return sixtyFourBits(bits_, q);
        if (bitCount_ >= kLeastForSeam) return sixtyFourBits(seam_, q - seamFrom_);
        uint64_t w = 0;
        for (int i = 0; i < 64; ++i, q = q + 1 == bitCount_ ? 0 : q + 1) w = (w << 1) | bit(q);
        return w;
    }

    uint32_t bit(uint64_t q) const { return (bits_[q >> 3] >> (7 - (q & 7))) & 1; }

    // The eight bits from q on (q is a multiple of 8), past the loop point on from bit 0.
    uint8_t byteAcrossLoop(uint32_t q) const {
        if (q + 8 <= bitCount_) return bits_[q >> 3];
        if (q < bitCount_) { // the loop point falls inside
            uint32_t before = bitCount_ - q;
            return uint8_t((bits_[q >> 3] & (0xFF00 >> before)) | (bits_[0] >> before));
        }
        return uint8_t(sixtyFourBits(bits_, q - bitCount_) >> 56);
    }

    const uint8_t* bits_;
    uint32_t bitCount_;
    uint32_t seamFrom_ = 0;
    uint8_t seam_[24] = {}; // the bits from seamFrom_ on, across the loop point
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
    std::vector<uint8_t> first;
    uint64_t q = looped.firstPass(first);
    if (q == LoopedBits::kNoBits) return {};
    // The revolution is the nibbles that start from the first one after the loop point on, as a
    // drive that has been reading for a while sees them. Read again from there, they agree with
    // the first pass from the first nibble that starts where one of the first pass started: the
    // starts of the two passes are walked side by side until they meet.
    uint64_t end = q;
    std::vector<uint8_t> out;
    out.reserve(first.size() + 16);
    uint64_t firstStart = looped.nextStart(0);
    size_t k = 0; // the first pass's nibble that starts at firstStart
    for (q = looped.nextStart(end - bitCount); q < end; q = looped.after(q)) {
        for (; firstStart < q && k < first.size(); ++k) firstStart = looped.after(firstStart);
        if (firstStart == q && k < first.size()) {
            out.insert(out.end(), first.begin() + std::ptrdiff_t(k), first.end());
            break;
        }
        out.push_back(looped.nibbleAt(q));
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
    out.checksumMismatch =
        stored != 0 && stored != libdeflate_crc32(0, file.data() + kHeaderSize,
                                                  file.size() - kHeaderSize);
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
