// The program's settings, as the commands use them: switches as booleans, numbers and colours
// as numbers. They come from "Larkspoon.ini" through the key table (setting_keys.h), which also
// keeps the text of every key as the file holds it, so that a key written back is the only line
// that changes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lk {

inline constexpr size_t kCustomColors = 16;
using CustomColors = std::array<uint32_t, kCustomColors>; // COLORREF: 0x00BBGGRR

struct Settings {
    // "Prompts"
    bool quitPrompt = true;
    bool delPrompt = true;
    bool autoSave = true; // AutoSavePrompt
    bool openDir = true;
    // "Translate"
    bool awp = true;
    bool gwp = true;
    bool txt = true;
    bool src = true;
    bool bas = true;
    bool hgr = true;
    bool dhr = true;
    bool shrc10000 = true;
    bool shrc00001 = true;
    bool icn = true;
    bool dosApsft = true;
    bool dosTxt = true;
    bool dosBin = true;
    bool dosInt = false;
    bool defTrans2 = true;
    // "Display"
    bool stdFont = true;
    bool a2Font = false;
    bool otherFont = false;
    std::string fontName = "Courier New";
    int fontSize = 9;
    uint32_t fontColor = 0x000000;
    CustomColors custFontColor{};
    uint32_t bkgrndColor = 0xFFFFFF;
    CustomColors custBkgrndColor{};
    // "Tree"
    int iconWide = 16;
    int iconHigh = 16;
    int treeWide = 0; // 0: not stored
    // "Directories"
    std::string openFolder; // key "Open": the start-up folder by default
    std::string help;       // the start-up folder + "Larkspoon.hlp" by default
    // "Debug"
    bool tsOn = true;
    bool tsDat = false;
    bool tsTsDat = false;
    // "MainWindowSize"
    int left = 0;
    int top = 0;
    int wide = 0;
    int high = 0;
    // "TrackStar"
    bool allowNibSave = true;
    int saveTracks = 35;
    // "Import"
    int bufferSize = 14000;

    // The text of every key of the key table, by its place there: as read, or as last set.
    std::vector<std::string> texts;

    // Every key at its default (the folders empty).
    Settings();
};

} // namespace lk
