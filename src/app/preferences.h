// Tools > Preferences over the settings: the sheet's starting state, what OK writes, and what
// its buttons write at once.
#pragma once

#include <string>

#include "app/app_state.h"
#include "platform/preferences.h"
#include "platform/shell_platform.h"

namespace lk {

// The sheet's controls from the settings in memory. Each switch's text is upper-cased in place
// (a "true" in the file is held as "TRUE" from then on) and its box is checked when the text is
// then "TRUE".
PreferenceChoices preferenceChoices(Settings& settings);

// OK: every key of the sheet written to memory and to the file, page by page in the sheet's
// order. A font radio brings its font: "Standard" Courier New 9, "Apple" A2like 12, "Other" the
// face and size chosen. False when the file could not be written (memory holds the values).
bool commitPreferences(Settings& settings, const std::string& settingsPath,
                       const PreferenceChoices& choices);

// The tracks entry: its text, at most two characters, becomes SaveTracks at once.
bool writeSaveTracks(Settings& settings, const std::string& settingsPath, std::string text);

// The colour buttons: the dialog starting from the colour and its custom colours; on OK both are
// written at once (the colour, then the 16 custom colours). True for OK.
enum class ColorSetting : uint8_t { Font, Background };
bool chooseSettingColor(Settings& settings, const std::string& settingsPath,
                        ShellPlatform& platform, ColorSetting which);

// "Choose font": the font dialog starting from the display font; on OK the face and size are
// written at once. True for OK.
bool chooseSettingFont(Settings& settings, const std::string& settingsPath, ShellPlatform& platform,
                       FontChoice& chosen);

} // namespace lk
