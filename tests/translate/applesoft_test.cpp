#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "basic_builder.h"
#include "corpus.h"
#include "open_helpers.h"
#include "catalog/find_path.h"
#include "prodos/read_file.h"
#include "translate/applesoft.h"

namespace lk {
namespace {

using test::applesoftProgram;
using test::BasicLine;

constexpr uint8_t kPrint = 0xBA, kRem = 0xB2, kEquals = 0xD0, kChr = 0xE7, kIf = 0xAD, kThen = 0xC4,
                  kHome = 0x97, kEnd = 0x80;

std::vector<uint8_t> text(std::string_view s) {
    return {s.begin(), s.end()};
}
std::vector<uint8_t> cat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

test::Listing list(const std::vector<uint8_t>& bytes, uint32_t startOffset = 0) {
    return test::runLister(listApplesoft, bytes, startOffset);
}

TEST(Applesoft, KeywordsGetOneSpaceEachSideAndCharactersStayAsStored) {
    struct Case {
        const char* name;
        std::vector<BasicLine> lines;
        const char* listing;
        int beeps = 0;
    } cases[] = {
        {"leading keyword", {{10, cat({{kPrint}, text("\"HI\"")})}}, "10  PRINT \"HI\"\n"},
        {"keyword inside",
         {{10, cat({text("D$"), {kEquals, kChr}, text("(4)")})}},
         "10 D$ =  CHR$ (4)\n"},
        {"remark and control characters kept",
         {{65535, cat({{kRem}, text(" 1 IF\x07 x")})}},
         "65535  REM  1 IF\x07 x\n"},
        {"several statements",
         {{1, cat({{kHome}, text(":"), {kIf}, text("A"), {kThen}, {kEnd}})}},
         "1  HOME : IF A THEN  END \n"},
        {"empty body", {{7, {}}}, "7 \n"},
        {"line 0 with a body", {{0, text("A")}}, "0 A\n"},
        {"line 0 whose body begins with two zero bytes", {{0, {0, 0, 0x41}}}, " A\n"},
        {"two lines", {{1, text("A")}, {2, text("B")}}, "1 A\n2 B\n"},
        {"bytes that are no token beep and show a space",
         {{10, {0x41, 0xEB, 0x42, 0xFF}}},
         "10 A B \n",
         2},
    };
    for (const Case& c : cases) {
        test::Listing l = list(applesoftProgram(c.lines));
        EXPECT_EQ(l.text, c.listing) << c.name;
        EXPECT_EQ(l.beeps, c.beeps) << c.name;
    }
}

TEST(Applesoft, EmptyProgramsListNothing) {
    EXPECT_EQ(list({0, 0}).text, "");
    EXPECT_EQ(list({}).text, "");
    EXPECT_EQ(list({0x05}).text, "");
    EXPECT_EQ(list({0, 0}, 2).text, "") << "a DOS 3.3 length word of 0";
}

TEST(Applesoft, ABodyThatRunsPastTheEndEndsTheListingWithABeep) {
    // Saved from $0A01: every link is $200 too high, so the first line swallows the rest.
    std::vector<uint8_t> moved =
        applesoftProgram({{10, text("AB")}, {20, cat({{kPrint}, text("C")})}}, 0x0A01);
    test::Listing l = list(moved);
    EXPECT_EQ(l.text, std::string("10 AB") + "\x0F\x0A\x14" + " PRINT C\n");
    EXPECT_EQ(l.beeps, 1);
    // Saved from $0701: the lines come out too short and split.
    test::Listing low = list(applesoftProgram({{10, text("ABCDEFGH")}}, 0x0701));
    EXPECT_NE(low.text, "10 ABCDEFGH\n");
}

TEST(Applesoft, DosLengthWordBoundsTheListing) {
    std::vector<uint8_t> program = applesoftProgram({{10, text("A")}, {20, text("B")}});
    std::vector<uint8_t> file = test::withLengthWord(program);
    file.resize(1024, 0); // whole sectors
    EXPECT_EQ(list(file, 2).text, "10 A\n20 B\n");
    // A length word that stops inside line 20 ends the listing there, with a beep.
    file[0] = uint8_t(program.size() - 2);
    test::Listing cut = list(file, 2);
    EXPECT_EQ(cut.text, "10 A\n20 \n");
    EXPECT_EQ(cut.beeps, 1);
    // A length word beyond the file reads no further than the file.
    file = test::withLengthWord(program);
    file[0] = 0xFF;
    file[1] = 0xFF;
    EXPECT_EQ(list(file, 2).text, "10 A\n20 B\n");
}

// Spaces outside strings are not stored, so a listing and its source compare without them.
std::string withoutSpaces(const std::string& line) {
    std::string out;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') quoted = !quoted;
        if (c != ' ' || quoted) out += c;
    }
    return out;
}

std::vector<std::string> sourceLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

std::vector<std::string> listingOf(const std::string& image, const std::string& path) {
    test::Opened o;
    test::openBytes(o, image, test::readFileBytes(test::corpusDir() + "/" + image));
    NodeId node = findNodeByPath(o.tree, path);
    EXPECT_NE(node, kNoNode) << image;
    if (node == kNoNode) return {};
    reported(o.platform, [&](Outcome& out) { return readProdosFile(o.image, o.tree.item(node)->entryOffset, Fork::Data, o.file, out); });
    std::istringstream in(reported(o.platform, [&](Outcome& out) { return listApplesoft(o.file.bytes(), 0, kBasicBaseAddress, out); }));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_EQ(o.platform.beeps, 0);
    return lines;
}

TEST(Applesoft, RealProgramsListLineForLine) {
    SKIP_WITHOUT_CORPUS();
    struct Case {
        const char* image;
        const char* source;
    } cases[] = {
        {"a2k__prodos-smallfiles.do", "a2k__disk_builders__disk_builder.abas"},
        {"a2k__prodos-mkdir.dsk", "a2k__disk_builders__build_dirs.bas"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> listing = listingOf(c.image, "HELLO");
        std::vector<std::string> source = sourceLines(test::corpusDir() + "/" + c.source);
        ASSERT_EQ(listing.size(), source.size()) << c.image;
        for (size_t i = 0; i < source.size(); ++i)
            EXPECT_EQ(withoutSpaces(listing[i]), withoutSpaces(source[i])) << c.image;
    }
    std::vector<std::string> builder = listingOf("a2k__prodos-smallfiles.do", "HELLO");
    ASSERT_GE(builder.size(), 25u);
    EXPECT_EQ(builder[0], "10 D$ =  CHR$ (4)");
    EXPECT_EQ(builder[3], "40  IF A$ = \"B\" OR A$ = \"R\" THEN 2000");
    EXPECT_EQ(builder[5], "60  END ");
    EXPECT_EQ(builder[6], "1000  POKE 768,6: POKE 769,5: POKE 770,0: POKE 771,2");
    EXPECT_EQ(builder[23],
              "2100  FOR I = 16384 TO 32767: POKE I,256 * ((I - 16384) / 256 -  INT ((I - 16384) "
              "/ 256)): NEXT ");
    EXPECT_EQ(listingOf("cp2__prodos__simple-dir-test.po", "SUBDIR1/A"),
              std::vector<std::string>{"100  TEXT : NORMAL : HOME "});
}

} // namespace
} // namespace lk
