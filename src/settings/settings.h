// The program's settings: every key of "Larkspoon.ini", held as the text the file holds. Read
// once at start-up; consumers read this struct, and writers change it and the file together.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lk {

struct Settings {
    // "Prompts"
    std::string quitPrompt = "TRUE";
    std::string delPrompt = "TRUE";
    std::string autoSavePrompt = "TRUE";
    std::string openDir = "TRUE";
    // "Translate"
    std::string awp = "TRUE";
    std::string gwp = "TRUE";
    std::string txt = "TRUE";
    std::string src = "TRUE";
    std::string bas = "TRUE";
    std::string hgr = "TRUE";
    std::string hgrScale = "2";
    std::string dhr = "TRUE";
    std::string shrc10000 = "TRUE";
    std::string shrc00001 = "TRUE";
    std::string icn = "TRUE";
    std::string dosApsft = "TRUE";
    std::string dosTxt = "TRUE";
    std::string dosBin = "TRUE";
    std::string dosInt = "FALSE";
    std::string defTrans2 = "TRUE";
    // "Display"
    std::string stdFont = "TRUE";
    std::string a2Font = "FALSE";
    std::string otherFont = "FALSE";
    std::string fontName = "Courier New";
    std::string fontSize = "9";
    std::string fontColor = "000000";
    std::array<std::string, 16> custFontColor;
    std::string bkgrndColor = "FFFFFF";
    std::array<std::string, 16> custBkgrndColor;
    // "Tree"
    std::string iconWide = "16";
    std::string iconHigh = "16";
    std::string treeWide; // not among the defaults
    // "Data"
    std::string version = "0.87";
    // "Directories"
    std::string openFolder; // key "Open": the start-up folder by default
    std::string help;       // the start-up folder + "Larkspoon.hlp" by default
    // "Debug"
    std::string tsOn = "TRUE";
    std::string tsDat = "FALSE";
    std::string tsTsDat = "FALSE";
    // "MainWindowSize"
    std::string left = "0";
    std::string top = "0";
    std::string wide = "0";
    std::string high = "0";
    // "TrackStar"
    std::string allowNibSave = "TRUE";
    std::string saveTracks = "35";
    // "Import"
    std::string bufferSize = "14000";

    // The values that are used as numbers, converted once when the file is read.
    int fontPoints = 9;
    uint32_t fontColorRef = 0x000000; // COLORREF: 0x00BBGGRR
    uint32_t bkgrndColorRef = 0xFFFFFF;
    int iconWidth = 16;
    int iconHeight = 16;

    Settings();
};

// Section and key names match without regard to case.
bool sameKeyName(std::string_view a, std::string_view b);

// The two tests consumers make of a switch, both case-sensitive.
inline bool isTrue(std::string_view value) {
    return value == "TRUE";
}
inline bool notFalse(std::string_view value) {
    return value != "FALSE";
}

// The field behind a section and key (compared without regard to case; "CustFontColor[3]" and
// the like included), or nullptr for a key the program does not know.
std::string* settingField(Settings& settings, std::string_view section, std::string_view key);
// The same by key alone, for the keys that are unique across sections (all but none today).
std::string* settingField(Settings& settings, std::string_view key);

} // namespace lk
