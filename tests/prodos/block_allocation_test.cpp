#include <gtest/gtest.h>

#include "prodos/block_allocation.h"
#include "prodos/volume_bit_map.h"
#include "write_fixture.h"

namespace lk {
namespace {

TEST(BlockAllocation, FindsTheLowestFreeBlockAndTogglesIt) {
    test::ProdosBuilder b(280);
    test::WriteFixture o(b);
    EXPECT_EQ(findFreeBlock(o.image), 7);
    EXPECT_EQ(toggleBlock(o.image, 7), 1);
    EXPECT_EQ(findFreeBlock(o.image), 8);
    EXPECT_EQ(findFreeBlock(o.image, 200), 200) << "a search may start further on";
    std::vector<uint8_t> before = o.image.buffer;
    EXPECT_EQ(toggleBlock(o.image, 0) + toggleBlock(o.image, 280), 0) << "not blocks to toggle";
    EXPECT_EQ(toggleBlock(o.image, 100) + toggleBlock(o.image, 100), 2);
    EXPECT_EQ(o.image.buffer, before);

    // Every bit clear: -7; the first set bit past the volume's end (in its last byte): -6.
    uint8_t* map = o.image.buffer.data() + 6 * 512;
    std::fill_n(map, 35, 0);
    EXPECT_EQ(findFreeBlock(o.image), kNoFreeBlock);
    putLe16(o.image.buffer.data() + 2 * 512 + 0x29, 279);
    map[34] = 0x01;
    EXPECT_EQ(findFreeBlock(o.image), kFreeBitBeyondVolume);
}

// A map or a volume size that reaches beyond the image makes the volume read-only.
TEST(BlockAllocation, AVolumeReachingBeyondItsImageCannotChange) {
    for (auto [pointer, total] : {std::pair{6, 400}, {300, 280}, {6, 0}}) {
        test::ProdosBuilder b(280);
        putLe16(b.block(2) + 0x27, uint16_t(pointer));
        putLe16(b.block(2) + 0x29, uint16_t(total));
        test::WriteFixture o(b);
        DamageReport damage;
        EXPECT_FALSE(volumeWritable(o.image, damage)) << pointer << " " << total;
        o.select("/");
        std::vector<uint8_t> before = o.image.buffer;
        EXPECT_EQ(o.create("NEW", Bytes()), kCreateDamaged);
        EXPECT_EQ(o.image.buffer, before);
    }
}

} // namespace
} // namespace lk
