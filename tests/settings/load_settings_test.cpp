#include <gtest/gtest.h>

#include <sstream>

#include "settings/load_settings.h"
#include "settings/profile_file.h"
#include "settings/setting_keys.h"
#include "temp_folder.h"

namespace lk {
namespace {

using test::TempFolder;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

TEST(LoadSettings, CreatesAMissingFileWithEveryDefault) {
    TempFolder dir;
    Settings s;
    std::string path = settingsPathIn(dir.path);
    EXPECT_EQ(path, dir.path + "/Larkspoon.ini");
    EXPECT_TRUE(loadSettings(s, path, dir.path)); // the program beeps
    ProfileFile file(path);
    ASSERT_TRUE(file.load());
    for (const SettingRef& ref : allSettings()) {
        if (ref.key().notADefault) {
            EXPECT_FALSE(file.has(ref.key().section, ref.name()));
            continue;
        }
        EXPECT_EQ(file.get(ref.key().section, ref.name(), "?"), defaultSettingText(ref, dir.path))
            << ref.name();
    }
    EXPECT_EQ(file.get("Directories", "Help", ""), dir.path + "/Larkspoon.hlp");
    EXPECT_EQ(file.get("Display", "CustFontColor[15]", ""), "FFFFFF");
    EXPECT_EQ(s.openFolder, dir.path);
    EXPECT_EQ(s.treeWide, 0);
    EXPECT_TRUE(s.autoSave);
    EXPECT_FALSE(s.dosInt);

    // A second start finds the file and changes nothing.
    std::string before = dir.readText("Larkspoon.ini");
    Settings again;
    EXPECT_FALSE(loadSettings(again, path, dir.path));
    EXPECT_EQ(dir.readText("Larkspoon.ini"), before);
}

TEST(LoadSettings, MissingKeysReadAsTrueExceptTheirOwnDefaults) {
    TempFolder dir;
    std::string text = "[Prompts]\nQuitPrompt=FALSE\n[Debug]\nTSON=FALSE\n[Display]\n"
                       "FontColor=FF\nBkgrndColor=ff0000\n";
    std::string path = dir.writeText("Larkspoon.ini", text);
    Settings s;
    EXPECT_FALSE(loadSettings(s, path, dir.path));
    EXPECT_EQ(dir.readText("Larkspoon.ini"), text); // reading writes nothing
    EXPECT_FALSE(s.quitPrompt);
    EXPECT_FALSE(s.tsOn);
    EXPECT_TRUE(s.tsDat); // the nibble summary is then shown
    EXPECT_TRUE(s.dosInt);
    EXPECT_EQ(s.fontName, "TRUE");
    EXPECT_EQ(s.openFolder, "TRUE");
    // Sizes and colours keep their defaults: text and pictures stay visible.
    EXPECT_EQ(s.fontSize, 9);
    EXPECT_EQ(s.iconWide, 16);
    EXPECT_EQ(s.custFontColor[15], 0xFFFFFFu);
    EXPECT_EQ(s.bufferSize, 14000);
    EXPECT_EQ(s.fontColor, 0x0000FFu); // pure red: COLORREF keeps red in the low byte
    EXPECT_EQ(s.bkgrndColor, 0xFF0000u);
    EXPECT_EQ(s.wide, 0);
    EXPECT_EQ(s.saveTracks, 0); // "TRUE" read as a number

    // Without colours the display keeps black text on white.
    std::string bare = dir.writeText("bare.ini", "[Prompts]\nQuitPrompt=TRUE\n");
    Settings b;
    loadSettings(b, bare, dir.path);
    EXPECT_EQ(b.fontColor, 0x000000u);
    EXPECT_EQ(b.bkgrndColor, 0xFFFFFFu);
}

// Each switch is read by the test its consumers make: "true" is not "TRUE", "false" is not
// "FALSE".
TEST(LoadSettings, SwitchesAreReadByTheirKeysTests) {
    TempFolder dir;
    std::string path =
        dir.writeText("Larkspoon.ini", "[Prompts]\nQuitPrompt=true\nAutoSavePrompt=false\n"
                                       "[Translate]\nHGR=true\nTXT=false\n");
    Settings s;
    loadSettings(s, path, dir.path);
    EXPECT_FALSE(s.quitPrompt);
    EXPECT_TRUE(s.autoSave);
    EXPECT_FALSE(s.hgr);
    EXPECT_TRUE(s.txt);
}

TEST(LoadSettings, LongValuesAreCutToTheirFieldsButFoldersStayWhole) {
    TempFolder dir;
    std::string longFolder = "/" + std::string(300, 'f');
    std::string path =
        dir.writeText("Larkspoon.ini",
                      "[Prompts]\nQuitPrompt=TRUEST\n[Display]\nFontColor=123456789AB\n"
                      "FontName=" +
                          std::string(40, 'N') + "\n[Import]\nBufferSize=" + std::string(20, '9') +
                          "\n[Directories]\nOpen=" + longFolder + "\n");
    Settings s;
    loadSettings(s, path, dir.path);
    EXPECT_EQ(settingText(s, *findSetting("Prompts", "QuitPrompt")), "TRUES");
    EXPECT_EQ(settingText(s, *findSetting("Display", "FontColor")), "123456789");
    EXPECT_EQ(s.fontName, std::string(31, 'N'));
    EXPECT_EQ(settingText(s, *findSetting("Import", "BufferSize")), std::string(15, '9'));
    EXPECT_EQ(s.openFolder, longFolder);
}

TEST(LoadSettings, AWriteChangesOnlyItsKeyInMemoryAndInTheFile) {
    TempFolder dir;
    Settings s;
    std::string path = settingsPathIn(dir.path);
    loadSettings(s, path, dir.path);
    std::vector<std::string> before = linesOf(dir.readText("Larkspoon.ini"));
    ASSERT_TRUE(writeSetting(s, path, "directories", "OPEN", "/images"));
    EXPECT_EQ(s.openFolder, "/images");
    std::vector<std::string> after = linesOf(dir.readText("Larkspoon.ini"));
    ASSERT_EQ(after.size(), before.size());
    int changed = 0;
    for (size_t i = 0; i < after.size(); ++i) {
        if (after[i] == before[i]) continue;
        ++changed;
        EXPECT_EQ(after[i], "OPEN=/images");
        EXPECT_EQ(before[i], "Open=" + dir.path);
    }
    EXPECT_EQ(changed, 1);
    EXPECT_FALSE(writeSetting(s, path, "Directories", "NoSuchKey", "x"));
    ASSERT_TRUE(writeSetting(s, path, "Display", "custfontcolor[3]", "ff"));
    EXPECT_EQ(s.custFontColor[3], 0xFFu);
    EXPECT_FALSE(writeSetting(s, path, "Display", "CustFontColor[16]", "0"));
}

TEST(SettingValues, ColourTextsRoundTripAndReadAsStrtolDoes) {
    for (uint32_t c : {0x0u, 0xFFu, 0xFF0000u, 0xABCDEFu})
        EXPECT_EQ(colorFromText(colorText(c)), c) << std::hex << c;
    EXPECT_EQ(colorText(0), "0");
    struct Case {
        const char* text;
        uint32_t value;
    } cases[] = {{"0x1f", 0x1F},
                 {"  abc", 0xABC},
                 {"12zz", 0x12},
                 {"TRUE", 0},
                 {"-1", 0xFFFFFFFF},
                 {"123456789", 0xFFFFFFFF}}; // beyond 32 bits: held at the largest value
    for (const Case& c : cases) EXPECT_EQ(colorFromText(c.text), c.value) << c.text;
}

TEST(SettingValues, NumbersReadAsAtoiDoes) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{" 42abc", 42}, {"-7", -7}, {"INI not found!", 0}, {"99999999999", 2147483647}};
    for (const Case& c : cases) EXPECT_EQ(settingNumber(c.text), c.value) << c.text;
}

} // namespace
} // namespace lk
