#include "nibble/woz_reader.h"

#include <algorithm>
#include <array>
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

// A word whose bytes lie in the machine's order turned so that the first byte is on top, and
// back again: bits are stored most significant first.
uint64_t firstByteOnTop(uint64_t w) {
    if constexpr (std::endian::native == std::endian::little) {
        w = ((w & 0x00FF00FF00FF00FFull) << 8) | ((w >> 8) & 0x00FF00FF00FF00FFull);
        w = ((w & 0x0000FFFF0000FFFFull) << 16) | ((w >> 16) & 0x0000FFFF0000FFFFull);
        w = (w << 32) | (w >> 32);
    }
    return w;
}

// The eight bytes at p as one word, the first on top.
uint64_t bigEndianWord(const uint8_t* p) {
    uint64_t w = 0;
    std::memcpy(&w, p, 8);
    return firstByteOnTop(w);
}

// A word stored at p, its top byte first.
void storeBigEndian(uint64_t w, uint8_t* p) {
    w = firstByteOnTop(w);
    std::memcpy(p, &w, 8);
}

// Sixty-four bits from bit q of `bytes` (stored most significant first), bit q on top; the nine
// bytes from q / 8 on must be there.
uint64_t sixtyFourBits(const uint8_t* bytes, uint64_t q) {
    const uint8_t* p = bytes + (q >> 3);
    unsigned shift = unsigned(q & 7);
    return (bigEndianWord(p) << shift) | (p[8] >> (8 - shift));
}

// Runs of nibbles that the bits can show at once, for the two kinds most of a track is made of:
// eight nibbles of eight bits (data), and six self-sync bytes of ten bits. Each nibble starts
// with a 1 and is followed by as many zeros as the run's length leaves.
struct Run {
    unsigned bits = 0, count = 0;
    uint64_t starts = 0, zeros = 0; // the bits that must be 1, and those that must be 0

    constexpr Run(unsigned nibbleBits, unsigned nibbles) : bits(nibbleBits), count(nibbles) {
        for (unsigned k = 0; k < count; ++k) {
            starts |= uint64_t(1) << (63 - k * bits);
            for (unsigned z = 8; z < bits; ++z) zeros |= uint64_t(1) << (63 - k * bits - z);
        }
    }
    constexpr unsigned span() const { return bits * count; }
    constexpr bool matches(uint64_t w) const { return (w & (starts | zeros)) == starts; }
    constexpr void copy(uint64_t w, uint8_t* out) const {
        for (unsigned k = 0; k < count; ++k) out[k] = uint8_t(w >> (56 - k * bits));
    }
};

constexpr Run kDataRun(8, 8);
constexpr Run kSyncRun(10, 6);

// The nibble of each byte of `w` starts with a 1 bit.
constexpr bool allNibbles(uint64_t w) {
    return (w & kDataRun.starts) == kDataRun.starts;
}

// Up to `words` runs of eight eight-bit nibbles from the bytes at p, starting `kShift` bits into
// the first; how many were taken. Every run takes 64 bits, so all of them lie as far into a byte
// as the first: each is a word of the bytes shifted by the same amount, topped up from the word
// after it, which is loaded only once. Two runs share one test of their nibbles' first bits;
// where the pair fails, the runs are taken one at a time to the first that fails.
template <unsigned kShift> size_t dataWords(const uint8_t* p, size_t words, uint8_t* out) {
    auto run = [p](size_t k) {
        uint64_t w = bigEndianWord(p + 8 * k);
        if constexpr (kShift == 0)
            return w;
        else
            return (w << kShift) | (bigEndianWord(p + 8 * k + 8) >> (64 - kShift));
    };
    size_t k = 0;
    for (; k + 2 <= words; k += 2) {
        uint64_t a = run(k), b = run(k + 1);
        if (!allNibbles(a & b)) break;
        storeBigEndian(a, out + 8 * k);
        storeBigEndian(b, out + 8 * k + 8);
    }
    for (; k < words; ++k) {
        uint64_t a = run(k);
        if (!allNibbles(a)) break;
        storeBigEndian(a, out + 8 * k);
    }
    return k;
}

