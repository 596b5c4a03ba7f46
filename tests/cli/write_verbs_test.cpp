// larkspoon-cli's verbs that change images: each saves once at the end and leaves the file as it
// was when it fails.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "nibble_builder.h"
#include "prodos_builder.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

namespace fs = std::filesystem;

struct Disk {
    TempFolder dir;
    std::string image;
    std::vector<uint8_t> data = patternBytes(70000, 3), rsrc = patternBytes(300, 9);
    Disk() {
        ProdosBuilder b(1600, "SRC");
        uint16_t folder = b.addFolder(ProdosBuilder::kVolumeKey, "DIR");
        b.addFile(folder, "HELLO", 0xFC, 0x0801, Bytes(patternBytes(600)));
        b.addExtended(ProdosBuilder::kVolumeKey, "FORKED", 0xB3, 0x0100, Bytes(data), Bytes(rsrc));
        b.addFile(ProdosBuilder::kVolumeKey, "EMPTY", 0x04, 0, Bytes());
        image = dir.write("src.po", b.bytes());
    }
    std::string blank(const std::string& name) {
        return dir.write(name, ProdosBuilder(1600, "NEW").bytes());
    }
    std::string ls(const std::string& path) { return runCli({"ls", path}).out; }
};

// get -r writes NAME#TTAAAA files and folders; put -r of them rebuilds the same files.
TEST(CliWrite, GetAndPutRecursiveRoundTrip) {
    Disk d;
    std::string out = d.dir.file("out");
    ASSERT_EQ(runCli({"get", "-r", d.image, "/", out}).status, 0);
    EXPECT_EQ(readFileBytes(out + "/FORKED#B30100r"), d.rsrc);
    EXPECT_EQ(readFileBytes(out + "/DIR/HELLO#FC0801"), patternBytes(600));
    std::string copy = d.blank("copy.po");
    CliResult put = runCli({"put", "-r", copy, out, "/NEW/COPY"});
    ASSERT_EQ(put.status, 0) << put.err;
    EXPECT_EQ(d.ls(copy), "NEW              Volume\n"
                          "  COPY             DIR 512\n"
                          "    EMPTY            TXT 0\n"
                          "    FORKED           S16 70000\n"
                          "    DIR              DIR 512\n"
                          "      HELLO            BAS 600\n");

    // One host file as the file DEST, its type and auxiliary type given.
    std::string host = d.dir.write("notes.txt", patternBytes(10));
    put = runCli({"put", "--type", "bin", "--aux", "2000", "--access", "21", copy, host,
                  "/NEW/COPY/DIR/PIC"});
    ASSERT_EQ(put.status, 0) << put.err;
    EXPECT_NE(runCli({"ls", "--json", copy})
                  .out.find("\"name\":\"PIC\",\"kind\":\"file\","
                            "\"storage\":1,\"type\":6,\"aux\":8192"),
              std::string::npos);
}

TEST(CliWrite, EachVerbChangesTheImageOnce) {
    Disk d;
    std::string dest = d.blank("dest.po");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"mkdir", dest, "/NEW/A"},
                                               {"cp", d.image, "FORKED", dest, "A"},
                                               {"cp", d.image, "DIR/HELLO", dest, "/"},
                                               {"rename", dest, "A/FORKED", "SPOON"},
                                               {"rm", dest, "HELLO"}})
        EXPECT_EQ(runCli(args).status, 0) << args[0];
    EXPECT_EQ(d.ls(dest), "NEW              Volume\n  A                DIR 512\n"
                          "    SPOON            S16 70000\n");
    EXPECT_EQ(runCli({"get", "--fork", "rsrc", dest, "A/SPOON"}).out, asText(d.rsrc));
    EXPECT_EQ(runCli({"rm", "-r", dest, "/"}).status, 0);
    EXPECT_EQ(runCli({"check", dest}).out, "The volume is sound.\n");
    EXPECT_EQ(d.ls(dest), "NEW              Volume\n");
}

// A failing verb leaves the file byte for byte as it was: refusals, and a save that meets a
// full disk (a file-size limit).
TEST(CliWrite, FailuresLeaveTheFileAsItWas) {
    Disk d;
    // Pathnames above 64 characters are told as a warning and made; above 128 refused.
    std::string path = "/SRC/DIR";
    for (char c : std::string("LMNOPQR")) {
        path += "/" + std::string(15, c);
        CliResult r = runCli({"mkdir", d.image, path});
        EXPECT_EQ(r.status, path.size() > 64 ? 1 : 0) << path;
        EXPECT_EQ(r.err.find("greater than 64 characters") != std::string::npos, path.size() > 64);
    }
    std::string host = d.dir.write("2nd file.bin", patternBytes(100));
    std::string big = d.dir.write("big.bin", patternBytes(900000));
    std::vector<uint8_t> before = readFileBytes(d.image);
    struct Case {
        std::vector<std::string> args;
        const char* told;
        std::string shellFirst = "";
    } cases[] = {
        {{"put", d.image, host, "/"}, "The first character of ProDOS filename must be a letter!"},
        {{"put", d.image, big, "/"}, "Not enough space on the disk for the import file!"},
        {{"put", d.image, host, host, "NOPE"}, "No file NOPE on this volume."},
        {{"mkdir", d.image, "DIR"}, "Duplicate Name!"},
        {{"rm", d.image, "DIR"}, "DIR is a folder: -r takes it with everything in it."},
        {{"rename", d.image, "EMPTY", "forked"}, "Duplicate Name!"},
        {{"cp", d.image, "DIR", d.image, "/"}, "Could not copy file DIR"},
        {{"mkdir", d.image, path + "/" + std::string(15, 'S')},
         "Pathname length is: 136 characters. ProDOS only allows 128."},
        {{"mkdir", d.image, "/SRC/NEW"}, "Could NOT save disk image!", "ulimit -f 100; "},
    };
    for (const Case& c : cases) {
        CliResult r = runCli(c.args, "", c.shellFirst);
        EXPECT_EQ(r.status, 1) << c.told;
        EXPECT_NE(r.err.find(c.told), std::string::npos) << r.err;
        EXPECT_EQ(readFileBytes(d.image), before) << c.told;
    }
    for (const auto& e : fs::directory_iterator(d.dir.path))
        EXPECT_NE(e.path().extension(), ".tmp") << "a failed save leaves no temporary file";
    // An image converted from nibbles is never written back.
    std::vector<uint8_t> floppy = swapSectorOrder(ProdosBuilder(280, "SRC").bytes());
    std::string woz =
        d.dir.write("src.woz", wozImage(Bytes(nibbleImage(Bytes(floppy), SectorTable::Dos))));
    std::vector<uint8_t> wozBefore = readFileBytes(woz);
    EXPECT_NE(runCli({"mkdir", woz, "/SRC/NEW"}).err.find("converted from nibbles"),
              std::string::npos);
    EXPECT_EQ(readFileBytes(woz), wozBefore);
}

} // namespace
} // namespace lk::test
