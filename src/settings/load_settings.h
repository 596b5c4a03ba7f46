// Reading "Larkspoon.ini" into the Settings struct at start-up, creating it with every default
// when it is missing, and writing single settings back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
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

// Reads every setting. A file without `QuitPrompt` is taken as missing: a beep, then every
// default is written (the folder keys name `startFolder`) and read back. From then on a
// missing key reads "TRUE" (a switch is on), except the sizes and colours, BufferSize and the
// window geometry, which keep their defaults ("0" for the geometry); `Treewide` reads empty.
void loadSettings(Settings& settings, const std::string& settingsPath,
                  const std::string& startFolder, Platform& platform);

// Writes every key with its default, in the order the file has always had. False when the
// file cannot be written.
bool writeDefaultSettings(const std::string& settingsPath, const std::string& startFolder);

// Changes one setting in memory and in the file. False when the key is unknown or the file
// cannot be written (the value in memory applies for the run all the same).
bool writeSetting(Settings& settings, const std::string& settingsPath, std::string_view section,
                  std::string_view key, std::string_view value);

// Several settings written together, in one rewrite of the file.
struct SettingWrite {
    std::string_view section;
    std::string_view key;
    std::string value;
};
bool writeSettings(Settings& settings, const std::string& settingsPath,
                   const std::vector<SettingWrite>& writes);

// A number as atoi reads it: leading blanks, a sign, digits; 0 when there are none.
int settingNumber(std::string_view text);
// A colour as strtol reads hexadecimal: "FF" is 0x0000FF, pure red in COLORREF order.
uint32_t colorFromText(std::string_view text);
// The text a colour is written as: upper-case hexadecimal without leading zeros.
std::string colorText(uint32_t colorRef);

} // namespace lk
