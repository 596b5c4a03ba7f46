// larkspoon-cli new, props and the Image lines of info.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "prodos_builder.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

// Every size as a 2IMG, a DSK in each order and a PO: made, then found sound by check.
TEST(CliNew, EveryImageTheDialogMakesChecksSound) {
    TempFolder dir;
    std::vector<std::vector<std::string>> options;
    for (const char* size : {"143Kb", "800kb", "1.44Mb", "1.6Mb", "5Mb", "10Mb", "20Mb", "32Mb"})
        options.push_back({"--size", size});
    options.push_back({"--type", "dsk"});
    options.push_back({"--order", "dos"});
    options.push_back({"--type", "po", "--size", "20Mb"});
    for (size_t i = 0; i < options.size(); ++i) {
        std::vector<std::string> args = options[i];
        args.insert(args.begin(), "new");
        args.push_back(dir.file("disk" + std::to_string(i)));
        CliResult made = runCli(args);
        ASSERT_EQ(made.status, 0) << made.err;
        std::string path = made.out.substr(0, made.out.size() - 1);
        CliResult check = runCli({"check", path});
        EXPECT_EQ(check.status, 0) << path << check.out;
    }
    // An existing file is kept unless --force; combinations the dialog cannot make are refused.
    CliResult again = runCli({"new", dir.file("disk0")});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("already exists: --force replaces it."), std::string::npos);
    EXPECT_EQ(runCli({"new", "--force", dir.file("disk0")}).status, 0);
    for (std::vector<std::string> bad :
         {std::vector<std::string>{"--type", "dsk", "--size", "800Kb"},
          {"--type", "po", "--order", "dos"},
          {"--type", "po", "--locked"},
          {"--size", "2Mb"}}) {
        bad.insert(bad.begin(), "new");
        bad.push_back(dir.file("bad"));
        EXPECT_EQ(runCli(bad).status, 2) << bad[1] << bad[2];
    }
}

TEST(CliNew, InfoAndPropsShowTheSheetsTexts) {
    TempFolder dir;
    ASSERT_EQ(runCli({"new", "--locked", "--size", "143Kb", dir.file("Work")}).status, 0);
    std::string image = dir.file("WORK.2MG");
    // The sheets' texts are the core's (tests/app); here each reaches its line.
    std::string info = runCli({"info", image}).out;
    for (std::string line : {std::string("image type: 2IMG  ( Apple II variable size)\n"),
                             std::string("disk locked: Yes\n"), "location: " + image + "\n"})
        EXPECT_NE(info.find(line), std::string::npos) << info;

    ProdosBuilder b(280, "PROPS");
    b.addFile(ProdosBuilder::kVolumeKey, "READ.ME", 0x04, 0, Bytes(patternBytes(1234)));
    std::string po = dir.write("props.po", b.bytes());
    CliResult props = runCli({"props", po, "READ.ME"});
    ASSERT_EQ(props.status, 0) << props.err;
    for (const char* line : {"Name: READ.ME\nType: TXT   ( $04 )\n", "Size: 1234 bytes\n",
                             "Access: Read, Write, Rename, Destroy\n"})
        EXPECT_NE(props.out.find(line), std::string::npos) << props.out;
    Json json = Json::parse(runCli({"props", "--json", po, "/"}).out);
    EXPECT_EQ(text(json, "type"), "Volume");
    EXPECT_EQ(text(json, "size"), "143360 bytes       1 files");
    EXPECT_EQ(runCli({"props", po, "NOPE"}).status, 1);
}

} // namespace
} // namespace lk::test
