// Reading "Larkspoon.ini" into the Settings at start-up, creating it with every default when it
// is missing, and writing settings back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace lk {

inline constexpr std::string_view kSettingsFileName = "Larkspoon.ini";
inline constexpr std::string_view kHelpFileName = "Larkspoon.hlp";
// What a read of a missing key gives where the absence itself means something.
inline constexpr std::string_view kMissingText = "INI not found!";

// The start-up folder with a trailing separator, and the two files looked for in it.
std::string folderWithSeparator(const std::string& folder);
std::string settingsPathIn(const std::string& startFolder);
std::string helpPathIn(const std::string& startFolder);

// Reads every setting. A file without `QuitPrompt` is taken as missing: every default is
// written (the folder keys name `startFolder`) and read back, and the result says so (the
// program beeps). From then on a missing key reads "TRUE" (a switch is on), except the sizes
// and colours, BufferSize and the window geometry, which keep their defaults, and `Treewide`,
// which reads empty. Returns whether the file was missing.
bool loadSettings(Settings& settings, const std::string& settingsPath,
                  const std::string& startFolder);

// Writes every key with its default, in the order the file has always had. False when the
// file cannot be written.
bool writeDefaultSettings(const std::string& settingsPath, const std::string& startFolder);

// Changes settings in memory and in the file, in one rewrite of the file. False when a key is
// unknown or the file cannot be written (the values in memory apply for the run all the same).
struct SettingWrite {
    std::string_view section;
    std::string_view key;
    std::string value;
};
bool writeSettings(Settings& settings, const std::string& settingsPath,
                   const std::vector<SettingWrite>& writes);
bool writeSetting(Settings& settings, const std::string& settingsPath, std::string_view section,
                  std::string_view key, std::string_view value);

} // namespace lk
