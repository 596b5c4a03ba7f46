#include <gtest/gtest.h>

#include <sstream>

#include "cli_runner.h"
#include "dos33/dos_entry.h"
#include "dos33_builder.h"
#include "json.h"

namespace lk::test {
namespace {

struct DosImage {
    std::vector<uint8_t> program = patternBytes(500, 1);
    std::vector<uint8_t> text;
    TempFile file;
    DosImage() : file("sample.dsk", build()) {}
    std::vector<uint8_t> build() {
        Dos33Builder b(200);
        b.addFile("HELLO", kDosApplesoft, Bytes(withLengthWord(Bytes(program))));
        for (char c : std::string("SOME TEXT\r")) text.push_back(uint8_t(c | 0x80));
        b.addFile("NOTES/1", kDosText, Bytes(text), true);
        b.deleteFile(b.addFile("GONE", kDosBinary, Bytes(program)).entry);
        return b.bytes();
    }
};

std::vector<Json> jsonLines(const std::string& out) {
    std::vector<Json> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(parseJson(line));
    return lines;
}

TEST(DosCli, LsShowsTheVolumeAndItsFiles) {
    DosImage d;
    CliResult plain = runCli({"ls", d.file.path});
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out, "DISK VOLUME 200\n"
                         "   A 003 HELLO\n"
                         "  *T 002 NOTES/1\n");
    CliResult json = runCli({"ls", "--json", d.file.path});
    ASSERT_EQ(json.status, 0);
    std::vector<Json> lines = jsonLines(json.out);
    ASSERT_EQ(lines.size(), 3u);
    const Json& volume = lines[0];
    EXPECT_EQ(volume.str("path"), "/DISK VOLUME 200");
    EXPECT_EQ(volume.str("kind"), "volume");
    EXPECT_EQ(volume.integer("volumeNumber"), 200);
    EXPECT_EQ(volume.integer("catalogTrack"), 17);
    EXPECT_EQ(volume.integer("catalogSector"), 15);
    EXPECT_EQ(volume.integer("tracks"), 35);
    EXPECT_EQ(volume.integer("freeSectors"), 31 * 16 - 8); // deleting leaves the map as it was
    EXPECT_EQ(volume.integer("entry"), 69632);
    EXPECT_EQ(volume.integer("icon"), 2);
    const Json& hello = lines[1];
    EXPECT_EQ(hello.str("path"), "HELLO");
    EXPECT_EQ(hello.str("name"), paddedDosName("HELLO"));
    EXPECT_EQ(hello.str("kind"), "file");
    EXPECT_EQ(hello.integer("dosType"), 2);
    EXPECT_FALSE(hello["locked"].boolean);
    EXPECT_EQ(hello.integer("sectors"), 3);
    EXPECT_EQ(hello.integer("entry"), 17 * 4096 + 15 * 256 + 0x0B);
    EXPECT_EQ(hello.integer("icon"), 8);
    EXPECT_EQ(hello.object.size(), 8u);
    EXPECT_TRUE(lines[2]["locked"].boolean);
    EXPECT_EQ(lines[2].str("path"), "NOTES/1");
}

TEST(DosCli, GetWritesTheRawSectors) {
    DosImage d;
    CliResult hello = runCli({"get", d.file.path, "hello"});
    EXPECT_EQ(hello.status, 0) << hello.err;
    std::vector<uint8_t> expected = withLengthWord(Bytes(d.program));
    expected.resize(3 * 256, 0);
    EXPECT_EQ(hello.out, std::string(expected.begin(), expected.end()));
    // A name holding a "/" is found whole, from the volume too.
    CliResult notes = runCli({"get", d.file.path, "/DISK VOLUME 200/NOTES/1"});
    EXPECT_EQ(notes.status, 0) << notes.err;
    EXPECT_EQ(notes.out.size(), 512u);
    CliResult volume = runCli({"get", d.file.path, "/DISK VOLUME 200"});
    EXPECT_EQ(volume.status, 1);
    EXPECT_TRUE(volume.out.empty());
    EXPECT_EQ(runCli({"get", d.file.path, "GONE"}).status, 1);
}

TEST(DosCli, CatalogListsVolumeOrFile) {
    DosImage d;
    CliResult all = runCli({"catalog", d.file.path});
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, "DISK VOLUME 200\n\n A 003 " + paddedDosName("HELLO") + "\n*T 002 " +
                           paddedDosName("NOTES/1") + "\n");
    CliResult one = runCli({"catalog", d.file.path, "NOTES/1"});
    EXPECT_EQ(one.out, "*T 002 " + paddedDosName("NOTES/1") + "\n");
    EXPECT_EQ(runCli({"catalog", d.file.path, "NOPE"}).status, 1);
    EXPECT_EQ(runCli({"catalog"}).status, 2);
}

