// AppleWorks documents and data bases built by hand; every expected text follows from the file
// format's rules.
#include <gtest/gtest.h>

#include <optional>

#include "appleworks_builder.h"
#include "translate/appleworks_db.h"
#include "translate/appleworks_wp.h"

namespace lk::test {
namespace {

constexpr auto kCentre = TextAlignment::Center, kRight = TextAlignment::Right;
const RunFormat kPlain{}, kBold{.bold = true}, kUnder{.underline = true};
// Raised and lowered: nine tenths of the 9-point display font.
const RunFormat kUp{.offsetTwips = 30, .heightTwips = 162},
    kDown{.offsetTwips = -28, .heightTwips = 162};

// Each file is a buffer of its own size, so that a read past its end is caught.
RichText wp(const std::vector<uint8_t>& file, size_t size = SIZE_MAX) {
    std::vector<uint8_t> exact(file.begin(), file.begin() + long(std::min(size, file.size())));
    return translateAppleWorksWP(Bytes(exact), 9);
}

RichText letterRuns() {
    RichText e;
    e.append("LARKSPOON GAZETTE", kBold, kCentre);
    e.append("\n", kPlain, kCentre);
    e.append("\nDear reader, this letter keeps its ", kPlain);
    e.append("bold", kBold);
    e.append(", ", kPlain);
    e.append("underlined", kUnder);
    e.append(", E=mc", kPlain);
    e.append("2", kUp);
    e.append(" and H", kPlain);
    e.append("2", kDown);
    e.append("O.\n\tCaf\xE9 & disks\t$4.95\n\n", kPlain);
    e.append("Yours, ", kPlain, kRight);
    e.append("The Editor\n", kBold, kRight); // bold never turned off lasts to the end
    return e;
}

TEST(AppleWorksWP, FormatsTabsParagraphsAlignmentAndRulers) {
    std::vector<uint8_t> letter = sampleLetter();
    letter[0x12D] = 0xD0; // a carriage return, were version 30's records read from $12C
    EXPECT_EQ(wp(letter).runs, letterRuns().runs);
    // Version 200 is negative: records from $12C, and a line marked $FF is text, not a ruler.
    EXPECT_EQ(wp(wpDocument(200, wpLine("RULER", true, 0xFF))).plainText(), "RULER\n");
    // A subscript begun inside a superscript: the full size again at its end.
    EXPECT_EQ(wp(wpDocument(0, wpLine("\003A\005B\006C"))).runs.back().format, kPlain);
    // A line running past the end: its text as far as the file goes.
    std::vector<uint8_t> doc = wpDocument(0, wpLine("CUT OFF HERE"));
    EXPECT_EQ(wp(doc, doc.size() - 6).plainText(), "CUT OFF \n");
    for (size_t n : {0, 0x12C, 0x12D, 0x12E, 0x12F}) EXPECT_TRUE(wp(doc, n).runs.empty()) << n;
}

const std::string kPeople =
    "Name          City      Born       Wakes at  Notes                                   \n" +
    std::string(85, '=') +
    "\nAda Lovelace  London    Dec 10 15  12:00 AM  Wrote the first program for a machine n \n"
    "Larkspoon     Cupertino Jan 05 87  10:30 PM  Hi                                      \n"
    "Steve Wozniak San Jose  -          -         -                                       \n"
    "Grace Hopper  New York  Dec 09 06   1:15 PM  -                                       \n"
    "Bill Atkinson -         Jan 05     12:00 PM  -                                       \n";

// The table of the file's first `size` bytes, and the question it asked.
std::string db(const std::vector<uint8_t>& file, bool tryAnyway = false, size_t size = SIZE_MAX,
               std::optional<Message>* asked = nullptr) {
    Outcome outcome;
    std::vector<uint8_t> exact(file.begin(), file.begin() + long(std::min(size, file.size())));
    std::string table = listAppleWorksDB(Bytes(exact), tryAnyway, outcome);
    if (asked) *asked = outcome.question;
    return table;
}

TEST(AppleWorksDB, TableOfTheLayoutsColumnsAndTheVersionQuestion) {
    std::vector<uint8_t> people = samplePeople().bytes();
    EXPECT_EQ(db(people), kPeople);
    std::vector<uint8_t> wide = people;
    wide[0x23] = 200; // categories whose names lie past the end
    wide[0xDE] = 200; // columns: the layout holds 36, the rest have no width
    EXPECT_EQ(db(wide), kPeople);
    // The last record runs past the end of the file: the table stops before it.
    EXPECT_EQ(db(people, false, people.size() - 4), kPeople.substr(0, kPeople.rfind("Bill")));
    DbFile two = samplePeople();
    two.columns = {{5, 6}, {1, 8}}; // every category is read, not only as many as the columns
    EXPECT_EQ(
        db(two.bytes()),
        "Notes Name    \n" + std::string(79, '=') +
            "\nWrote Ada Lov \nHi    Larkspo \n-     Steve W \n-     Grace H \n-     Bill At \n");

    people[0xDA] = 2; // another version
    std::optional<Message> asked;
    EXPECT_EQ(db(people, false, SIZE_MAX, &asked), "");
    ASSERT_TRUE(asked);
    EXPECT_EQ(messageText(*asked), "AppleWorks DB version 2 is not supported! Try anyway?");
    EXPECT_EQ(messageDef(asked->id).caption, "Larkspoon Warning!");
    EXPECT_EQ(db(people, true), kPeople);
    EXPECT_EQ(db(people, false, 356, &asked), ""); // too short for a table: not even asked
    EXPECT_FALSE(asked);
    people[0x26] = 100; // report formats past the end
    EXPECT_EQ(db(people, true), "");
}

TEST(AppleWorksDB, OddColumnsAndValuesShowSafely) {
    DbFile f;
    f.categories = {"WHEN", "TIME", "TEXT"};
    // Category 0, category 9 of 3, and a width of 0 show empty or not at all.
    f.columns = {{0, 4}, {9, 4}, {1, 0}, {1, 8}, {2, 7}, {3, 6}};
    f.records = {dbDate("87M05") + dbTime("Y30") + "\x32SHORT"}; // the value runs past
    EXPECT_EQ(db(f.bytes()), "        WHEN    TIME   TEXT  \n" + std::string(79, '=') +
                                 "\n        ? 05 87 ??:30  SHORT \n");
    // A table longer than the pane holds stops after the line that passes its limit.
    f.columns.assign(36, {1, 255});
    f.records.assign(2000, "\xFF");
    std::string table = db(f.bytes());
    EXPECT_GT(table.size(), kTableTextLimit);
    EXPECT_LE(table.size() - 36 * 255 - 1, kTableTextLimit);
}

} // namespace
} // namespace lk::test
