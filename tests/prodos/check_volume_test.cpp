#include <gtest/gtest.h>

#include "prodos/check_volume.h"
#include "write_fixture.h"

namespace lk {
namespace {

TEST(CheckVolume, FindsEachKindOfFault) {
    struct Case {
        void (*damage)(test::ProdosBuilder&, uint32_t a, uint32_t b);
        const char* finding;
        bool error;
    } cases[] = {
        {[](test::ProdosBuilder&, uint32_t, uint32_t) {}, "", false},
        {[](test::ProdosBuilder& b, uint32_t x, uint32_t y) {
             std::copy_n(b.bytes().data() + x + 0x11, 2, b.bytes().data() + y + 0x11);
         },
         "Block 7 belongs to /V/A and to /V/B.", true},
        {[](test::ProdosBuilder& b, uint32_t, uint32_t) { b.block(6)[1] |= 0x80; },
         "Block 8 of /V/B is marked free in the bit map.", true},
        {[](test::ProdosBuilder& b, uint32_t, uint32_t) { b.block(2)[4 + 0x21] = 3; },
         "The directory /V counts 3 files but holds 2.", true},
        {[](test::ProdosBuilder& b, uint32_t x, uint32_t) { b.bytes()[x + 0x13] = 2; },
         "/V/A uses 1 blocks but its entry says 2.", true},
        {[](test::ProdosBuilder& b, uint32_t, uint32_t) { b.block(6)[12] &= 0x3F; },
         "Blocks 96 to 97 are marked used but belong to no file.", false},
    };
    for (const Case& c : cases) {
        test::ProdosBuilder b(280, "V");
        uint32_t x = b.addFile(2, "A", 4, 0, Bytes(test::patternBytes(10)));
        uint32_t y = b.addFile(2, "B", 4, 0, Bytes(test::patternBytes(10)));
        c.damage(b, x, y);
        test::WriteFixture o(b);
        VolumeCheck check = checkVolume(o.image);
        std::string text = test::checkText(check);
        EXPECT_NE(text.find(c.finding), std::string::npos) << text;
        EXPECT_EQ(check.errorCount > 0, c.error) << text;
        EXPECT_EQ(check.sound(), *c.finding == 0) << text;
    }
}

} // namespace
} // namespace lk
