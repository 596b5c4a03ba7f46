#include "nibble/woz_reader.h"

#include <algorithm>
#include <array>
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
// Bits read before the revolution so that the register is in step when bit 0 comes.
constexpr uint32_t kWarmUpBits = 512;

struct Chunk {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

struct Chunks {
    Chunk info, tmap, trks, flux;
};

// The register after four more bits, and the nibble handed over on the way (0 for none): a
// nibble is complete when its top bit is set, and zero bits before a nibble are dropped.
// Four bits hand over at most one nibble, since a new one needs eight.
constexpr std::array<uint16_t, 128 * 16> makeLatchTable() {
    std::array<uint16_t, 128 * 16> table{};
    for (unsigned r = 0; r < 128; ++r) {
        for (unsigned b = 0; b < 16; ++b) {
            unsigned reg = r, out = 0;
            for (int bit = 3; bit >= 0; --bit) {
                reg = (reg << 1) | ((b >> bit) & 1);
                if (reg & 0x80) {
                    out = reg;
                    reg = 0;
                }
            }
            table[r * 16 + b] = uint16_t((out << 8) | reg);
        }
    }
    return table;
}
constexpr std::array<uint16_t, 128 * 16> kLatch = makeLatchTable();

unsigned bitAt(Bytes bits, uint32_t i) {
    return (bits[i >> 3] >> (7 - (i & 7))) & 1;
}

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
// straddle the loop point), padded with self-sync bytes or cut to the track's size.
void placeTrack(std::vector<uint8_t> rev, uint8_t* track) {
    std::vector<uint8_t> looped(rev);
    looped.insert(looped.end(), rev.begin(), rev.begin() + std::min<size_t>(rev.size(), 12));
    for (size_t p = 0; p < rev.size(); ++p) {
        if (addressFieldAt(Bytes(looped), p)) {
            std::rotate(rev.begin(), rev.begin() + std::ptrdiff_t(p), rev.end());
            break;
        }
    }
    rev.resize(kNibbleTrackSize, 0xFF);
    std::memcpy(track, rev.data(), kNibbleTrackSize);
}

uint32_t trackCount(const Chunk& tmap) {
    uint32_t count = kLeastTracks;
    for (uint32_t t = 0; t < kWholeTracks; ++t)
        if (tmap.data[4 * t] != kNoTrack) count = std::max(count, t + 1);
    return count;
}

} // namespace

std::vector<uint8_t> latchRevolution(Bytes bits, uint32_t bitCount) {
    std::vector<uint8_t> out;
    if (bitCount == 0 || (uint64_t(bitCount) + 7) / 8 > bits.size()) return out;
    out.reserve(bitCount / 8 + 1);
    unsigned reg = 0;
    auto step = [&](unsigned bit, bool keep) {
        reg = (reg << 1) | bit;
        if (reg & 0x80) {
            if (keep) out.push_back(uint8_t(reg));
            reg = 0;
        }
    };
    for (uint32_t i = bitCount - std::min(bitCount, kWarmUpBits); i < bitCount; ++i)
        step(bitAt(bits, i), false);
    uint32_t whole = bitCount / 8;
    for (uint32_t i = 0; i < whole; ++i) {
        for (unsigned half : {unsigned(bits[i] >> 4), unsigned(bits[i] & 15)}) {
            uint16_t next = kLatch[reg * 16 + half];
            if (next >> 8) out.push_back(uint8_t(next >> 8));
            reg = next & 0x7F;
        }
    }
    for (uint32_t i = whole * 8; i < bitCount; ++i) step(bitAt(bits, i), true);
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
        stored != 0 && stored != crc32(0, file.data() + kHeaderSize, uInt(file.size() - kHeaderSize));
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
