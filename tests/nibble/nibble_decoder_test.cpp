// The nibble decoder and the TrackStar converter over tracks written by the test encoder.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "image/disk_image.h"
#include "nibble/gcr_decoder.h"
#include "nibble/trackstar.h"
#include "nibble_builder.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

// The sectors come back in DOS 3.3 order through one table and, the same physical sectors, in
// ProDOS order through the other.
TEST(NibbleDecoder, GivesBackTheSectorsTheEncoderWrote) {
    for (size_t tracks : {35u, 40u}) {
        std::vector<uint8_t> sectors = patternBytes(tracks * kTrackSize, 7);
        std::vector<uint8_t> nibbles = nibbleImage(Bytes(sectors), SectorTable::Dos);
        DecodedNibbles d = decodeNibbles(Bytes(nibbles), SectorTable::Dos, false);
        EXPECT_EQ(d.result, int32_t(tracks * kTrackSize));
        EXPECT_EQ(d.sectors, sectors);
        EXPECT_EQ(d.counts.addressFields, int32_t(tracks * 16));
        EXPECT_EQ(d.counts.bytesWritten, int32_t(tracks * kTrackSize));
        EXPECT_TRUE(d.counts.standard());
        EXPECT_EQ(decodeNibbles(Bytes(nibbles), SectorTable::Prodos, false).sectors,
                  swapSectorOrder(sectors));
    }
}

// Each case changes the nibbles of a sound disk. A sector that cannot be placed, or whose data
// never comes, places nothing: the next sector's data must not land in its place.
TEST(NibbleDecoder, NoticesDamage) {
    std::vector<uint8_t> sectors = patternBytes(35 * kTrackSize, 7);
    const std::vector<uint8_t> sound = nibbleImage(Bytes(sectors), SectorTable::Dos);
    const size_t field = addressFieldOf(5, 4), data = field + kDataFieldFrom; // DOS sector 13
    auto put = [](std::vector<uint8_t>& n, size_t at, const std::vector<uint8_t>& bytes) {
        std::copy(bytes.begin(), bytes.end(), n.begin() + long(at));
    };
    struct Case {
        const char* name;
        std::function<void(std::vector<uint8_t>&)> damage;
        int32_t result, dataFields, badNibbles;
        bool sectorLost;
    } cases[] = {
        {"one byte short", [](auto& n) { n.pop_back(); }, kNotWholeTracks, 0, 0, false},
        {"AA in a data field", [&](auto& n) { n[data + 100] = 0xAA; }, -0x80, 560, 0, false},
        {"a nibble outside the code", [&](auto& n) { n[data + 100] = 0xA8; }, 143360, 560, 1,
         false},
        {"track 40 of 35",
         [&](auto& n) { put(n, addressFieldOf(34, 0), addressField(254, 40, 0)); }, -0x40, 560, 0,
         false},
        {"sector 20", [&](auto& n) { put(n, field, addressField(254, 5, 20)); }, 143360, 559, 0,
         true},
        {"no data field", [&](auto& n) { std::fill_n(n.begin() + long(data), 349, 0xFF); }, 143360,
         559, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> nibbles = sound;
        c.damage(nibbles);
        DecodedNibbles d = decodeNibbles(Bytes(nibbles), SectorTable::Dos, false);
        EXPECT_EQ(d.result, c.result);
        EXPECT_EQ(d.counts.addressFields, c.result == kNotWholeTracks ? 0 : 560);
        EXPECT_EQ(d.counts.dataFields, c.dataFields);
        EXPECT_EQ(d.counts.badNibbles, c.badNibbles);
        EXPECT_EQ(d.counts.standard(), c.result == kNotWholeTracks);
        if (!c.sectorLost) continue;
        std::vector<uint8_t> expected = sectors;
        std::fill_n(expected.begin() + 5 * 4096 + 13 * 256, 256, 0);
        EXPECT_EQ(d.sectors, expected);
    }
}

// TrackStar tracks hold their nibbles backwards; converted, they decode in ProDOS order.
TEST(TrackStar, ConvertsTracksThatDecodeInProdosOrder) {
    std::vector<uint8_t> sectors = patternBytes(35 * kTrackSize, 7);
    std::vector<uint8_t> app =
        trackStarImage(Bytes(nibbleImage(Bytes(sectors), SectorTable::Prodos)));
    std::vector<uint8_t> nibbles;
    ASSERT_EQ(convertTrackStar(Bytes(app), nibbles), int32_t(app.size()));
    EXPECT_TRUE(addressFieldAt(Bytes(nibbles), 0)); // turned to its first address field
    EXPECT_EQ(nibbles[kTrackContent], 0x96);        // then the filler
    EXPECT_EQ(decodeNibbles(Bytes(nibbles), SectorTable::Prodos, false).sectors, sectors);
    app.push_back(0);
    EXPECT_EQ(convertTrackStar(Bytes(app), nibbles), -4);

    // A count above 6524 reads 6524 nibbles; no count reads the high-bit bytes backwards.
    std::vector<uint8_t> track(kNibbleTrackSize);
    for (size_t j = 0; j < kNibbleTrackSize; ++j) track[j] = uint8_t(0x80 | (j & 0x7F));
    putLe16(track.data() + 0x19FE, 7000);
    convertTrackStar(Bytes(track), nibbles);
    EXPECT_EQ(nibbles[0], track[6652]);
    EXPECT_EQ(nibbles[6523], track[129]);
    EXPECT_EQ(nibbles[6524], 0x96);
    putLe16(track.data() + 0x19FE, 0);
    track[6000] = 0x12;
    convertTrackStar(Bytes(track), nibbles);
    EXPECT_EQ(nibbles[0], track[6653]);
    EXPECT_EQ(nibbles[652], track[6001]);
    EXPECT_EQ(nibbles[653], 0x96);
}

} // namespace
} // namespace lk::test
