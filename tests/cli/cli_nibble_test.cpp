// larkspoon-cli on nibble images: the decoder's counts, convert, and the FDI check.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "nibble_builder.h"
#include "prodos_builder.h"
#include "sample_disks.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

TEST(Cli, NibbleImagesTellTheirCountsAndConvert) {
    TempFolder dir;
    std::vector<uint8_t> dos = dosDisk();
    std::vector<uint8_t> nibbles = nibbleImage(Bytes(dos), SectorTable::Dos);
    std::string nib = dir.write("disk.nib", nibbles);
    CliResult info = runCli({"info", nib});
    EXPECT_NE(info.out.find("address fields: 560\ndata fields: 560\nbytes written: "
                            "143360\nbad nibbles: 0\nerror bits: $00\n"),
              std::string::npos)
        << info.out;
    EXPECT_EQ(runCli({"convert", nib, dir.file("out.PO")}).status, 0);
    EXPECT_EQ(dir.readBytes("out.PO"), swapSectorOrder(dos));
    // A doubtful disk is converted only when forced; the question is printed otherwise.
    nibbles[addressFieldOf(34, 0) + kDataFieldFrom + 9] = 0xA8;
    std::string bad = dir.write("bad.nib", nibbles);
    CliResult refused = runCli({"convert", bad, dir.file("bad.do")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.ends_with("Try to display it anyway? (answered No)\n"));
    EXPECT_FALSE(dir.exists("bad.do"));
    EXPECT_EQ(runCli({"convert", "--force", bad, dir.file("bad.do")}).status, 0);
    CliResult fdi = runCli({"info", dir.write("disk.fdi", dos)});
    EXPECT_EQ(fdi.status, 1);
    EXPECT_EQ(fdi.err, "Not a real FDI!\n");
}

} // namespace
} // namespace lk::test
