// The Preferences sheet as the commands and the window share it: its switches with the keys
// they carry, the state of its controls, and the buttons that act at once.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lk {

enum class PreferencePage : uint8_t { General, Translation, Display, Conversion };

inline constexpr std::string_view kPreferencesTitle = "Preferences";
inline constexpr std::string_view kPreferencePageTitles[] = {"General", "Translation",
                                                             "Display Window", "Image Conversion"};

// A check box or radio button of the sheet and the key it carries. Its help topic is its key.
struct PreferenceSwitch {
    PreferencePage page;
    std::string_view text;
    std::string_view section;
    std::string_view key;
    std::string_view group; // the box it stands in on its page, if any
    bool radio = false;
};

// In the order OK writes them.
inline constexpr PreferenceSwitch kPreferenceSwitches[] = {
    {PreferencePage::General, "Prompt before exiting Larkspoon", "Prompts", "QuitPrompt", ""},
    {PreferencePage::General, "Prompt before deleting file", "Prompts", "DelPrompt", ""},
    {PreferencePage::General, "AutoSave", "Prompts", "AutoSavePrompt", ""},
    {PreferencePage::General, "Remember last directory opened", "Prompts", "OpenDir", ""},
    {PreferencePage::Translation, "AppleWorks WP + DB", "Translate", "AWP", "Text files"},
    {PreferencePage::Translation, "Text", "Translate", "TXT", "Text files"},
    {PreferencePage::Translation, "Source", "Translate", "SRC", "Text files"},
    {PreferencePage::Translation, "Teach", "Translate", "GWP", "Text files"},
    {PreferencePage::Translation, "BASIC", "Translate", "BAS", "Text files"},
    {PreferencePage::Translation, "HGR", "Translate", "HGR", "Pictures"},
    {PreferencePage::Translation, "DHR", "Translate", "DHR", "Pictures"},
    {PreferencePage::Translation, "SHR Screen", "Translate", "SHRC10000", "Pictures"},
    {PreferencePage::Translation, "SHR Screen (packed)", "Translate", "SHRC00001", "Pictures"},
    {PreferencePage::Translation, "Icons", "Translate", "ICN", "Pictures"},
    {PreferencePage::Translation, "Applesoft BASIC", "Translate", "DOSAPSFT",
     "Exporting DOS files"},
    {PreferencePage::Translation, "Text", "Translate", "DOSTXT", "Exporting DOS files"},
    {PreferencePage::Translation, "Binary", "Translate", "DOSBIN", "Exporting DOS files"},
    {PreferencePage::Translation, "Integer BASIC", "Translate", "DOSINT", "Exporting DOS files"},
    {PreferencePage::Translation, "New default ( slow )", "Translate", "DEFTRANS2", "Text files"},
    {PreferencePage::Display, "Standard", "Display", "STDFont", "Font", true},
    {PreferencePage::Display, "Apple", "Display", "A2Font", "Font", true},
    {PreferencePage::Display, "Other", "Display", "OtherFont", "Font", true},
    {PreferencePage::Conversion, "Allow Nibble Image Save", "TrackStar", "AllowNibSave",
     "TrackStore"},
};
inline constexpr size_t kPreferenceSwitchCount = std::size(kPreferenceSwitches);

// The index of the switch of a key, or kPreferenceSwitchCount.
constexpr size_t preferenceIndex(std::string_view key) {
    size_t i = 0;
    while (i < kPreferenceSwitchCount && kPreferenceSwitches[i].key != key) ++i;
    return i;
}

// The buttons and the entry of the sheet, with the keys that are their help topics.
inline constexpr std::string_view kChooseFontText = "Choose font";
inline constexpr std::string_view kFontColorText = "Font Color";
inline constexpr std::string_view kBackgroundText = "Choose Background";
inline constexpr std::string_view kTracksLabel = "Number of tracks to convert:";
inline constexpr size_t kTracksMaxChars = 2;

struct PreferenceChoices {
    std::array<bool, kPreferenceSwitchCount> checked{};
    std::string saveTracks;

    bool& operator[](std::string_view key) { return checked[preferenceIndex(key)]; }
    bool operator[](std::string_view key) const { return checked[preferenceIndex(key)]; }
};

// What the sheet's buttons and its tracks entry do at once, whatever button closes the sheet.
class PreferenceActions {
  public:
    virtual ~PreferenceActions() = default;
    virtual void chooseFont() = 0;
    virtual void chooseFontColor() = 0;
    virtual void chooseBackground() = 0;
    virtual void tracksEdited(const std::string& text) = 0;
};

using CustomColorSet = std::array<uint32_t, 16>; // COLORREF values: 0x00BBGGRR

} // namespace lk
