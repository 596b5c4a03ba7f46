// AppleWorks documents and data bases built by hand; every expected text follows from the file
// format's rules.
#include <gtest/gtest.h>

#include "appleworks_builder.h"
#include "translate/appleworks_dates.h"
#include "translate/appleworks_db.h"
#include "translate/appleworks_wp.h"
#include "translate/rich_text_html.h"

namespace lk::test {
namespace {

constexpr TextAlignment kCentre = TextAlignment::Center, kRight = TextAlignment::Right;
const RunFormat kPlain{}, kBold{.bold = true};
// Nine tenths of the 9-point display font.
const RunFormat kUp{.offsetTwips = 30, .heightTwips = 162};
const RunFormat kDown{.offsetTwips = -28, .heightTwips = 162};

RichText wp(const std::vector<uint8_t>& file) {
    return translateAppleWorksWP(Bytes(file), 9);
}

TEST(AppleWorksWP, VersionChoosesTheStartAndWhetherRulersAreSkipped) {
    std::vector<uint8_t> v3 = wpDocument(30, {wpLine("------", true, 0xFF), wpLine("HELLO")});
    v3[0x12D] = 0xD0; // a carriage return, were the records read from $12C
    EXPECT_EQ(wp(v3).plainText(), "HELLO\n");
    // 200 is a negative version: records from $12C, and a line marked $FF is text.
    std::vector<uint8_t> old = wpDocument(200, {wpLine("RULER", true, 0xFF), wpLine("HELLO")});
    EXPECT_EQ(wp(old).plainText(), "RULER\nHELLO\n");
}

// A document of every code and alignment: its records, and the runs they give.
std::vector<std::string> formatsRecords() {
    const std::string title = "\x01TITLE & <NEWS>\x02",
                      shifts = "E=MC\x03"
                               "2\x04 H\x05"
                               "2\x06O ",
                      note = "\x01\x07NOTE\x08\x02\x16"
                             "END\x0B\xE9";
    return {wpRecord(0xE1), wpLine(title),  wpRecord(0xDF), wpLine(shifts, false),
            wpLine(note),   wpRecord(0xD0), wpRecord(0xD7), wpLine("PAGE\x01 1", false)};
}

RichText formatsRuns() {
    RichText e;
    e.append("TITLE & <NEWS>", kBold, kCentre);
    e.append("\n", kPlain, kCentre);
    e.append("E=MC", kPlain);
    e.append("2", kUp);
    e.append(" H", kPlain);
    e.append("2", kDown);
    e.append("O ", kPlain);
    e.append("NOTE", RunFormat{.bold = true, .underline = true});
    e.append("\tEND\xE9\n\n", kPlain);
    e.append("PAGE", kPlain, kRight);
    e.append(" 1", kBold, kRight); // bold never turned off lasts to the end
    return e;
}

TEST(AppleWorksWP, FormatsTabsParagraphsAndAlignment) {
    EXPECT_EQ(wp(wpDocument(0, formatsRecords())).runs, formatsRuns().runs);
    // The next document starts from the plain format again.
    EXPECT_EQ(wp(wpDocument(0, {wpLine("NEXT")})).runs[0].format, kPlain);
}

TEST(AppleWorksWP, UnpairedShiftsAndCutFilesStaySafe) {
    // A subscript begun inside a superscript: back to the full size at its end.
    RichText shifts = wp(wpDocument(0, {wpLine("\x03"
                                               "A\x05"
                                               "B\x06"
                                               "C",
                                               false)}));
    ASSERT_EQ(shifts.runs.size(), 3u);
    EXPECT_EQ(shifts.runs[1].format, kDown);
    EXPECT_EQ(shifts.runs[2].format, kPlain);

    // A line whose length runs past the end of the file: its text as far as the file goes. Each
    // file is a buffer of its own size, so that a read past its end is caught.
    std::vector<uint8_t> doc = wpDocument(0, {wpLine("CUT OFF HERE")});
    auto first = [&](size_t n) {
        return wp(std::vector<uint8_t>(doc.begin(), doc.begin() + long(n)));
    };
    EXPECT_EQ(first(doc.size() - 6).plainText(), "CUT OFF \n");
    for (size_t n : {0, 0x12C, 0x12D, 0x12E, 0x12F}) EXPECT_TRUE(first(n).runs.empty()) << n;
}

TEST(AppleWorksDates, DatesAndTimes) {
    struct Case {
        std::string value, shown;
    } cases[] = {
        {"\xC0"
         "87A05",
         "Jan 05 87"},
        {"\xC0"
         "00A05",
         "Jan 05"},
        {"\xC0"
         "99L31",
         "Dec 31 99"},
        {"\xC0"
         "87M05",
         "? 05 87"},
        {"\xC0"
         "87@05",
         "? 05 87"},
        {"\xC0"
         "87",
         "? ?? 87"},
        {"\xD4W30", "10:30 PM"},
        {"\xD4"
         "A00",
         "12:00 AM"},
        {"\xD4"
         "B05",
         " 1:05 AM"},
        {"\xD4"
         "K59",
         "10:59 AM"},
        {"\xD4"
         "M00",
         "12:00 PM"},
        {"\xD4"
         "N15",
         " 1:15 PM"},
        {"\xD4X45", "11:45 PM"},
        {"\xD4Y30", "??:30"},
        {"\xD4"
         "B",
         " 1:?? AM"},
    };
    for (const Case& c : cases) {
        Bytes v(reinterpret_cast<const uint8_t*>(c.value.data()), c.value.size());
        EXPECT_EQ(c.value[0] == '\xC0' ? appleWorksDate(v) : appleWorksTime(v), c.shown) << c.shown;
    }
}

DbFile people() {
    DbFile f;
    f.categories = {"NAME", "BIRTHDAY", "WAKES AT", "CITY", "NOTES"};
    f.columns = {{1, 8}, {2, 11}, {3, 10}, {4, 7}, {5, 6}};
    f.records = {
        dbValue("SMITHSON") +
            "\x06\xC0"
            "87A05"
            "\x04\xD4W30" +
            dbValue("BOSTON") + dbValue(std::string("HI\0THERE", 8)) + "\xFF",
        dbValue("JONES") + "\x06\xC0"
                           "00A05"
                           "\xFF",                 // two of five, then the end mark
        dbValue("LEE") + "\x82" + dbValue("ROME"), // two skipped; no end mark
    };
    return f;
}

const std::string kPeople = "NAME    BIRTHDAY   WAKES AT  CITY   NOTES \n" + std::string(79, '=') +
                            "\n"
                            "SMITHSO Jan 05 87  10:30 PM  BOSTON HI    \n"
                            "JONES   Jan 05     -         -      -     \n"
                            "LEE     -          -         ROME   -     \n";

std::string db(const std::vector<uint8_t>& file, bool tryAnyway = false) {
    Outcome outcome;
    std::string table = listAppleWorksDB(Bytes(file), tryAnyway, outcome);
    EXPECT_FALSE(outcome.question);
    return table;
}

TEST(AppleWorksDB, HeaderRuleAndOneLinePerRecord) {
    EXPECT_EQ(db(people().bytes()), kPeople);
    // Category counts and column counts beyond what the file or the layout holds change nothing.
    std::vector<uint8_t> wide = people().bytes();
    wide[0x23] = 200; // names and categories past the end
    wide[0xDE] = 200; // the layout has 36 columns; the rest have no width
    EXPECT_EQ(db(wide), kPeople);
    // Two columns show the fifth category and the first: every category is read, not only as
    // many as there are columns.
    DbFile two = people();
    two.columns = {{5, 6}, {1, 8}};
    EXPECT_EQ(db(two.bytes()), "NOTES NAME    \n" + std::string(79, '=') +
                                   "\nHI    SMITHSO \n-     JONES   \n-     LEE     \n");
    // 36 columns of 60: the rule is cut at 2047.
    DbFile many = people();
    many.columns.assign(36, {1, 60});
    many.categories.resize(36, "X");
    std::string table = db(many.bytes());
    EXPECT_EQ(table.find('\n', table.find('\n') + 1) - table.find('\n') - 1, 2047u);
}

TEST(AppleWorksDB, OtherVersionsAskFirst) {
    DbFile f = people();
    f.version = 2;
    Outcome outcome;
    EXPECT_EQ(listAppleWorksDB(Bytes(f.bytes()), false, outcome), "");
    ASSERT_TRUE(outcome.question);
    EXPECT_EQ(messageText(*outcome.question),
              "AppleWorks DB version 2 is not supported! Try anyway?");
    EXPECT_EQ(messageDef(outcome.question->id).caption, "Larkspoon Warning!");
    EXPECT_EQ(db(f.bytes(), true), kPeople);
}

TEST(AppleWorksDB, OddColumnsAndValuesShowSafely) {
    DbFile f;
    f.categories = {"WHEN", "TIME", "TEXT"};
    // Category 0, category 9 of 3, and a width of 0 show empty or not at all.
    f.columns = {{0, 4}, {9, 4}, {1, 0}, {1, 8}, {2, 7}, {3, 6}};
    f.records = {"\x06\xC0"
                 "87M05"
                 "\x04\xD4Y30"
                 "\x32SHORT"};
    EXPECT_EQ(db(f.bytes()), "        WHEN    TIME   TEXT  \n" + std::string(79, '=') +
                                 "\n        ? 05 87 ??:30  SHORT \n");
}

TEST(AppleWorksDB, ShortFilesAndRecordsPastTheEndListNothingMore) {
    DbFile f = people();
    f.version = 1; // no question either
    std::vector<uint8_t> file = f.bytes();
    EXPECT_EQ(db(std::vector<uint8_t>(file.begin(), file.begin() + 356)), "");
    std::vector<uint8_t> noRecords = people().bytes();
    noRecords[0x26] = 200; // report formats past the end
    EXPECT_EQ(db(noRecords), "");
    // The last record runs past the end of the file: the table stops before it.
    std::vector<uint8_t> cut(file.begin(), file.end() - 4);
    EXPECT_EQ(db(cut, true), kPeople.substr(0, kPeople.rfind("LEE")));
}

// The table stops after the line that takes it past what the display pane holds.
TEST(AppleWorksDB, ATableLongerThanThePaneHoldsStopsAfterThatLine) {
    DbFile f;
    f.categories = {"A"};
    f.columns.assign(36, {1, 255});
    f.records.assign(2000, "\xFF");
    std::string table = db(f.bytes());
    size_t line = 36 * 255 + 1;
    EXPECT_GT(table.size(), kTableTextLimit);
    EXPECT_LE(table.size() - line, kTableTextLimit);
}

TEST(RichTextHtml, ParagraphsAlignedAndRunsTagged) {
    std::string html = htmlDocument(formatsRuns(), "A&B");
    EXPECT_NE(html.find("<title>A&amp;B</title>"), std::string::npos);
    EXPECT_NE(html.find("<body>\n"
                        "<p style=\"text-align: center\"><b>TITLE &amp; &lt;NEWS&gt;</b></p>\n"
                        "<p>E=MC<sup>2</sup> H<sub>2</sub>O <b><u>NOTE</u></b>\tEND\xC3\xA9</p>\n"
                        "<p><br></p>\n"
                        "<p style=\"text-align: right\">PAGE<b> 1</b></p>\n"
                        "</body>\n</html>\n"),
              std::string::npos)
        << html;
}

} // namespace
} // namespace lk::test
