// larkspoon-cli: its arguments, exit statuses and messages, and that each verb prints what the
// core makes. What the core makes is tested with the core.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "app/block_view.h"
#include "appleworks_builder.h"
#include "base/version.h"
#include "basic_builder.h"
#include "cli_runner.h"
#include "dos33_builder.h"
#include "open_helpers.h"
#include "prodos/volume_bit_map.h"
#include "sample_disks.h"
#include "temp_folder.h"
#include "translate/applesoft.h"
#include "translate/appleworks_wp.h"
#include "translate/hex_dump.h"

namespace lk::test {
namespace {

// The sample ProDOS volume VIEWS and the sample DOS 3.3 disk, as files.
struct Images {
    TempFolder dir;
    std::string prodos = dir.write("views.po", viewsVolume());
    std::string dos = dir.write("dos.dsk", dosDisk());
};

TEST(Cli, UsageAndReadErrorsGiveTheirStatusesAndNoOutput) {
    Images m;
    std::string out = m.dir.file("out.bin");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* stderrHas;
    } cases[] = {
        {{"frobnicate"}, 2, "unknown verb"},
        {{"ls"}, 2, "ls takes one IMAGE"},
        {{"ls", "--bogus", m.prodos}, 2, "unknown option"},
        {{"get", "--fork", "both", m.prodos, "DOCS/LETTER"}, 2, "--fork"},
        {{"block", m.prodos, "280"},
         2,
         "Block# must be between zero & 279 ($117) for this disk.\n"},
        {{"block", m.dos, "0"}, 2, ""},
        {{"sector", m.prodos, "0", "0"}, 2, "a ProDOS volume has blocks: use block"},
        {{"sector", m.dos, "35", "0"}, 2, "Track number must be between zero and 34!\n"},
        {{"bitmap", m.dos}, 2, ""},
        {{"export", "--set", "NOPE=1", m.dos, "HELLO", out}, 2, "section Translate"},
        {{"export", "--set", "DOSTXT", m.dos, "HELLO", out}, 2, "KEY=VALUE"},
        {{"info", "/nonexistent/none.po"}, 1, "Could not read none.po"},
        {{"get", m.prodos, "DOCS/NOPE"}, 1, "No file DOCS/NOPE on this volume."},
        {{"view", m.prodos, "DOCS"}, 1, "DOCS has nothing to show."},
        {{"view", "--rsrc", m.prodos, "DOCS/LETTER"}, 1, "DOCS/LETTER has no resource fork."},
        {{"export", m.dos, "/DISK VOLUME 254", out}, 1, "cannot be exported"},
        {{"export", m.dos, "HELLO", "/nonexistent-dir/x"}, 1, "Could not write file"},
    };
    for (const Case& c : cases) {
        CliResult r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args.back() << ": " << r.err;
        EXPECT_NE(r.err.find(c.stderrHas), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(m.dir.exists("out.bin"));
    CliResult usage = runCli({});
    EXPECT_EQ(usage.status, 0);
    EXPECT_EQ(usage.out.rfind("usage: larkspoon-cli", 0), 0u);
}

// Every verb the overall usage lists answers --help (or -h, wherever it stands) with its own
// forms, the same words, and does nothing else; --version prints the version.
TEST(Cli, EachVerbShowsItsUsageAndTheVersionIsPrinted) {
    Images m;
    std::string usage = runCli({}).out;
    std::istringstream lines(usage);
    std::set<std::string> verbs;
    for (std::string line; std::getline(lines, line);) {
        if (line.size() < 3 || line.rfind("  ", 0) != 0 || line[2] == ' ') continue;
        std::string synopsis = line.substr(2, line.find("  ", 2) - 2);
        std::string verb = synopsis.substr(0, synopsis.find(' '));
        CliResult help = runCli({verb, "--help"});
        EXPECT_EQ(help.status, 0) << verb;
        EXPECT_NE(help.out.find("usage: larkspoon-cli " + synopsis + "\n"), std::string::npos)
            << help.out;
        verbs.insert(verb);
    }
    EXPECT_GE(verbs.size(), 17u) << usage;
    EXPECT_EQ(runCli({"convert", m.prodos, "-h", m.dir.file("out.do")}).status, 0);
    EXPECT_FALSE(m.dir.exists("out.do"));
    EXPECT_EQ(runCli({"--version"}).out, std::string(kVersion) + "\n");
}

TEST(Cli, InfoAndLsDescribeTheVolume) {
    Images m;
    EXPECT_TRUE(runCli({"info", m.prodos})
                    .out.starts_with("kind: PO\nsector order: ProDOS\nfile size: 143360\n"
                                     "data offset: 0\nvolume kind: ProDOS\nvolume name: VIEWS\n"
                                     "total blocks: 280\nimage type: PO  ("));
    // A ProDOS volume's lines are checked with the verbs that change it.
    std::string dos = runCli({"ls", m.dos}).out; // a line a file, names unpadded
    for (const char* line : {"DISK VOLUME 254\n   A 002 HELLO\n", "  *B 003 LOADER\n",
                             "     002 ODD\n   B 002 LIAR\n   B 002 A/B\n"})
        EXPECT_NE(dos.find(line), std::string::npos) << dos;
}

// Paths: any case, from the volume or not, a DOS 3.3 name with a "/" found whole. A DOS 3.3
// file is its whole sectors, its list sector counted as zero bytes.
TEST(Cli, GetWritesEitherForkOrTheDosSectors) {
    Images m;
    EXPECT_EQ(runCli({"get", m.prodos, "/views/docs/letter"}).out, asText(notesText()));
    EXPECT_EQ(runCli({"get", "--fork", "rsrc", m.prodos, "FINDER"}).out, asText(finderResources()));
    std::string out = m.dir.file("out.bin");
    EXPECT_EQ(runCli({"get", "--fork=data", m.prodos, "FINDER", out}).status, 0);
    EXPECT_EQ(m.dir.readBytes("out.bin"), finderData());
    EXPECT_EQ(runCli({"get", m.dos, "hello"}).out,
              asText(padded(withLengthWord(helloProgram()), 512)));
    EXPECT_EQ(runCli({"get", m.dos, "/DISK VOLUME 254/A/B"}).out.size(), 512u);
    CliResult empty = runCli({"get", m.prodos, "EMPTY"});
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_EQ(empty.out, "");
}

// Output that cannot be written (a full disk) is a failure, never success.
TEST(Cli, AFailedWriteOfTheOutputIsReported) {
    if (!std::ifstream("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    Images m;
    for (std::vector<std::string> args :
         {std::vector<std::string>{"get", m.prodos, "FINDER"}, {"ls", m.prodos}}) {
        CliResult full = runCli(args, "/dev/full");
        EXPECT_EQ(full.status, 1) << args[0];
        EXPECT_EQ(full.err, "Could not write file standard output\n") << args[0];
    }
}

TEST(Cli, ViewBlockSectorBitmapAndCatalogPrintThePanesTexts) {
    Images m;
    Outcome quiet;
    std::vector<uint8_t> hello = helloProgram();
    EXPECT_EQ(runCli({"view", m.dos, "HELLO"}).out,
              listApplesoft(Bytes(hello), 0, kBasicBaseAddress, quiet));
    EXPECT_EQ(runCli({"view", "--hex", m.prodos, "/VIEWS/HELLO"}).out,
              hexDump(Bytes(hello), hello.size(), 0, true));
    Opened o("views.po", readFileBytes(m.prodos));
    BlockViewState s;
    s.block = 279;
    for (const char* n : {"$117", "0427", "0x00000117FF"}) // ten characters count
        EXPECT_EQ(runCli({"block", m.prodos, n}).out, blockDisplay(o.image, s)) << n;
    DamageReport damage;
    EXPECT_EQ(runCli({"bitmap", m.prodos}).out, bitMapText(o.image, damage));
    CliResult sector = runCli({"sector", m.dos, "$11", "h0F"});
    EXPECT_NE(sector.out.find("   17/15\n"), std::string::npos);
    EXPECT_EQ(sector.out.back(), '.') << "written without a line feed";
    EXPECT_EQ(runCli({"catalog", m.prodos, "DOCS"}).out, "DOCS            DIR   L512\n"
                                                         "\tLETTER          TXT   L18\n");
}

TEST(Cli, ExportTakesTheTranslatePreferences) {
    Images m;
    struct Case {
        std::vector<std::string> options;
        std::vector<uint8_t> expected;
    } cases[] = {
        {{}, notesText()},
        {{"--set=dostxt=FALSE", "--set", "DOSAPSFT=FALSE"}, highBitText("LINE ONE\rLINE TWO\r")},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"export"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), {m.dos, "NOTES", m.dir.write("out.bin", patternBytes(2000))});
        CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(m.dir.readBytes("out.bin"), c.expected); // replaced whole
    }
}

TEST(Cli, DamageIsToldOnceAndWhatCouldBeReadIsStillWritten) {
    ProdosBuilder b(280, "CUT");
    putLe16(b.block(2) + 4 + 0x23, 320); // bit map pointer beyond the 280 blocks
    TempFolder dir;
    CliResult r = runCli({"bitmap", dir.write("cut.po", b.bytes())});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The volume is damaged: its bit map runs past the end of the image from "
                     "block 0 on. Only the blocks whose bits lie inside the image are shown.\n");
    EXPECT_EQ(r.out.substr(r.out.size() - 8), "0000    ");
}

// A document as plain text or as HTML; a data base of another version only with --force.
TEST(Cli, ViewPrintsAppleWorksDocumentsAndTables) {
    TempFolder dir;
    std::string works = dir.write("works.po", appleWorksVolume());
    EXPECT_EQ(runCli({"view", works, "LETTER"}).out,
              translateAppleWorksWP(Bytes(sampleLetter()), 9).plainText());
    std::string html = runCli({"view", "--html", works, "LETTER"}).out;
    EXPECT_NE(html.find("<title>LETTER</title>"), std::string::npos);
    EXPECT_NE(html.find("<body>\n<p style=\"text-align: center\"><b>LARKSPOON GAZETTE</b></p>\n"
                        "<p><br></p>\n<p>Dear reader, this letter keeps its <b>bold</b>, "
                        "<u>underlined</u>, E=mc<sup>2</sup> and H<sub>2</sub>O.</p>\n"
                        "<p>\tCaf\xC3\xA9 &amp; disks\t$4.95</p>\n<p><br></p>\n"
                        "<p style=\"text-align: right\">Yours, <b>The Editor</b></p>\n</body>"),
              std::string::npos)
        << html;
    CliResult asked = runCli({"view", works, "PEOPLE.V2"});
    EXPECT_EQ(asked.status, 1);
    EXPECT_EQ(asked.out + asked.err,
              "AppleWorks DB version 2 is not supported! Try anyway? (answered No)\n");
    CliResult forced = runCli({"view", "--force", works, "PEOPLE.V2"});
    EXPECT_EQ(forced.status, 0);
    EXPECT_EQ(forced.out.substr(0, 15), "Name          C");
}

} // namespace
} // namespace lk::test
