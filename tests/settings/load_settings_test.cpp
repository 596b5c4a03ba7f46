#include <gtest/gtest.h>

#include <sstream>

#include "scripted_platform.h"
#include "settings/load_settings.h"
#include "temp_folder.h"

namespace lk {
namespace {

using test::ScriptedPlatform;
using test::TempFolder;

// The file as the program first writes it, section by section.
std::vector<std::string> expectedDefaultLines(const std::string& folder) {
    std::vector<std::string> lines = {"[Prompts]",
                                      "QuitPrompt=TRUE",
                                      "DelPrompt=TRUE",
                                      "AutoSavePrompt=TRUE",
                                      "OpenDir=TRUE",
                                      "",
                                      "[Translate]",
                                      "AWP=TRUE",
                                      "GWP=TRUE",
                                      "TXT=TRUE",
                                      "SRC=TRUE",
                                      "BAS=TRUE",
                                      "HGR=TRUE",
                                      "HGRScale=2",
                                      "DHR=TRUE",
                                      "SHRC10000=TRUE",
                                      "SHRC00001=TRUE",
                                      "ICN=TRUE",
                                      "DOSAPSFT=TRUE",
                                      "DOSTXT=TRUE",
                                      "DOSBIN=TRUE",
                                      "DOSINT=FALSE",
                                      "DEFTRANS2=TRUE",
                                      "",
                                      "[Display]",
                                      "STDFont=TRUE",
                                      "A2Font=FALSE",
                                      "OtherFont=FALSE",
                                      "FontName=Courier New",
                                      "FontSize=9",
                                      "FontColor=000000"};
    const char* ramp[16] = {"0",      "111111", "222222", "333333", "444444", "555555",
                            "666666", "777777", "888888", "999999", "AAAAAA", "BBBBBB",
                            "CCCCCC", "DDDDDD", "EEEEEE", "FFFFFF"};
    for (int i = 0; i < 16; ++i)
        lines.push_back("CustFontColor[" + std::to_string(i) + "]=" + ramp[i]);
    lines.push_back("BkgrndColor=FFFFFF");
    for (int i = 0; i < 16; ++i)
        lines.push_back("CustBkgrndColor[" + std::to_string(i) + "]=" + ramp[i]);
    for (std::string l : {"", "[Tree]", "Iconwide=16", "Iconhigh=16", "", "[Data]", "Version=0.87",
                          "", "[Directories]"})
        lines.push_back(l);
    lines.push_back("Open=" + folder);
    lines.push_back("Help=" + folder + "/Larkspoon.hlp");
    for (std::string l :
         {"", "[Debug]", "TSON=TRUE", "TSDAT=FALSE", "TSTSDAT=FALSE", "", "[MainWindowSize]",
          "Left=0", "Top=0", "Wide=0", "High=0", "", "[TrackStar]", "AllowNibSave=TRUE",
          "SaveTracks=35", "", "[Import]", "BufferSize=14000"})
        lines.push_back(l);
    return lines;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

TEST(LoadSettings, CreatesAMissingFileWithEveryDefaultInOrder) {
    TempFolder dir;
    ScriptedPlatform platform;
    Settings s;
    std::string path = settingsPathIn(dir.path);
    EXPECT_EQ(path, dir.path + "/Larkspoon.ini");
    loadSettings(s, path, dir.path, platform);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(linesOf(dir.readText("Larkspoon.ini")), expectedDefaultLines(dir.path));
    EXPECT_EQ(s.openFolder, dir.path);
    EXPECT_EQ(s.treeWide, "");

    // A second start finds the file and changes nothing.
    std::string before = dir.readText("Larkspoon.ini");
    Settings again;
    loadSettings(again, path, dir.path, platform);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(dir.readText("Larkspoon.ini"), before);
}

TEST(LoadSettings, MissingKeysReadAsTrueExceptTheirOwnDefaults) {
    TempFolder dir;
    ScriptedPlatform platform;
    std::string text = "[Prompts]\nQuitPrompt=FALSE\n[Debug]\nTSON=FALSE\n[Display]\n"
                       "FontColor=FF\nBkgrndColor=ff0000\n";
    std::string path = dir.writeText("Larkspoon.ini", text);
    Settings s;
    loadSettings(s, path, dir.path, platform);
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(dir.readText("Larkspoon.ini"), text); // reading writes nothing
    EXPECT_EQ(s.quitPrompt, "FALSE");
    EXPECT_EQ(s.tsDat, "TRUE"); // the nibble summary is then shown
    EXPECT_EQ(s.dosInt, "TRUE");
    EXPECT_EQ(s.fontName, "TRUE");
    EXPECT_EQ(s.openFolder, "TRUE");
    // Sizes and colours keep their defaults: text and pictures stay visible.
    EXPECT_EQ(s.fontPoints, 9);
    EXPECT_EQ(s.iconWidth, 16);
    EXPECT_EQ(s.custFontColor[15], "FFFFFF");
    EXPECT_EQ(s.bufferSize, "14000");
    EXPECT_EQ(s.fontColorRef, 0x0000FFu); // pure red: COLORREF keeps red in the low byte
    EXPECT_EQ(s.bkgrndColorRef, 0xFF0000u);
    EXPECT_EQ(s.wide, "0");
    EXPECT_EQ(s.treeWide, "");

    // Without colours the display keeps black text on white.
    std::string bare = dir.writeText("bare.ini", "[Prompts]\nQuitPrompt=TRUE\n");
    Settings b;
    loadSettings(b, bare, dir.path, platform);
    EXPECT_EQ(b.fontColorRef, 0x000000u);
    EXPECT_EQ(b.bkgrndColorRef, 0xFFFFFFu);
}

TEST(LoadSettings, LongValuesAreCutToTheirFieldsButFoldersStayWhole) {
    TempFolder dir;
    ScriptedPlatform platform;
    std::string longFolder = "/" + std::string(300, 'f');
    std::string path =
        dir.writeText("Larkspoon.ini",
                      "[Prompts]\nQuitPrompt=TRUEST\n[Display]\nFontColor=123456789AB\n"
                      "FontName=" +
                          std::string(40, 'N') + "\n[Import]\nBufferSize=" + std::string(20, '9') +
                          "\n[Directories]\nOpen=" + longFolder + "\n");
    Settings s;
    loadSettings(s, path, dir.path, platform);
    EXPECT_EQ(s.quitPrompt, "TRUES");
    EXPECT_EQ(s.fontColor, "123456789");
    EXPECT_EQ(s.fontName, std::string(31, 'N'));
    EXPECT_EQ(s.bufferSize, std::string(15, '9'));
    EXPECT_EQ(s.openFolder, longFolder);
}

TEST(LoadSettings, AWriteChangesOnlyItsKeyInMemoryAndInTheFile) {
    TempFolder dir;
    ScriptedPlatform platform;
    Settings s;
    std::string path = settingsPathIn(dir.path);
    loadSettings(s, path, dir.path, platform);
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
}

TEST(SettingValues, ColourTextsRoundTripAndReadAsStrtolDoes) {
    for (uint32_t c : {0x0u, 0xFFu, 0xFF00u, 0xFF0000u, 0x111111u, 0xABCDEFu, 0xFFFFFFu})
        EXPECT_EQ(colorFromText(colorText(c)), c) << std::hex << c;
    EXPECT_EQ(colorText(0xFF), "FF");
    EXPECT_EQ(colorText(0), "0");
    struct Case {
        const char* text;
        uint32_t value;
    } cases[] = {{"FF", 0xFF},
                 {"ff0000", 0xFF0000},
                 {"0x1f", 0x1F},
                 {"  abc", 0xABC},
                 {"12zz", 0x12},
                 {"", 0},
                 {"TRUE", 0},
                 {"-1", 0xFFFFFFFF},
                 {"123456789", 0xFFFFFFFF}}; // beyond 32 bits: held at the largest value
    for (const Case& c : cases) EXPECT_EQ(colorFromText(c.text), c.value) << c.text;
}

TEST(SettingValues, NumbersReadAsAtoiDoes) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"120", 120},
                 {" 42abc", 42},
                 {"-7", -7},
                 {"+3", 3},
                 {"INI not found!", 0},
                 {"", 0},
                 {"99999999999", 2147483647}};
    for (const Case& c : cases) EXPECT_EQ(settingNumber(c.text), c.value) << c.text;
}

} // namespace
} // namespace lk
