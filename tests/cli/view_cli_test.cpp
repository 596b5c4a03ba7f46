#include <gtest/gtest.h>

#include "basic_builder.h"
#include "cli_runner.h"
#include "open_helpers.h"
#include "prodos/volume_bit_map.h"
#include "prodos_builder.h"
#include "translate/block_display.h"
#include "translate/hex_dump.h"

namespace lk::test {
namespace {

constexpr uint16_t kVol = ProdosBuilder::kVolumeKey;

struct ViewImage {
    std::vector<uint8_t> program = applesoftProgram({{10, {0xBA, '"', 'H', 'I', '"'}}});
    std::vector<uint8_t> rsrc = patternBytes(300, 4);
    std::vector<uint8_t> bytes;
    TempFile file;
    ViewImage() : file("view.po", build()) {}
    std::vector<uint8_t> build() {
        ProdosBuilder b(280, "VIEW");
        uint16_t dir = b.addFolder(kVol, "DIR");
        b.addFile(dir, "HELLO", 0xFC, 0x0801, Bytes(program));
        b.addExtended(kVol, "FORKED", 0xFC, 0x0801, Bytes(program), Bytes(rsrc));
        bytes = b.bytes();
        return bytes;
    }
};

TEST(CliView, ShowsWhatViewAppleFileShows) {
    ViewImage v;
    CliResult listing = runCli({"view", v.file.path, "dir/hello"});
    EXPECT_EQ(listing.status, 0) << listing.err;
    EXPECT_EQ(listing.out, "10  PRINT \"HI\"\n");
    CliResult hex = runCli({"view", "--hex", v.file.path, "/VIEW/DIR/HELLO"});
    EXPECT_EQ(hex.status, 0);
    EXPECT_EQ(hex.out, hexDump(Bytes(v.program), v.program.size(), 0, true));
    CliResult rsrc = runCli({"view", "--rsrc", v.file.path, "FORKED"});
    EXPECT_EQ(rsrc.status, 0);
    EXPECT_EQ(rsrc.out, hexDump(Bytes(v.rsrc), v.rsrc.size(), 0, true));
}

TEST(CliView, RefusalsAndTheirStatuses) {
    ViewImage v;
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* err;
    } cases[] = {
        {{"view", v.file.path}, 2, "view takes IMAGE PATH"},
        {{"view", "--bogus", v.file.path, "DIR"}, 2, "unknown option"},
        {{"view", v.file.path, "NOPE"}, 1, "No file NOPE on this volume."},
        {{"view", v.file.path, "DIR"}, 1, "DIR has nothing to show."},
        {{"view", "--rsrc", v.file.path, "DIR/HELLO"}, 1, "DIR/HELLO has no resource fork."},
        {{"block", v.file.path}, 2, "block takes IMAGE N"},
        {{"block", v.file.path, "280"},
         2,
         "Block# must be between zero & 279 ($117) for this disk.\n"},
        {{"block", v.file.path, "-1"}, 2, "Block# must be between zero & 279 ($117)"},
        {{"sector", v.file.path, "0", "0"}, 2, "a ProDOS volume has blocks: use block"},
        {{"sector", v.file.path, "0"}, 2, "sector takes IMAGE TRACK SECTOR"},
        {{"bitmap"}, 2, "bitmap takes one IMAGE"},
        {{"bitmap", "/nonexistent/x.po"}, 1, "Could not read x.po"},
    };
    for (const Case& c : cases) {
        CliResult r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(CliView, BlockAndBitmapPrintThePanesTexts) {
    ViewImage v;
    Opened o;
    openBytes(o, "view.po", v.bytes);
    for (const char* n : {"$117", "h117", "0x117", "279", "0427"}) {
        CliResult r = runCli({"block", v.file.path, n});
        EXPECT_EQ(r.status, 0) << n;
        BlockViewState s;
        s.block = 279;
        EXPECT_EQ(r.out, blockDisplay(o.image, s)) << n;
    }
    CliResult two = runCli({"block", v.file.path, "2"});
    EXPECT_EQ(two.out.substr(two.out.size() - 10), ".........."); // no line feed at the end
    EXPECT_NE(two.out.find("000   00 00 03 00 F4 56 49 45 57"), std::string::npos) << two.out;

    CliResult map = runCli({"bitmap", v.file.path});
    EXPECT_EQ(map.status, 0);
    DamageReport damage;
    EXPECT_EQ(map.out, bitMapText(o.image, damage));
    EXPECT_EQ(map.out.substr(0, 14), "Volume Bit Map");
}

TEST(CliView, BitmapBeyondTheImageIsToldOnce) {
    ProdosBuilder b(280, "CUT");
    b.block(2)[4 + 0x23] = 0x40; // bit map pointer 320, beyond the 280 blocks
    b.block(2)[4 + 0x24] = 0x01;
    TempFile f("cut.po", b.bytes());
    CliResult r = runCli({"bitmap", f.path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The volume is damaged: its bit map runs past the end of the image from "
                     "block 0 on. Only the blocks whose bits lie inside the image are shown.\n");
    EXPECT_EQ(r.out.substr(r.out.size() - 8), "0000    ");
}

} // namespace
} // namespace lk::test
