// The Applesoft and Integer BASIC listers: keywords and spacing, line numbers, constants, the
// ends of a program, and real programs listed line for line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "basic_builder.h"
#include "catalog/find_path.h"
#include "corpus.h"
#include "open_helpers.h"
#include "translate/applesoft.h"
#include "translate/integer_basic.h"

namespace lk {
namespace {

using test::applesoftBody;
using test::applesoftProgram;
using test::BasicLine;
using test::integerBody;
using test::integerProgram;

test::Listing list(const std::vector<uint8_t>& bytes, uint32_t startOffset = 0) {
    return test::runLister(listApplesoft, bytes, startOffset);
}

test::Listing listInt(const std::vector<uint8_t>& bytes, uint32_t startOffset = 0) {
    return test::runLister(listInteger, bytes, startOffset);
}

std::string listLine(uint16_t number, std::string_view body) {
    return listInt(integerProgram({{number, integerBody(body)}})).text;
}

TEST(Applesoft, KeywordsGetOneSpaceEachSideAndCharactersStayAsStored) {
    struct Case {
        const char* name;
        std::vector<BasicLine> lines;
        const char* listing;
        int beeps = 0;
    } cases[] = {
        {"leading keyword", {{10, applesoftBody("{BA}\"HI\"")}}, "10  PRINT \"HI\"\n"},
        {"keyword inside", {{10, applesoftBody("D${D0}{E7}(4)")}}, "10 D$ =  CHR$ (4)\n"},
        {"remark and control characters kept",
         {{65535, applesoftBody("{B2} 1 IF\x07 x")}},
         "65535  REM  1 IF\x07 x\n"},
        {"several statements",
         {{1, applesoftBody("{97}:{AD}A{C4}{80}")}},
         "1  HOME : IF A THEN  END \n"},
        {"empty body", {{7, {}}}, "7 \n"},
        {"line 0 with a body", {{0, applesoftBody("A")}}, "0 A\n"},
        {"line 0 whose body begins with two zero bytes", {{0, {0, 0, 0x41}}}, " A\n"},
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
    for (std::vector<uint8_t> empty : {std::vector<uint8_t>{0, 0}, {}, {0x05}})
        EXPECT_EQ(list(empty).text, "") << empty.size();
    EXPECT_EQ(list({0, 0}, 2).text, "") << "a DOS 3.3 length word of 0";
}

TEST(Applesoft, ABodyThatRunsPastTheEndEndsTheListingWithABeep) {
    // Saved from $0A01: every link is $200 too high, so the first line swallows the rest.
    std::vector<uint8_t> moved =
        applesoftProgram({{10, applesoftBody("AB")}, {20, applesoftBody("{BA}C")}}, 0x0A01);
    test::Listing l = list(moved);
    EXPECT_EQ(l.text, std::string("10 AB") + "\x0F\x0A\x14" + " PRINT C\n");
    EXPECT_EQ(l.beeps, 1);
    // Saved from $0701: the lines come out too short and split.
    test::Listing low = list(applesoftProgram({{10, applesoftBody("ABCDEFGH")}}, 0x0701));
    EXPECT_NE(low.text, "10 ABCDEFGH\n");
}

TEST(IntegerBasic, LinesOfARealProgramListAsTyped) {
    // Lines of BREAKOUT, tokenised as Integer BASIC stores them.
    struct Case {
        uint16_t number;
        std::string body;
        const char* listing;
    } cases[] = {
        {5,
         "{4B}{03}{4D}{36}#936{03}{6F}#4{03}{50}#10{03}{61}{28}*** BREAKOUT GAME ***{29}{03}{63}",
         "    5 TEXT : CALL -936: VTAB 4: TAB 10: PRINT \"*** BREAKOUT GAME ***\": PRINT \n"},
        {40,
         "{66}A{03}{67}X{68}Y{15}#3{03}X{71}#19{03}Y{71}{2F}{3F}#120{72}{03}V{71}{36}#1{03}W{71}"
         "{2F}{3F}#5{72}{13}#2{03}L{71}L{12}#1{03}{60}L{19}#5{24}#140{03}{50}#6{03}{61}{28}BALL "
         "\\#{29}{45}L{03}{63}{03}{55}I{56}#1{57}#100{03}{5C}#200{03}{59}I{03}M{71}#1{03}N{71}#0",
         "   40 COLOR=A: PLOT X,Y/3:X=19:Y= RND (120):V=-1:W= RND (5)-2:L=L+1: IF L>5 THEN 140: "
         "TAB 6: PRINT \"BALL #\";L: PRINT : FOR I=1 TO 100: GOSUB 200: NEXT I:M=1:N=0\n"},
        {55, "{60}{2E}{3F}{36}#16287{72}{19}#127{25}SW{71}#1{13}SW",
         "   55 IF PEEK (-16287)>127 THEN SW=1-SW\n"},
        {100, "{53}{28} COLOR (0 TO 15){29}{48}E{03}{60}E{1C}#0{1E}E{19}#15{25}#99{03}{5B}",
         "  100 INPUT \" COLOR (0 TO 15)\",E: IF E<0 OR E>15 THEN 99: RETURN \n"},
        // Line numbers are right-aligned in five columns.
        {0, "{63}", "    0 PRINT \n"},
        {65535, "{51}", "65535 END \n"},
    };
    for (const Case& c : cases) EXPECT_EQ(listLine(c.number, c.body), c.listing) << c.number;
}

TEST(IntegerBasic, DigitsAreConstantsOnlyWhereANumberCanStand) {
    struct Case {
        const char* name;
        std::string body;
        const char* listing;
    } cases[] = {
        {"name with a digit", "A1{71}#1", "   10 A1=1\n"},
        {"largest constant", "A{71}#65535", "   10 A=65535\n"},
        {"digit after IF is a character", "{60}5{25}{63}", "   10 IF 5 THEN PRINT \n"},
        {"remark keeps its digits", "{5D}TEST 123", "   10 REM TEST 123\n"},
        {"string keeps its digits, constant after it", "{61}{28}A1 2{29}{45}#3",
         "   10 PRINT \"A1 2\";3\n"},
        {"high-bit control characters add nothing", "A{8D}B", "   10 AB\n"},
        {"LEN( and PEEK get a space unless after IF",
         "X{71}{3B}A${72}{03}{60}{3B}A${72}{19}#0{25}{63}",
         "   10 X= LEN(A$): IF LEN(A$)>0 THEN PRINT \n"},
    };
    for (const Case& c : cases) EXPECT_EQ(listLine(10, c.body), c.listing) << c.name;
}

TEST(IntegerBasic, ALineRunningPastTheEndEndsTheListingWithABeep) {
    std::vector<uint8_t> program =
        integerProgram({{10, integerBody("AB")}, {20, integerBody("CD")}});
    program[6] = 40; // line 20 claims 40 bytes
    test::Listing l = listInt(program);
    EXPECT_EQ(l.text, "   10 AB\n   20 CD\n");
    EXPECT_EQ(l.beeps, 1);
    program.pop_back(); // fewer than three bytes of a line are not a line
    program.resize(program.size() - 4);
    EXPECT_EQ(listInt(program).text, "   10 AB\n");
    EXPECT_EQ(listInt({}).text, "");
}

// A DOS 3.3 file's length word bounds the program: one that stops inside it ends the listing
// there, one beyond the file reads no further than the file.
TEST(BasicListing, TheDosLengthWordBoundsTheProgram) {
    struct Case {
        test::Lister lister;
        std::vector<uint8_t> program;
        size_t cutBy;
        const char* whole;
        const char* cut;
        int cutBeeps;
    } cases[] = {
        {listApplesoft, applesoftProgram({{10, applesoftBody("A")}, {20, applesoftBody("B")}}), 2,
         "10 A\n20 B\n", "10 A\n20 \n", 1},
        {listInteger, integerProgram({{10, integerBody("A")}, {20, integerBody("B")}}), 5,
         "   10 A\n   20 B\n", "   10 A\n", 0},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> file = test::withLengthWord(c.program);
        file.resize(1024, 0); // whole sectors
        EXPECT_EQ(test::runLister(c.lister, file, 2).text, c.whole);
        file[0] = uint8_t(c.program.size() - c.cutBy);
        test::Listing cut = test::runLister(c.lister, file, 2);
        EXPECT_EQ(cut.text, c.cut);
        EXPECT_EQ(cut.beeps, c.cutBeeps);
        file = test::withLengthWord(c.program);
        file[0] = file[1] = 0xFF;
        EXPECT_EQ(test::runLister(c.lister, file, 2).text, c.whole);
    }
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
    test::Opened o(image, test::readFileBytes(test::corpusDir() + "/" + image));
    NodeId node = findNodeByPath(o.tree, path);
    EXPECT_NE(node, kNoNode) << image;
    if (node == kNoNode) return {};
    test::readFork(o, o.tree.item(node)->entryOffset);
    test::Listing l = test::runLister(
        listApplesoft, std::vector<uint8_t>(o.file.bytes().begin(), o.file.bytes().end()));
    EXPECT_EQ(l.beeps, 0);
    std::istringstream in(l.text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
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
    // The spaces around keywords, which the comparison above leaves out.
    std::vector<std::string> builder = listingOf("a2k__prodos-smallfiles.do", "HELLO");
    ASSERT_GE(builder.size(), 7u);
    EXPECT_EQ(builder[3], "40  IF A$ = \"B\" OR A$ = \"R\" THEN 2000");
    EXPECT_EQ(builder[6], "1000  POKE 768,6: POKE 769,5: POKE 770,0: POKE 771,2");
    EXPECT_EQ(listingOf("cp2__prodos__simple-dir-test.po", "SUBDIR1/A"),
              std::vector<std::string>{"100  TEXT : NORMAL : HOME "});
}

} // namespace
} // namespace lk