using DataWords = size_t (*)(const uint8_t*, size_t, uint8_t*);
constexpr DataWords kDataWords[8] = {dataWords<0>, dataWords<1>, dataWords<2>, dataWords<3>,
                                     dataWords<4>, dataWords<5>, dataWords<6>, dataWords<7>};

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

    // One step of the controller, searching from q: the nibbles that start among the 64 bits
    // there and before `stop`. Moves q on past them and returns where they start (bit 63 for
    // q itself). Runs of data and of self-sync bytes move q on by a fixed number of bits, so
    // the next bits are fetched while the run is tested.
    uint64_t step(uint64_t& q, uint64_t stop, uint8_t* nibbles, size_t& count) const {
        uint64_t w = bitsAt(q);
        if (takeRun(kDataRun, w, q, stop, nibbles, count)) return kDataRun.starts;
        if (w >> 63 == 0) { // no nibble starts here: on to the next 1 bit
            q += w ? uint64_t(std::countl_zero(w)) : 64;
            return 0;
        }
        if (takeRun(kSyncRun, w, q, stop, nibbles, count)) return kSyncRun.starts;
        return latchFew(w, q, stop, nibbles, count);
    }

    // The data field's eight-bit nibbles from q on, eight at a time, for as long as each eight
    // starts with a 1 bit and they all lie before `stop` and away from the loop point.
    void takeDataRuns(uint64_t& q, uint64_t stop, uint8_t* nibbles, size_t& count) const {
        uint64_t limit =
            std::min<uint64_t>(stop, bitCount_ >= kWordPair ? bitCount_ - kWordPair + 64 : 0);
        if (q + 64 > limit) return;
        size_t words = size_t((limit - q) / 64);
        size_t taken = kDataWords[q & 7](bits_ + (q >> 3), words, nibbles + count);
        count += 8 * taken;
        q += 64 * taken;
    }

  private:
    // Two words of the track's bytes, read from q and then q + 64, stay within its bits from q
    // this far from its end.
    static constexpr uint32_t kWordPair = 128;
    // Reads of 64 bits that start this close to the loop point need bits past it.
    static constexpr uint32_t kDirectMargin = 72;
    static constexpr uint32_t kLeastForSeam = 512;

    // Takes the run when the bits `w` read at q hold it wholly before `stop`.
    static bool takeRun(const Run& run, uint64_t w, uint64_t& q, uint64_t stop, uint8_t* nibbles,
                        size_t& count) {
        if (!run.matches(w) || q + run.span() > stop) return false;
        run.copy(w, nibbles + count);
        count += run.count;
        q += run.span();
        return true;
    }

    // The nibbles among the 64 bits `w` read at q, the first at its top bit, one by one as long
    // as each lies wholly among them and starts before `stop`. The zeros before a nibble are
    // mostly none (data) or two (self-sync bytes); testing for those first lets the processor
    // run ahead of the count.
    static uint64_t latchFew(uint64_t w, uint64_t& q, uint64_t stop, uint8_t* nibbles,
                             size_t& count) {
        uint64_t starts = 0;
        unsigned used = 0; // bits before the nibble on top of w
        for (;;) {
            nibbles[count++] = uint8_t(w >> 56);
            starts |= uint64_t(1) << (63 - used);
            uint64_t rest = w << 8;
            unsigned zeros = rest >> 63        ? 0
                             : rest >> 61 == 1 ? 2
                             : rest            ? unsigned(std::countl_zero(rest))
                                               : 64;
            unsigned next = used + 8 + zeros;
            if (next + 8 > 64 || q + next >= stop) break;
            w = rest << zeros;
            used = next;
        }
        q += used + 8;
        return starts;
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

// Where the nibbles of the first pass start in the first kBits bits of the track: one bit for each
// bit, most significant first, as the steps of the latch give them (q only grows). A register
// out of step falls into step at the first self-sync gap, well within a sector: the second pass
// meets the first among these starts. The word being filled and the one after it are kept
// aside, so that a step does not wait for the one before to be stored.
class FirstStarts {
  public:
    static constexpr uint64_t kBits = 8192; // about two and a half sectors

    void keep(uint64_t starts, uint64_t q) {
        for (size_t word = size_t(q >> 6); filling_ < word; next_ = 0) {
            words_[filling_++] = current_;
            current_ = next_;
        }
        unsigned shift = unsigned(q & 63);
        current_ |= starts >> shift;
        if (shift != 0) next_ |= starts << (64 - shift);
    }

    void finish() {
        words_[filling_] = current_;
        words_[filling_ + 1] = next_;
    }

    // The 64 bits from q on, bit q on top.
    uint64_t at(uint64_t q) const {
        size_t word = size_t(q >> 6);
        unsigned shift = unsigned(q & 63);
        if (word + 1 >= kWords) return 0;
        if (shift == 0) return words_[word];
        return (words_[word] << shift) | (words_[word + 1] >> (64 - shift));
    }

    // How many nibbles start before q.
    size_t countBefore(uint64_t q) const {
        size_t n = 0;
        for (size_t i = 0; i < q >> 6; ++i) n += size_t(std::popcount(words_[i]));
        if (q & 63) n += size_t(std::popcount(words_[q >> 6] >> (64 - (q & 63))));
        return n;
    }

  private:
    static constexpr size_t kWords = kBits / 64 + 3; // a step may start just below kBits
    std::array<uint64_t, kWords> words_{};
    size_t filling_ = 0;
    uint64_t current_ = 0, next_ = 0;
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

// Where the first address field of a revolution starts, reading on past its end into its start
// (a field may straddle the loop point); 0 when there is none before `size`.
size_t revolutionStart(Bytes rev, size_t size) {
    for (size_t p = 0; p < size && p + 13 <= rev.size(); ++p)
        if (addressFieldAt(rev, p)) return p;
    uint8_t seam[24]; // the last nibbles, then the first ones again
    size_t before = std::min<size_t>(rev.size(), 12), after = std::min<size_t>(size, 12);
    size_t from = rev.size() - before;
    std::memcpy(seam, rev.data() + from, before);
    std::memcpy(seam + before, rev.data(), after);
    for (size_t p = from; p < size; ++p)
        if (addressFieldAt(Bytes(seam, before + after), p - from)) return p;
    return 0;
}

// One revolution as a nibble track that starts at its first address field, padded with
// self-sync bytes or cut to the track's size, added to the end of `tracks`. A track without a
// nibble reads as zero.
void appendTrack(Bytes rev, std::vector<uint8_t>& tracks) {
    size_t end = tracks.size() + kNibbleTrackSize;
    if (rev.empty()) {
        tracks.resize(end, 0);
        return;
    }
    size_t size = std::min<size_t>(rev.size(), kNibbleTrackSize);
    size_t turn = revolutionStart(rev, size);
    tracks.insert(tracks.end(), rev.begin() + std::ptrdiff_t(turn),
                  rev.begin() + std::ptrdiff_t(size));
    tracks.insert(tracks.end(), rev.begin(), rev.begin() + std::ptrdiff_t(turn));
    tracks.resize(end, 0xFF);
}

uint32_t trackCount(const Chunk& tmap) {
    uint32_t count = kLeastTracks;
    for (uint32_t t = 0; t < kWholeTracks; ++t)
        if (tmap.data[4 * t] != kNoTrack) count = std::max(count, t + 1);
    return count;
}

// Buffers for the latch, kept from one track to the next so that a disk's tracks share them.
struct LatchBuffers {
    std::vector<uint8_t> first, again;
};

// Grows `buffer` to hold `size` bytes, keeping what it holds.
std::vector<uint8_t>& atLeast(std::vector<uint8_t>& buffer, size_t size) {
    if (buffer.size() < size) buffer.resize(size);
    return buffer;
}

// The revolution latched from the bits, kept in `buffers` (valid until they latch again).
Bytes latchInto(Bytes bits, uint32_t bitCount, LatchBuffers& buffers) {
    if (bitCount == 0 || (uint64_t(bitCount) + 7) / 8 > bits.size()) return Bytes();
    LoopedBits looped(bits, bitCount);
    size_t room = bitCount / 8 + 16; // nibbles start at least 8 bits apart; a step writes 8
    // The first pass reads every nibble that starts before the loop point, from bit 0 with an
    // empty register; a self-sync gap brings it into step if it was not, and by the loop point
    // it is.
    std::vector<uint8_t>& first = atLeast(buffers.first, room);
    FirstStarts firstStarts;
    size_t count = 0;
    uint64_t q = 0;
    // Most of a track is data fields: once a step has found eight data nibbles, the rest of the
    // field is taken whole.
    while (q < bitCount && q < FirstStarts::kBits) {
        uint64_t at = q;
        uint64_t starts = looped.step(q, bitCount, first.data(), count);
        firstStarts.keep(starts, at);
        if (starts != kDataRun.starts) continue;
        uint64_t from = q;
        looped.takeDataRuns(q, std::min<uint64_t>(bitCount, FirstStarts::kBits), first.data(),
                            count);
        for (; from < q; from += 64) firstStarts.keep(kDataRun.starts, from);
    }
    firstStarts.finish();
    while (q < bitCount)
        if (looped.step(q, bitCount, first.data(), count) == kDataRun.starts)
            looped.takeDataRuns(q, bitCount, first.data(), count);
    size_t firstCount = count;
    uint64_t end = looped.nextStart(q);
    if (end == LoopedBits::kNoBits) return Bytes();
    // The revolution is the nibbles that start from the first one after the loop point on, as a
    // drive that has been reading for a while sees them. Read again from there, they agree with
    // the first pass from the first nibble that starts where one of the first pass started.
    std::vector<uint8_t>& out = atLeast(buffers.again, room);
    count = 0;
    for (q = end - bitCount; q < end;) {
        uint64_t at = q;
        size_t before = count;
        uint64_t starts = looped.step(q, end, out.data(), count);
        if (uint64_t common = starts & firstStarts.at(at)) {
            int skip = std::countl_zero(common); // the first pass joins at + skip
            count = before + (skip ? size_t(std::popcount(starts >> (64 - skip))) : 0);
            size_t from = firstStarts.countBefore(at + uint64_t(skip));
            Bytes rest(first.data() + from, firstCount - from);
            if (count == 0) return rest; // most often: in step from the start
            atLeast(out, count + rest.size());
            std::memcpy(out.data() + count, rest.data(), rest.size());
            return Bytes(out.data(), count + rest.size());
        }
    }
    return Bytes(out.data(), count);
}

} // namespace

std::vector<uint8_t> latchRevolution(Bytes bits, uint32_t bitCount) {
    LatchBuffers buffers;
    Bytes rev = latchInto(bits, bitCount, buffers);
    return std::vector<uint8_t>(rev.begin(), rev.end());
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
    out.checksumMismatch = stored != 0 && stored != libdeflate_crc32(0, file.data() + kHeaderSize,
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
    out.nibbles.reserve(size_t(tracks) * kNibbleTrackSize);
    LatchBuffers buffers;
    for (uint32_t t = 0; t < tracks; ++t) {
        uint8_t index = chunks.tmap.data[4 * t];
        Bytes bits;
        uint32_t bitCount = 0;
        if (index != kNoTrack && !trackBits(file, chunks.trks, woz1, index, bits, bitCount)) {
            out.problem = WozProblem::Damaged;
            out.nibbles.clear();
            return out;
        }
        appendTrack(latchInto(bits, bitCount, buffers), out.nibbles);
    }
    return out;
}

} // namespace lk
