// Tools > Preferences through the commands: the starting state of the boxes, what OK writes,
// and what the buttons and the tracks entry write at once, OK or not.
#include "command_fixture.h"
#include "settings/load_settings.h"
#include "settings/profile_file.h"

namespace lk::test {
namespace {

class PreferencesTest : public CommandTest {
  protected:
    void startWith(const std::string& ini) {
        app.shell.settingsPath = folder.writeText("Larkspoon.ini", ini);
        loadSettings(app.settings, app.shell.settingsPath, folder.path);
    }
    std::string key(const char* section, const char* name) {
        ProfileFile file(app.shell.settingsPath);
        file.load();
        return file.get(section, name, "(none)");
    }
};

// "true" shows its box checked and is held as "TRUE"; checking "Apple" and OK brings A2like 12.
TEST_F(PreferencesTest, OkWritesThePagesAndTheFontOfTheRadio) {
    startWith("[Prompts]\nQuitPrompt=true\nDelPrompt=FALSE\n[Display]\nSTDFont=TRUE\n");
    platform.preferencesScript = [](PreferenceChoices& c, PreferenceActions&) {
        c["STDFont"] = false;
        c["A2Font"] = true;
        c["DOSINT"] = true;
        return true;
    };
    run(cmd::kPreferences);
    ASSERT_EQ(platform.preferencesShown.size(), 1u);
    EXPECT_TRUE(platform.preferencesShown[0]["QuitPrompt"]);
    EXPECT_FALSE(platform.preferencesShown[0]["DelPrompt"]);
    EXPECT_EQ(key("Display", "A2Font") + key("Display", "FontName") + key("Display", "FontSize") +
                  key("Display", "STDFont") + key("Prompts", "QuitPrompt"),
              "TRUEA2like12FALSETRUE");
    EXPECT_TRUE(app.settings.quitPrompt && app.settings.dosInt && app.settings.a2Font);
}

// Cancel discards the boxes, but the tracks typed, the font and the colours chosen stay written;
// the colours reach the panes at once.
TEST_F(PreferencesTest, CancelKeepsWhatTheButtonsWrote) {
    startWith("[Prompts]\nQuitPrompt=TRUE\n[Display]\nFontColor=0\nCustFontColor[3]=333333\n");
    CustomColorSet custom = app.settings.custFontColor;
    custom[15] = 0x0000FF;
    platform.colorDialog.answers = {std::pair{uint32_t(0xFF0000), custom}, std::nullopt};
    platform.fontDialog.answers = {FontChoice{"Monaco", 14}};
    platform.preferencesScript = [](PreferenceChoices& c, PreferenceActions& a) {
        c["QuitPrompt"] = false;
        a.tracksEdited("40");
        a.chooseFontColor();
        a.chooseBackground(); // cancelled
        a.chooseFont();
        return false;
    };
    run(cmd::kPreferences);
    EXPECT_EQ(key("Prompts", "QuitPrompt"), "TRUE");
    EXPECT_EQ(key("TrackStar", "SaveTracks"), "40");
    EXPECT_EQ(app.settings.saveTracks, 40);
    ASSERT_EQ(platform.colorDialog.shown.size(), 2u);
    EXPECT_EQ(platform.colorDialog.shown[0].second[3], 0x333333u);
    EXPECT_EQ(key("Display", "FontColor"), "FF0000");
    EXPECT_EQ(key("Display", "CustFontColor[15]"), "FF");
    EXPECT_EQ(key("Display", "BkgrndColor"), "(none)");
    EXPECT_EQ(view.formatsApplied, std::vector<bool>{true});
    EXPECT_EQ(key("Display", "FontName"), "Monaco");
    EXPECT_EQ(key("Display", "FontSize"), "14");
    EXPECT_EQ(app.settings.fontColor, 0xFF0000u);
}

} // namespace
} // namespace lk::test