TEST(DosCli, ExportWritesWhatExportAsWrites) {
    DosImage d;
    struct Case {
        std::vector<std::string> options;
        const char* path;
        std::vector<uint8_t> expected;
    } cases[] = {
        {{}, "HELLO", d.program},
        {{"--set", "DOSAPSFT=FALSE"}, "HELLO", withLengthWord(Bytes(d.program))},
        {{}, "NOTES/1", {'S', 'O', 'M', 'E', ' ', 'T', 'E', 'X', 'T', '\r'}},
        {{"--set=dostxt=FALSE", "--set", "DOSBIN=TRUE"}, "NOTES/1", d.text},
    };
    for (const Case& c : cases) {
        TempFile out("out.bin");
        std::vector<std::string> args = {"export"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), {d.file.path, c.path, out.path});
        CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(out.read(), c.expected) << c.path;
    }
}

TEST(DosCli, ExportRefusals) {
    DosImage d;
    TempFile out("out.bin");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* stderrHas;
    } cases[] = {
        {{"export", d.file.path, "HELLO"}, 2, "export takes IMAGE PATH OUT"},
        {{"export", "--set", "NOPE=1", d.file.path, "HELLO", out.path}, 2, "section Translate"},
        {{"export", "--set", "DOSTXT", d.file.path, "HELLO", out.path}, 2, "KEY=VALUE"},
        {{"export", "--set", "QuitPrompt=FALSE", d.file.path, "HELLO", out.path}, 2, "Translate"},
        {{"export", d.file.path, "/DISK VOLUME 200", out.path}, 1, "cannot be exported"},
        {{"export", d.file.path, "MISSING", out.path}, 1, "No file MISSING"},
        {{"export", d.file.path, "HELLO", "/nonexistent-dir/x"}, 1, "Could not write file"},
    };
    for (const Case& c : cases) {
        CliResult r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.stderrHas), std::string::npos) << r.err;
    }
}

} // namespace
} // namespace lk::test

namespace lk::test {
namespace {

TEST(DosCli, ViewAndSectorShowWhatThePanesShow) {
    // 10 PRINT "HI" as Applesoft stores it at $0801, behind its length word.
    const std::vector<uint8_t> program = {0x0B, 0x08, 0x0A, 0x00, 0xBA, '"',
                                          'H',  'I',  '"',  0x00, 0x00, 0x00};
    Dos33Builder b(254);
    b.addFile("HELLO", kDosApplesoft, Bytes(withLengthWord(Bytes(program))));
    TempFile disk("view.dsk", b.bytes());
    CliResult view = runCli({"view", disk.path, "HELLO"});
    EXPECT_EQ(view.status, 0) << view.err;
    EXPECT_EQ(view.out, "10  PRINT \"HI\"\n");

    CliResult sector = runCli({"sector", disk.path, "17", "$0"});
    EXPECT_EQ(sector.status, 0) << sector.err;
    EXPECT_EQ(sector.out.rfind("$    00 01 02", 0), 0u);
    EXPECT_NE(sector.out.find("   17/0\n"), std::string::npos);

    EXPECT_EQ(runCli({"view", "--rsrc", disk.path, "HELLO"}).status, 1);
    EXPECT_EQ(runCli({"block", disk.path, "0"}).status, 2);
}

} // namespace
} // namespace lk::test
