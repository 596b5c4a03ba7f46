#include "app/preferences.h"

#include "base/format.h"
#include "base/upper_text.h"
#include "settings/load_settings.h"
#include "settings/setting_keys.h"

namespace lk {

namespace {

const char* switchText(bool on) {
    return on ? "TRUE" : "FALSE";
}

struct FontRadio {
    std::string_view key;
    std::string_view face; // empty: the face and size chosen with "Choose font"
    int points;
};
constexpr FontRadio kFontRadios[] = {
    {"STDFont", "Courier New", 9}, {"A2Font", "A2like", 12}, {"OtherFont", "", 0}};

} // namespace

PreferenceChoices preferenceChoices(Settings& settings) {
    PreferenceChoices c;
    for (size_t i = 0; i < kPreferenceSwitchCount; ++i) {
        const PreferenceSwitch& sw = kPreferenceSwitches[i];
        std::optional<SettingRef> ref = findSetting(sw.section, sw.key);
        if (!ref) continue;
        std::string text = upperText(settings.texts[ref->textSlot()]);
        c.checked[i] = text == "TRUE";
        setSettingText(settings, *ref, std::move(text));
    }
    // The entry shows the text as the file gives it.
    c.saveTracks = settings.texts[findSetting("TrackStar", "SaveTracks")->textSlot()];
    return c;
}

bool commitPreferences(Settings& settings, const std::string& settingsPath,
                       const PreferenceChoices& c) {
    std::vector<SettingWrite> writes;
    for (const PreferenceSwitch& sw : kPreferenceSwitches) {
        if (sw.page == PreferencePage::Display) continue;
        writes.push_back({sw.section, sw.key, switchText(c[sw.key])});
        // The display page's keys come in their place: after the Translation page's.
        if (sw.key != "DEFTRANS2") continue;
        std::string face = settings.fontName;
        int points = settings.fontSize;
        for (const FontRadio& radio : kFontRadios) {
            writes.push_back({"Display", radio.key, switchText(c[radio.key])});
            if (c[radio.key] && !radio.face.empty()) {
                face = std::string(radio.face);
                points = radio.points;
            }
        }
        writes.push_back({"Display", "FontName", face});
        writes.push_back({"Display", "FontSize", format("%i", points)});
    }
    return writeSettings(settings, settingsPath, writes);
}

bool writeSaveTracks(Settings& settings, const std::string& settingsPath, std::string text) {
    if (text.size() > kTracksMaxChars) text.resize(kTracksMaxChars);
    return writeSetting(settings, settingsPath, "TrackStar", "SaveTracks", text);
}

bool chooseSettingColor(Settings& settings, const std::string& settingsPath,
                        ShellPlatform& platform, ColorSetting which) {
    bool font = which == ColorSetting::Font;
    uint32_t color = font ? settings.fontColor : settings.bkgrndColor;
    CustomColorSet custom = font ? settings.custFontColor : settings.custBkgrndColor;
    if (!platform.chooseColor(color, custom)) return false;
    std::string_view key = font ? "FontColor" : "BkgrndColor";
    std::string list = font ? "CustFontColor" : "CustBkgrndColor";
    std::vector<SettingWrite> writes{{"Display", key, colorText(color)}};
    std::vector<std::string> names;
    for (size_t i = 0; i < custom.size(); ++i) names.push_back(format("%s[%zu]", list.c_str(), i));
    for (size_t i = 0; i < custom.size(); ++i)
        writes.push_back({"Display", names[i], colorText(custom[i])});
    writeSettings(settings, settingsPath, writes);
    return true;
}

bool chooseSettingFont(Settings& settings, const std::string& settingsPath, ShellPlatform& platform,
                       FontChoice& chosen) {
    chosen.face = settings.fontName;
    chosen.points = settings.fontSize;
    chosen.colorRef = settings.fontColor;
    if (!platform.chooseFont(chosen)) return false;
    writeSettings(settings, settingsPath,
                  {{"Display", "FontName", chosen.face},
                   {"Display", "FontSize", format("%i", chosen.points)}});
    return true;
}

} // namespace lk
