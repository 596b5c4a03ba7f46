// larkspoon-cli: its arguments, exit statuses and messages, and that each verb prints what the
// core makes. What the core makes is tested with the core.
#include <gtest/gtest.h>

#include <fstream>

#include "appleworks_builder.h"
#include "basic_builder.h"
#include "cli_runner.h"
#include "dos33/dos_entry.h"
#include "dos33_builder.h"
#include "open_helpers.h"
#include "prodos/volume_bit_map.h"
#include "temp_folder.h"
#include "app/block_view.h"
#include "translate/hex_dump.h"

namespace lk::test {
namespace {

struct Images {
    TempFolder dir;
    // 10 PRINT "HI"
    std::vector<uint8_t> program = applesoftProgram({{10, {0xBA, '"', 'H', 'I', '"'}}});
    std::vector<uint8_t> data = patternBytes(700, 1), rsrc = patternBytes(300, 4);
    std::vector<uint8_t> text = highBitText("SOME TEXT\r");
    std::string prodos, dos;
    Images() {
        ProdosBuilder p(280, "SAMPLE");
        uint16_t folder = p.addFolder(ProdosBuilder::kVolumeKey, "DIR");
        p.addFile(folder, "HELLO", 0xFC, 0x0801, Bytes(program));
        p.addExtended(ProdosBuilder::kVolumeKey, "FORKED", 0xB3, 0x0100, Bytes(data), Bytes(rsrc));
        p.addFile(ProdosBuilder::kVolumeKey, "EMPTY", 0x04, 0, Bytes());
        prodos = dir.write("sample.po", p.bytes());
        Dos33Builder d(200);
        d.addFile("HELLO", kDosApplesoft, Bytes(withLengthWord(Bytes(program))));
        d.addFile("NOTES/1", kDosText, Bytes(text), true);
        d.deleteFile(d.addFile("GONE", kDosBinary, Bytes(data)).entry);
        dos = dir.write("sample.dsk", d.bytes());
    }
    std::string bytesOf(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }
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
        {{"get", "--fork", "both", m.prodos, "DIR/HELLO"}, 2, "--fork"},
        {{"view", m.prodos}, 2, "view takes IMAGE PATH"},
        {{"block", m.prodos}, 2, "block takes IMAGE N"},
        {{"block", m.prodos, "280"},
         2,
         "Block# must be between zero & 279 ($117) for this disk.\n"},
        {{"block", m.dos, "0"}, 2, ""},
        {{"sector", m.prodos, "0", "0"}, 2, "a ProDOS volume has blocks: use block"},
        {{"sector", m.dos, "0"}, 2, "sector takes IMAGE TRACK SECTOR"},
        {{"sector", m.dos, "35", "0"}, 2, "Track number must be between zero and 34!\n"},
        {{"sector", m.dos, "0", "16"}, 2, "Sector number must be between zero and 15!\n"},
        {{"bitmap"}, 2, "bitmap takes one IMAGE"},
        {{"bitmap", m.dos}, 2, ""},
        {{"catalog"}, 2, "catalog takes IMAGE [PATH]"},
        {{"export", m.dos, "HELLO"}, 2, "export takes IMAGE PATH OUT"},
        {{"export", "--set", "NOPE=1", m.dos, "HELLO", out}, 2, "section Translate"},
        {{"export", "--set", "DOSTXT", m.dos, "HELLO", out}, 2, "KEY=VALUE"},
        {{"export", "--set", "QuitPrompt=FALSE", m.dos, "HELLO", out}, 2, "Translate"},
        {{"info", "/nonexistent/none.po"}, 1, "Could not read none.po"},
        {{"get", m.prodos, "DIR"}, 1, ""},
        {{"get", m.prodos, "DIR/NOPE"}, 1, "No file DIR/NOPE on this volume."},
        {{"get", m.dos, "/DISK VOLUME 200"}, 1, ""},
        {{"get", m.dos, "GONE"}, 1, ""},
        {{"view", m.prodos, "DIR"}, 1, "DIR has nothing to show."},
        {{"view", "--rsrc", m.prodos, "DIR/HELLO"}, 1, "DIR/HELLO has no resource fork."},
        {{"view", "--rsrc", m.dos, "HELLO"}, 1, ""},
        {{"export", m.dos, "/DISK VOLUME 200", out}, 1, "cannot be exported"},
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

TEST(Cli, InfoAndLsDescribeTheVolume) {
    Images m;
    EXPECT_EQ(runCli({"info", m.prodos}).out,
              "kind: PO\nsector order: ProDOS\nfile size: 143360\ndata offset: 0\n"
              "volume kind: ProDOS\nvolume name: SAMPLE\ntotal blocks: 280\n");
    EXPECT_EQ(runCli({"ls", m.prodos}).out, "SAMPLE           Volume\n"
                                            "  DIR              DIR 512\n"
                                            "    HELLO            BAS 12\n"
                                            "  FORKED           S16 700\n"
                                            "  EMPTY            TXT 0\n");
    EXPECT_EQ(runCli({"ls", m.dos}).out, "DISK VOLUME 200\n"
                                         "   A 002 HELLO\n"
                                         "  *T 002 NOTES/1\n");
    // One JSON object a line; an extended file gives its data fork's EOF.
    std::string json = runCli({"ls", "--json", m.prodos}).out;
    EXPECT_NE(json.find("\n{\"path\":\"/SAMPLE/FORKED\",\"name\":\"FORKED\",\"kind\":\"file\","
                        "\"storage\":5,\"type\":179,\"aux\":256,\"eof\":700,\"blocks\":5,"
                        "\"key\":9,\"entry\":1106,\"icon\":10}\n"),
              std::string::npos)
        << json;
    // The deleted file's sectors stay used: 31 free tracks of 16 sectors, less 8.
    json = runCli({"ls", "--json", m.dos}).out;
    EXPECT_EQ(json.rfind("{\"path\":\"/DISK VOLUME 200\",\"name\":\"DISK VOLUME 200\","
                         "\"kind\":\"volume\",\"volumeNumber\":200,\"dosRelease\":3,"
                         "\"catalogTrack\":17,\"catalogSector\":15,\"tracks\":35,"
                         "\"sectorsPerTrack\":16,\"freeSectors\":488,\"entry\":69632,"
                         "\"icon\":2}\n",
                         0),
              0u)
        << json;
    EXPECT_NE(json.find("\n{\"path\":\"NOTES/1\",\"name\":\"" + paddedDosName("NOTES/1") +
                        "\",\"kind\":\"file\",\"dosType\":0,\"locked\":true,\"sectors\":2,"
                        "\"entry\":73518,\"icon\":7}\n"),
              std::string::npos)
        << json;
}

// Paths: any case, from the volume or not, a DOS 3.3 name with a "/" found whole.
TEST(Cli, GetWritesEitherForkOrTheDosSectors) {
    Images m;
    EXPECT_EQ(runCli({"get", m.prodos, "/sample/dir/hello"}).out, m.bytesOf(m.program));
    EXPECT_EQ(runCli({"get", "--fork", "rsrc", m.prodos, "FORKED"}).out, m.bytesOf(m.rsrc));
    std::string out = m.dir.file("out.bin");
    EXPECT_EQ(runCli({"get", "--fork=data", m.prodos, "FORKED", out}).status, 0);
    EXPECT_EQ(m.dir.readBytes("out.bin"), m.data);
    std::vector<uint8_t> sectors = withLengthWord(Bytes(m.program));
    sectors.resize(2 * 256, 0); // the data sector, and the list sector as zero bytes
    EXPECT_EQ(runCli({"get", m.dos, "hello"}).out, m.bytesOf(sectors));
    EXPECT_EQ(runCli({"get", m.dos, "/DISK VOLUME 200/NOTES/1"}).out.size(), 512u);
    CliResult empty = runCli({"get", m.prodos, "EMPTY"});
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_EQ(empty.out, "");
}

// Output that cannot be written (a full disk) is a failure, never success.
TEST(Cli, AFailedWriteOfTheOutputIsReported) {
    if (!std::ifstream("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    Images m;
    for (std::vector<std::string> args :
         {std::vector<std::string>{"get", m.prodos, "FORKED"}, {"ls", m.prodos}}) {
        CliResult full = runCli(args, "/dev/full");
        EXPECT_EQ(full.status, 1) << args[0];
        EXPECT_EQ(full.err, "Could not write file standard output\n") << args[0];
    }
}

TEST(Cli, ViewBlockSectorBitmapAndCatalogPrintThePanesTexts) {
    Images m;
    EXPECT_EQ(runCli({"view", m.prodos, "dir/hello"}).out, "10  PRINT \"HI\"\n");
    EXPECT_EQ(runCli({"view", m.dos, "HELLO"}).out, "10  PRINT \"HI\"\n");
    EXPECT_EQ(runCli({"view", "--hex", m.prodos, "/SAMPLE/DIR/HELLO"}).out,
              hexDump(Bytes(m.program), m.program.size(), 0, true));
    EXPECT_EQ(runCli({"view", "--rsrc", m.prodos, "FORKED"}).out,
              hexDump(Bytes(m.rsrc), m.rsrc.size(), 0, true));

    Opened o;
    openBytes(o, "sample.po", readFileBytes(m.prodos));
    BlockViewState s;
    s.block = 279;
    for (const char* n : {"$117", "h117", "0x117", "279", "0427", "279xyz", "0x00000117FF"})
        EXPECT_EQ(runCli({"block", m.prodos, n}).out, blockDisplay(o.image, s)) << n;
    DamageReport damage;
    EXPECT_EQ(runCli({"bitmap", m.prodos}).out, bitMapText(o.image, damage));
    CliResult sector = runCli({"sector", m.dos, "$11", "h0F"});
    ASSERT_EQ(sector.status, 0);
    EXPECT_NE(sector.out.find("   17/15\n"), std::string::npos);
    EXPECT_EQ(sector.out.substr(sector.out.size() - 3), "...") << "written without a line feed";

    EXPECT_EQ(runCli({"catalog", m.prodos, "DIR"}).out, "DIR             DIR   L512\n"
                                                        "\tHELLO           BAS   L12\n");
    EXPECT_EQ(runCli({"catalog", m.dos}).out, "DISK VOLUME 200\n\n A 002 " +
                                                  paddedDosName("HELLO") + "\n*T 002 " +
                                                  paddedDosName("NOTES/1") + "\n");
}

TEST(Cli, ExportTakesTheTranslatePreferences) {
    Images m;
    std::vector<uint8_t> plain = textBytes("SOME TEXT\r");
    struct Case {
        std::vector<std::string> options;
        const char* path;
        std::vector<uint8_t> expected;
    } cases[] = {
        {{}, "HELLO", m.program},
        {{"--set", "DOSAPSFT=FALSE"}, "HELLO", withLengthWord(Bytes(m.program))},
        {{}, "NOTES/1", plain},
        {{"--set=dostxt=FALSE", "--set", "DOSBIN=TRUE"}, "NOTES/1", m.text},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"export"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), {m.dos, c.path, m.dir.write("out.bin", patternBytes(2000))});
        CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(m.dir.readBytes("out.bin"), c.expected) << c.path; // replaced whole
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
              "LARKSPOON GAZETTE\n\nDear reader, this letter keeps its bold, underlined, E=mc2 "
              "and H2O.\n\tCaf\xE9 & disks\t$4.95\n\nYours, The Editor\n");
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
