#include <gtest/gtest.h>

#include "basic_builder.h"
#include "scripted_platform.h"
#include "translate/applesoft.h"
#include "translate/integer_basic.h"

namespace lk {
namespace {

using test::integerBody;
using test::integerProgram;

test::Listing list(const std::vector<uint8_t>& bytes, uint32_t startOffset = 0) {
    return test::runLister(listInteger, bytes, startOffset);
}

std::string listLine(uint16_t number, std::string_view body) {
    return list(integerProgram({{number, integerBody(body)}})).text;
}

std::string peekChain(int count) {
    std::string body = "Z{71}";
    for (int i = 0; i < count; ++i) body += std::string(i ? "{13}" : "") + "{2E}{3F}{36}#16336{72}";
    return body + "{03}{5F}#90";
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
        {65, peekChain(7),
         "   65 Z= PEEK (-16336)- PEEK (-16336)- PEEK (-16336)- PEEK (-16336)- PEEK (-16336)- "
         "PEEK (-16336)- PEEK (-16336): GOTO 90\n"},
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
        {"colon then a character gets no space", "A{71}#1{03}B{71}#2", "   10 A=1:B=2\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(listLine(10, c.body), c.listing) << c.name;
}

TEST(IntegerBasic, ALineRunningPastTheEndEndsTheListingWithABeep) {
    std::vector<uint8_t> program =
        integerProgram({{10, integerBody("AB")}, {20, integerBody("CD")}});
    program[6] = 40; // line 20 claims 40 bytes
    test::Listing l = list(program);
    EXPECT_EQ(l.text, "   10 AB\n   20 CD\n");
    EXPECT_EQ(l.beeps, 1);
    program.pop_back(); // fewer than three bytes of a line are not a line
    program.resize(program.size() - 4);
    EXPECT_EQ(list(program).text, "   10 AB\n");
    EXPECT_EQ(list({}).text, "");
}

TEST(IntegerBasic, DosLengthWordBoundsTheProgram) {
    std::vector<uint8_t> program = integerProgram({{10, integerBody("A")}, {20, integerBody("B")}});
    std::vector<uint8_t> file = test::withLengthWord(program);
    file.resize(512, 0);
    EXPECT_EQ(list(file, 2).text, "   10 A\n   20 B\n");
    file[0] = uint8_t(program.size() / 2); // only line 10
    test::Listing cut = list(file, 2);
    EXPECT_EQ(cut.text, "   10 A\n");
    EXPECT_EQ(cut.beeps, 0);
    file[0] = 0xFF;
    file[1] = 0xFF; // beyond the file: the file's end bounds it
    EXPECT_EQ(list(file, 2).text.substr(0, 16), "   10 A\n   20 B\n");
}

} // namespace
} // namespace lk
