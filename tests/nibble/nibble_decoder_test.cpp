// The nibble decoder and the TrackStar converter over tracks written by the test encoder.
#include <gtest/gtest.h>

#include "image/disk_image.h"
#include "nibble/gcr_decoder.h"
#include "nibble/trackstar.h"
#include "nibble_builder.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

std::vector<uint8_t> sectorsOf(size_t tracks, uint8_t seed = 7) {
    return patternBytes(tracks * kTrackSize, seed);
}

void expectSound(const DecodedNibbles& d, int32_t sectors) {
    EXPECT_EQ(d.counts.addressFields, sectors);
    EXPECT_EQ(d.counts.dataFields, sectors);
    EXPECT_EQ(d.counts.bytesWritten, sectors * 256);
    EXPECT_EQ(d.counts.badNibbles, 0);
    EXPECT_EQ(d.counts.errorBits, 0u);
    EXPECT_TRUE(d.counts.standard());
}

TEST(NibbleDecoder, GivesBackTheSectorsTheEncoderWrote) {
    for (size_t tracks : {35u, 40u}) {
        for (SectorTable table : {SectorTable::Dos, SectorTable::Prodos}) {
            SCOPED_TRACE(tracks);
            std::vector<uint8_t> sectors = sectorsOf(tracks);
            DecodedNibbles d = decodeNibbles(Bytes(nibbleImage(Bytes(sectors), table)), table, false);
            EXPECT_EQ(d.result, int32_t(tracks * kTrackSize));
            EXPECT_EQ(d.sectors, sectors);
            expectSound(d, int32_t(tracks * 16));
        }
    }
}

// The same physical sectors land in DOS 3.3 order through one table and in ProDOS order through
// the other: the two results differ exactly by the image's sector reordering.
TEST(NibbleDecoder, TheTwoSectorTablesDifferByTheReordering) {
    std::vector<uint8_t> nibbles = nibbleImage(Bytes(sectorsOf(35)), SectorTable::Dos);
    DecodedNibbles dos = decodeNibbles(Bytes(nibbles), SectorTable::Dos, false);
    DecodedNibbles prodos = decodeNibbles(Bytes(nibbles), SectorTable::Prodos, false);
    EXPECT_NE(dos.sectors, prodos.sectors);
    EXPECT_EQ(swapSectorOrder(dos.sectors), prodos.sectors);
}

TEST(NibbleDecoder, ReportsEveryAddressField) {
    std::vector<uint8_t> nibbles = nibbleImage(Bytes(sectorsOf(1)), SectorTable::Dos, 200);
    DecodedNibbles d = decodeNibbles(Bytes(nibbles), SectorTable::Dos, true);
    // Physical sector 1 is DOS sector 7; the track starts at its first address field.
    EXPECT_EQ(d.report.substr(0, d.report.find('\n', d.report.find('\n') + 1) + 1),
              "1\tPosition: $000000\tTrack: 0\tSector: 0\tVolume: 200\tChecksum: 200\n"
              "2\tPosition: $00018C\tTrack: 0\tSector: 7\tVolume: 200\tChecksum: 201\n");
    EXPECT_EQ(std::count(d.report.begin(), d.report.end(), '\n'), 16);
}

