// The settings file: the INI reader and writer that keeps every other line, and the settings
// read from it, created with every default when it is missing.
#include <gtest/gtest.h>

#include "settings/load_settings.h"
#include "settings/profile_file.h"
#include "settings/setting_keys.h"
#include "temp_folder.h"

namespace lk {
namespace {

using test::TempFolder;

TEST(ProfileFile, LooksUpWithoutRegardToCaseAndWritesOnlyWhatItMust) {
    TempFolder dir;
    ProfileFile file(dir.writeText("a.ini", "; by hand\n[Prompts]\nQuitPrompt = FALSE  \n"
                                            "DelPrompt=\"TRUE\"\n[display]\nFontName=Courier New\n"
                                            "odd line\n[Prompts]\nOpenDir=FALSE\n"));
    ASSERT_TRUE(file.load());
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"PROMPTS", "quitprompt", "FALSE"},
        {"prompts", "DelPrompt", "TRUE"},       // one pair of quotes goes
        {"Display", "FONTNAME", "Courier New"}, // blanks inside stay
        {"Prompts", "OpenDir", "default"},      // only the first section of a name counts
        {"Nowhere", "QuitPrompt", "default"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(file.get(c.section, c.key, "default"), c.expected) << c.section << "/" << c.key;
    EXPECT_FALSE(ProfileFile(dir.file("absent.ini")).load());

    // A write changes its key's line in place, or adds the key at the end of its section, or a
    // new section; every other line, Windows line ends and a missing last line end are kept.
    struct Write {
        const char* before;
        const char* after;
    } writes[] = {
        {"; x\n[A]\nk = old  \n\n[B]\ny=2\n", "; x\n[A]\nK=1\nz=3\n\n[B]\ny=2\n\n[C]\nw=4\n"},
        {"[A]\r\nk=5\r\n[B]\r\ny=2", "[A]\r\nK=1\r\nz=3\r\n[B]\r\ny=2\r\n\r\n[C]\r\nw=4\r\n"},
        {"", "[a]\nK=1\nz=3\n\n[C]\nw=4\n"},
    };
    for (const Write& c : writes) {
        ProfileFile file(dir.writeText("w.ini", c.before));
        file.load();
        file.set("a", "K", "1");
        file.set("A", "z", "3");
        file.set("C", "w", "4");
        EXPECT_EQ(dir.readText("w.ini"), c.before) << "nothing is written before save()";
        ASSERT_TRUE(file.save());
        EXPECT_EQ(dir.readText("w.ini"), c.after);
    }
    ProfileFile nowhere(dir.file("no/such/folder.ini"));
    nowhere.set("S", "k", "v");
    EXPECT_FALSE(nowhere.save());
}

TEST(LoadSettings, CreatesAMissingFileWithEveryDefaultAndReadsItBack) {
    TempFolder dir;
    Settings s;
    std::string path = settingsPathIn(dir.path);
    EXPECT_EQ(path, dir.path + "/Larkspoon.ini");
    EXPECT_TRUE(loadSettings(s, path, dir.path)); // the program beeps
    ProfileFile file(path);
    ASSERT_TRUE(file.load());
    for (const SettingRef& ref : allSettings()) {
        if (ref.key().notADefault)
            EXPECT_FALSE(file.has(ref.key().section, ref.name())) << ref.name();
        else
            EXPECT_EQ(file.get(ref.key().section, ref.name(), "?"),
                      defaultSettingText(ref, dir.path))
                << ref.name();
    }
    EXPECT_EQ(s.openFolder, dir.path);
    EXPECT_TRUE(s.autoSave);
    EXPECT_FALSE(s.dosInt);

    // A second start finds the file and changes nothing; a write changes one key in memory
    // and one line of the file, and refuses a key the program does not know.
    std::string before = dir.readText("Larkspoon.ini");
    Settings again;
    EXPECT_FALSE(loadSettings(again, path, dir.path));
    EXPECT_EQ(dir.readText("Larkspoon.ini"), before);
    ASSERT_TRUE(writeSetting(s, path, "directories", "OPEN", "/images"));
    EXPECT_EQ(s.openFolder, "/images");
    before.replace(before.find("Open=" + dir.path + "\n"), dir.path.size() + 5, "OPEN=/images");
    EXPECT_EQ(dir.readText("Larkspoon.ini"), before);
    EXPECT_FALSE(writeSetting(s, path, "Directories", "NoSuchKey", "x"));
    EXPECT_FALSE(writeSetting(s, path, "Display", "CustFontColor[16]", "0"));
}

// A missing key reads "TRUE", except the sizes and colours, which keep their defaults so that
// text stays visible. Each switch is read by its consumers' test: "true" is not "TRUE".
TEST(LoadSettings, MissingKeysAndSwitchesAreReadAsTheirConsumersRead) {
    TempFolder dir;
    std::string folder = "/" + std::string(300, 'f');
    std::string text = "[Prompts]\nQuitPrompt=true\nAutoSavePrompt=false\n[Debug]\nTSON=FALSE\n"
                       "[Display]\nFontColor=FF\nFontName=" +
                       std::string(40, 'N') + "\n[Directories]\nOpen=" + folder + "\n";
    std::string path = dir.writeText("Larkspoon.ini", text);
    Settings s;
    EXPECT_FALSE(loadSettings(s, path, dir.path));
    EXPECT_EQ(dir.readText("Larkspoon.ini"), text); // reading writes nothing
    EXPECT_FALSE(s.quitPrompt);
    EXPECT_TRUE(s.autoSave);
    EXPECT_FALSE(s.tsOn);
    EXPECT_TRUE(s.dosInt);
    EXPECT_EQ(s.fontName, std::string(31, 'N')); // cut to its field
    EXPECT_EQ(s.openFolder, folder);             // folders stay whole
    EXPECT_EQ(s.fontSize, 9);
    EXPECT_EQ(s.fontColor, 0x0000FFu); // pure red: COLORREF keeps red in the low byte
    EXPECT_EQ(s.bkgrndColor, 0xFFFFFFu);
    EXPECT_EQ(s.saveTracks, 0); // "TRUE" read as a number
}

TEST(SettingValues, ColoursAndNumbersReadAsStrtolAndAtoiDo) {
    for (uint32_t c : {0x0u, 0xFF0000u, 0xABCDEFu}) EXPECT_EQ(colorFromText(colorText(c)), c);
    struct Case {
        const char* text;
        uint32_t colour;
        int number;
    } cases[] = {{"  12zz", 0x12, 12},
                 {"TRUE", 0, 0},
                 {"-1", 0xFFFFFFFF, -1},
                 {"99999999999", 0xFFFFFFFF, 2147483647}}; // held at the largest value
    for (const Case& c : cases) {
        EXPECT_EQ(colorFromText(c.text), c.colour) << c.text;
        EXPECT_EQ(settingNumber(c.text), c.number) << c.text;
    }
}

} // namespace
} // namespace lk
