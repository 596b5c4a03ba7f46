#include <gtest/gtest.h>

#include <sstream>

#include "cli_runner.h"
#include "json.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

constexpr uint16_t kVol = ProdosBuilder::kVolumeKey;

struct SampleImage {
    std::vector<uint8_t> hello = patternBytes(700, 1);
    std::vector<uint8_t> rsrc = patternBytes(900, 2);
    TempFile file;
    SampleImage() : file("sample.po", build()) {}
    std::vector<uint8_t> build() {
        ProdosBuilder b(280, "SAMPLE");
        uint16_t dir = b.addFolder(kVol, "DIR");
        b.addFile(dir, "HELLO", 0xFC, 0x0801, Bytes(hello));
        b.addExtended(kVol, "FORKED", 0xB3, 0x0100, Bytes(hello), Bytes(rsrc));
        return b.bytes();
    }
};

TEST(Cli, ExitStatusesTellUsageAndReadErrorsApart) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* stderrHas;
    } cases[] = {
        {{}, 0, ""},
        {{"frobnicate"}, 2, "unknown verb"},
        {{"ls"}, 2, "ls takes one IMAGE"},
        {{"ls", "--bogus", "x.po"}, 2, "unknown option"},
        {{"get", "--fork", "both", "x.po", "A"}, 2, "--fork"},
        {{"info", "/nonexistent/none.po"}, 1, "Could not read none.po"},
    };
    for (const Case& c : cases) {
        CliResult r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.stderrHas), std::string::npos) << r.err;
    }
    EXPECT_NE(runCli({}).out.find("usage: larkspoon-cli"), std::string::npos);
}

TEST(Cli, InfoDescribesImageAndVolume) {
    SampleImage s;
    CliResult r = runCli({"info", s.file.path});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "kind: PO\nsector order: ProDOS\nfile size: 143360\ndata offset: 0\n"
                     "volume kind: ProDOS\nvolume name: SAMPLE\ntotal blocks: 280\n");
}

TEST(Cli, LsListsEveryNodeInTreeOrder) {
    SampleImage s;
    CliResult plain = runCli({"ls", s.file.path});
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out, "SAMPLE           Volume\n"
                         "  DIR              DIR 512\n"
                         "    HELLO            BAS 700\n"
                         "  FORKED           S16 700\n");
    CliResult json = runCli({"ls", "--json", s.file.path});
    ASSERT_EQ(json.status, 0);
    std::vector<Json> lines;
    std::istringstream in(json.out);
    for (std::string line; std::getline(in, line);) lines.push_back(parseJson(line));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].str("kind"), "volume");
    EXPECT_EQ(lines[1].str("kind"), "folder");
    const Json& hello = lines[2];
    EXPECT_EQ(hello.str("path"), "/SAMPLE/DIR/HELLO");
    EXPECT_EQ(hello.str("name"), "HELLO");
    EXPECT_EQ(hello.str("kind"), "file");
    EXPECT_EQ(hello.integer("storage"), 2);
    EXPECT_EQ(hello.integer("type"), 0xFC);
    EXPECT_EQ(hello.integer("aux"), 0x0801);
    EXPECT_EQ(hello.integer("eof"), 700);
    EXPECT_EQ(hello.integer("blocks"), 3);
    EXPECT_EQ(hello.integer("icon"), 8);
    EXPECT_EQ(hello.object.size(), 11u);
    EXPECT_EQ(lines[3].integer("storage"), 5);
    EXPECT_EQ(lines[3].integer("eof"), 700); // an extended file's data fork
}

TEST(Cli, GetWritesTheBytesOfEitherFork) {
    SampleImage s;
    CliResult data = runCli({"get", s.file.path, "/sample/dir/hello"});
    EXPECT_EQ(data.status, 0);
    EXPECT_EQ(data.out, std::string(s.hello.begin(), s.hello.end()));
    CliResult rsrc = runCli({"get", "--fork", "rsrc", s.file.path, "FORKED"});
    EXPECT_EQ(rsrc.out, std::string(s.rsrc.begin(), s.rsrc.end()));
    TempFile out("out.bin");
    EXPECT_EQ(runCli({"get", "--fork=data", s.file.path, "FORKED", out.path}).status, 0);
    EXPECT_EQ(out.read(), s.hello);
}

TEST(Cli, GetRefusesFoldersAndMissingFiles) {
    SampleImage s;
    CliResult folder = runCli({"get", s.file.path, "DIR"});
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(folder.out.empty());
    CliResult missing = runCli({"get", s.file.path, "DIR/NOPE"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("No file DIR/NOPE"), std::string::npos);
}

} // namespace
} // namespace lk::test
