// The keys of "Larkspoon.ini" in one table, in the order their defaults are written: each with
// its section, its default text, the field it fills and how its text is read. The table drives
// the defaults, the reading at start-up and every write.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"

namespace lk {

enum class SettingType : uint8_t {
    Switch, // "TRUE" or "FALSE", read by the key's test
    Number, // decimal, read as atoi reads it
    Color,  // COLORREF in hexadecimal, written without leading zeros
    Text,
};

// How a switch is read: on only when exactly "TRUE", or on unless exactly "FALSE".
enum class SwitchTest : uint8_t { IsTrue, NotFalse };

// What a key missing from a file that has `QuitPrompt` reads as.
enum class WhenMissing : uint8_t {
    True,    // "TRUE", as the file has always been read (a missing switch is on)
    Default, // its own default: a size or colour read as "TRUE" would be 0
    Empty,
};

// The field a key fills; none for the keys that are written with the defaults and never read.
using SettingField =
    std::variant<std::monostate, bool Settings::*, int Settings::*, uint32_t Settings::*,
                 std::string Settings::*, CustomColors Settings::*>;

struct SettingKey {
    std::string_view section;
    std::string_view key; // for a list, the name before "[i]"
    std::string_view defaultText;
    SettingField field;
    SettingType type = SettingType::Switch;
    SwitchTest test = SwitchTest::IsTrue;
    WhenMissing whenMissing = WhenMissing::True;
    // The longest text kept; a longer one in the file is cut (0: kept whole).
    size_t width = 5;
    // A list of this many keys "Key[0]" ... (0: a single key).
    size_t listLength = 0;
    // Not written with the defaults.
    bool notADefault = false;
};

std::span<const SettingKey> settingKeys();

// One key of the file: a row of the table and, for a list, the index within it.
struct SettingRef {
    size_t row = 0;
    size_t index = 0;

    const SettingKey& key() const { return settingKeys()[row]; }
    // "CustFontColor[3]" for a list, the key itself otherwise.
    std::string name() const;
    // The place of the key's text in Settings::texts.
    size_t textSlot() const;
};

// Every key in the table's order, lists expanded.
std::span<const SettingRef> allSettings();
// The key behind a section and name ("CustFontColor[3]" and the like included), matched without
// regard to case; nothing for a key the program does not know.
std::optional<SettingRef> findSetting(std::string_view section, std::string_view name);
// The same by name alone, for the keys that are unique across sections.
std::optional<SettingRef> findSetting(std::string_view name);

// Sets the key's text and the field it fills, read as the table says.
void setSettingText(Settings& settings, const SettingRef& ref, std::string text);
// The text a default has: the folders' defaults come from the start-up folder.
std::string defaultSettingText(const SettingRef& ref, const std::string& startFolder);

// Section and key names match without regard to case.
bool sameKeyName(std::string_view a, std::string_view b);
// A number as atoi reads it: leading blanks, a sign, digits; 0 when there are none.
int settingNumber(std::string_view text);
// A colour as strtol reads hexadecimal: "FF" is 0x0000FF, pure red in COLORREF order.
uint32_t colorFromText(std::string_view text);
// The text a colour is written as: upper-case hexadecimal without leading zeros.
std::string colorText(uint32_t colorRef);

} // namespace lk
