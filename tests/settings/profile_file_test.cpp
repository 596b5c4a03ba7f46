#include <gtest/gtest.h>

#include "settings/profile_file.h"
#include "temp_folder.h"

namespace lk {
namespace {

using test::TempFolder;

const char* const kSample = "; written by hand\n"
                            "[Prompts]\n"
                            "QuitPrompt = FALSE  \n"
                            "DelPrompt=\"TRUE\"\n"
                            "\n"
                            "[display]\n"
                            "FontName=Courier New\n"
                            "odd line without equals\n"
                            "\n"
                            "[Prompts]\n"
                            "OpenDir=FALSE\n";

TEST(ProfileFile, LooksUpWithoutRegardToCaseAndTrimsValues) {
    TempFolder dir;
    std::string path = dir.writeText("a.ini", kSample);
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Prompts", "QuitPrompt", "FALSE"},     {"PROMPTS", "quitprompt", "FALSE"},
        {"prompts", "DelPrompt", "TRUE"},       // one pair of quotes goes
        {"Display", "FONTNAME", "Courier New"}, // blanks inside stay
        {"Prompts", "OpenDir", "default"},      // only the first section of a name counts
        {"Prompts", "Missing", "default"},      {"Nowhere", "QuitPrompt", "default"},
        {"written by hand", "x", "default"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readProfileString(path, c.section, c.key, "default"), c.expected)
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(readProfileString(dir.file("absent.ini"), "Prompts", "QuitPrompt", "none"), "none");
}

TEST(ProfileFile, WriteReplacesOnlyItsLine) {
    TempFolder dir;
    std::string path = dir.writeText("a.ini", kSample);
    ASSERT_TRUE(writeProfileString(path, "PROMPTS", "quitPrompt", "TRUE"));
    std::string expected = kSample;
    expected.replace(expected.find("QuitPrompt = FALSE  "), 20, "quitPrompt=TRUE");
    EXPECT_EQ(dir.readText("a.ini"), expected);
}

TEST(ProfileFile, WriteAddsKeyAtEndOfItsSectionOrANewSection) {
    TempFolder dir;
    std::string path = dir.writeText("a.ini", "[A]\nx=1\n\n[B]\ny=2\n");
    ASSERT_TRUE(writeProfileString(path, "a", "z", "3"));
    ASSERT_TRUE(writeProfileString(path, "C", "w", "4"));
    EXPECT_EQ(dir.readText("a.ini"), "[A]\nx=1\nz=3\n\n[B]\ny=2\n\n[C]\nw=4\n");
}

TEST(ProfileFile, KeepsWindowsLineEndsAndAMissingLastNewline) {
    TempFolder dir;
    std::string path = dir.writeText("a.ini", "[A]\r\nx=1\r\n[B]\r\ny=2");
    ASSERT_TRUE(writeProfileString(path, "A", "x", "5"));
    ASSERT_TRUE(writeProfileString(path, "B", "n", "6"));
    ASSERT_TRUE(writeProfileString(path, "D", "m", "7"));
    EXPECT_EQ(dir.readText("a.ini"), "[A]\r\nx=5\r\n[B]\r\ny=2\r\nn=6\r\n\r\n[D]\r\nm=7\r\n");
}

TEST(ProfileFile, CreatesAMissingFileAndFailsWhereNoFileCanBe) {
    TempFolder dir;
    ASSERT_TRUE(writeProfileString(dir.file("new.ini"), "S", "k", "v"));
    EXPECT_EQ(dir.readText("new.ini"), "[S]\nk=v\n");
    EXPECT_FALSE(writeProfileString(dir.file("no/such/folder.ini"), "S", "k", "v"));
}

TEST(ProfileFile, EditsInMemoryUntilSaved) {
    TempFolder dir;
    ProfileFile file(dir.file("m.ini"));
    EXPECT_FALSE(file.load());
    file.set("S", "a", "1");
    file.set("s", "A", "2");
    EXPECT_TRUE(file.has("S", "a"));
    EXPECT_EQ(file.get("S", "a", ""), "2");
    EXPECT_FALSE(dir.exists("m.ini"));
    ASSERT_TRUE(file.save());
    EXPECT_EQ(dir.readText("m.ini"), "[S]\nA=2\n");
}

} // namespace
} // namespace lk