// Damage the decoder must notice: each case changes the nibbles of a sound 35-track image.
TEST(NibbleDecoder, NoticesDamage) {
    std::vector<uint8_t> sectors = sectorsOf(35);
    std::vector<uint8_t> sound = nibbleImage(Bytes(sectors), SectorTable::Dos);
    struct Case {
        const char* name;
        void (*damage)(std::vector<uint8_t>&);
        int32_t result;
        int32_t addressFields, dataFields, badNibbles;
    } cases[] = {
        {"a track's length one byte short", [](auto& n) { n.pop_back(); }, kNotWholeTracks, 0, 0, 0},
        {"AA inside a data field",
         [](auto& n) { n[addressFieldOf(3, 2) + kDataFieldFrom + 100] = 0xAA; }, -0x80, 560, 560, 0},
        {"a nibble outside the code",
         [](auto& n) { n[addressFieldOf(3, 2) + kDataFieldFrom + 100] = 0xA8; }, 143360, 560, 560, 1},
        {"track 40 named on a 35-track disk",
         [](auto& n) {
             std::vector<uint8_t> f = addressField(254, 40, 0);
             std::copy(f.begin(), f.end(), n.begin() + long(addressFieldOf(34, 0)));
         },
         -0x40, 560, 560, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> nibbles = sound;
        c.damage(nibbles);
        DecodedNibbles d = decodeNibbles(Bytes(nibbles), SectorTable::Dos, false);
        EXPECT_EQ(d.result, c.result);
        EXPECT_EQ(d.counts.addressFields, c.addressFields);
        EXPECT_EQ(d.counts.dataFields, c.dataFields);
        EXPECT_EQ(d.counts.badNibbles, c.badNibbles);
    }
}

// An address field that cannot place its data, or whose data never comes, must not let the
// next sector's data land in a wrong place, and the counts must tell that something is wrong.
TEST(NibbleDecoder, ASectorWithoutAPlaceOrWithoutDataPlacesNothing) {
    std::vector<uint8_t> sectors = sectorsOf(35);
    for (bool noData : {false, true}) {
        SCOPED_TRACE(noData ? "address field without data" : "sector number 20");
        std::vector<uint8_t> nibbles = nibbleImage(Bytes(sectors), SectorTable::Dos);
        size_t field = addressFieldOf(5, 4); // DOS sector 13 of track 5
        if (noData) {
            std::fill_n(nibbles.begin() + long(field + kDataFieldFrom), 349, 0xFF);
        } else {
            std::vector<uint8_t> f = addressField(254, 5, 20);
            std::copy(f.begin(), f.end(), nibbles.begin() + long(field));
        }
        DecodedNibbles d = decodeNibbles(Bytes(nibbles), SectorTable::Dos, false);
        EXPECT_EQ(d.counts.addressFields, 560);
        EXPECT_EQ(d.counts.dataFields, 559);
        EXPECT_FALSE(d.counts.standard());
        std::vector<uint8_t> expected = sectors;
        std::fill_n(expected.begin() + 5 * 4096 + 13 * 256, 256, 0);
        EXPECT_EQ(d.sectors, expected);
    }
}

// TrackStar tracks hold their nibbles backwards; the converter lays them out as raw tracks that
// decode to the same sectors in ProDOS order.
TEST(TrackStar, ConvertsTracksThatDecodeInProdosOrder) {
    std::vector<uint8_t> sectors = sectorsOf(35);
    std::vector<uint8_t> app = trackStarImage(Bytes(nibbleImage(Bytes(sectors), SectorTable::Prodos)));
    std::vector<uint8_t> nibbles;
    ASSERT_EQ(convertTrackStar(Bytes(app), nibbles), int32_t(app.size()));
    // Turned to its first address field; the $96 filler follows the content.
    EXPECT_TRUE(addressFieldAt(Bytes(nibbles), 0));
    EXPECT_EQ(nibbles[kTrackContent], 0x96);
    DecodedNibbles d = decodeNibbles(Bytes(nibbles), SectorTable::Prodos, false);
    EXPECT_EQ(d.sectors, sectors);
    expectSound(d, 560);

    app.push_back(0);
    EXPECT_EQ(convertTrackStar(Bytes(app), nibbles), -4);
}

TEST(TrackStar, CountsAboveTheLimitAndTracksWithoutACount) {
    std::vector<uint8_t> track(kNibbleTrackSize, 0);
    for (size_t j = 0; j < kNibbleTrackSize; ++j) track[j] = uint8_t(0x80 | (j & 0x7F));
    std::vector<uint8_t> nibbles;
    // A count of 7000 reads 6524 nibbles: offsets 6652 down to 129.
    putLe16(track.data() + 0x19FE, 7000);
    convertTrackStar(Bytes(track), nibbles);
    EXPECT_EQ(nibbles[0], track[6652]);
    EXPECT_EQ(nibbles[6523], track[129]);
    EXPECT_EQ(nibbles[6524], 0x96);
    // No count: the high-bit bytes from 6653 backwards, up to the first without it.
    putLe16(track.data() + 0x19FE, 0);
    track[6000] = 0x12;
    convertTrackStar(Bytes(track), nibbles);
    EXPECT_EQ(nibbles[0], track[6653]);
    EXPECT_EQ(nibbles[652], track[6001]);
    EXPECT_EQ(nibbles[653], 0x96);
}

} // namespace
} // namespace lk::test
