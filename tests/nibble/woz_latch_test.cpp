// Latching WOZ bits into nibbles, against the disk controller's rule applied a bit at a time.
#include <gtest/gtest.h>

#include <random>

#include "image/disk_image.h"
#include "nibble/woz_reader.h"
#include "nibble_builder.h"
#include "prodos_builder.h" // patternBytes

namespace lk::test {
namespace {

// The register takes one bit after another, reading on past the loop point, and hands over a
// byte once its top bit is set. The revolution is what it hands over from the first nibble
// that starts after the loop point, for one turn of the disk.
std::vector<uint8_t> latchedBitByBit(const std::vector<uint8_t>& bits, uint32_t bitCount) {
    std::vector<uint8_t> out;
    uint64_t first = 0; // where the revolution starts, once known
    unsigned reg = 0;
    for (uint64_t i = 0; i < 3 * uint64_t(bitCount) + 16; ++i) {
        uint64_t b = i % bitCount;
        reg = (reg << 1) | ((bits[b / 8] >> (7 - b % 8)) & 1);
        if (!(reg & 0x80)) continue;
        uint64_t start = i - 7;
        if (start >= bitCount && first == 0) first = start;
        if (first != 0 && start < first + bitCount) out.push_back(uint8_t(reg));
        reg = 0;
    }
    return out;
}

// Sound tracks of eight- and ten-bit nibbles (a WOZ image's first track), random bits dense and
// sparse, tracks of a few bits, lengths that put the loop point anywhere in a byte, and ones
// only (the register never falls into step with the first pass).
TEST(WozLatch, HandsOverWhatTheControllerDoes) {
    std::vector<uint8_t> sectors = patternBytes(kTrackSize, 7);
    std::vector<uint8_t> woz = wozImage(Bytes(nibbleImage(Bytes(sectors), SectorTable::Dos)));
    const uint8_t* entry = woz.data() + 256;
    std::vector<uint8_t> sound(woz.begin() + le16(entry) * 512, woz.end());
    std::mt19937 random(12);
    struct Case {
        const char* name;
        uint32_t bitCount;
        int onesIn;        // a bit is 1 once in this many (0: the sound track)
        uint32_t turn = 0; // the sound track read from this bit on: its fields at odd bits
    } cases[] = {
        {"sound track", le32(entry + 4), 0},
        {"sound track, turned", le32(entry + 4), 0, 3},
        {"random", 51203, 2},
        {"random, whole bytes", 51200, 3},
        {"sparse", 50001, 40},
        {"short", 600, 2},
        {"shorter", 300, 5},
        {"read bit by bit", 73, 2},
        {"read bit by bit, whole bytes", 72, 3},
        {"a few bits", 9, 2},
        {"one bit", 1, 1},
        {"ones only", 3001, 1},
        {"one 1 bit or so", 5000, 5000},
        {"zeros only", 4096, 0x7FFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bits = sound;
        if (c.onesIn != 0) {
            bits.assign((c.bitCount + 7) / 8, 0);
            for (size_t i = 0; i < bits.size() * 8; ++i) // bits past the count must not count
                if (random() % uint32_t(c.onesIn) == 0) bits[i / 8] |= uint8_t(0x80 >> i % 8);
        }
        if (c.turn != 0) {
            std::vector<uint8_t> turned(bits.size(), 0);
            for (uint32_t i = 0; i < c.bitCount; ++i) {
                uint32_t from = (i + c.turn) % c.bitCount;
                if ((bits[from / 8] >> (7 - from % 8)) & 1) turned[i / 8] |= uint8_t(0x80 >> i % 8);
            }
            bits = turned;
        }
        EXPECT_EQ(latchRevolution(Bytes(bits), c.bitCount), latchedBitByBit(bits, c.bitCount));
    }
}

} // namespace
} // namespace lk::test
