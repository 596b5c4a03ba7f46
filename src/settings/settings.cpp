#include "settings/settings.h"

#include <cctype>
#include <cstdio>
#include <string>

namespace lk {

namespace {

struct Key {
    const char* section;
    const char* key;
    std::string Settings::*field;
};

constexpr Key kKeys[] = {
    {"Prompts", "QuitPrompt", &Settings::quitPrompt},
    {"Prompts", "DelPrompt", &Settings::delPrompt},
    {"Prompts", "AutoSavePrompt", &Settings::autoSavePrompt},
    {"Prompts", "OpenDir", &Settings::openDir},
    {"Translate", "AWP", &Settings::awp},
    {"Translate", "GWP", &Settings::gwp},
    {"Translate", "TXT", &Settings::txt},
    {"Translate", "SRC", &Settings::src},
    {"Translate", "BAS", &Settings::bas},
    {"Translate", "HGR", &Settings::hgr},
    {"Translate", "HGRScale", &Settings::hgrScale},
    {"Translate", "DHR", &Settings::dhr},
    {"Translate", "SHRC10000", &Settings::shrc10000},
    {"Translate", "SHRC00001", &Settings::shrc00001},
    {"Translate", "ICN", &Settings::icn},
    {"Translate", "DOSAPSFT", &Settings::dosApsft},
    {"Translate", "DOSTXT", &Settings::dosTxt},
    {"Translate", "DOSBIN", &Settings::dosBin},
    {"Translate", "DOSINT", &Settings::dosInt},
    {"Translate", "DEFTRANS2", &Settings::defTrans2},
    {"Display", "STDFont", &Settings::stdFont},
    {"Display", "A2Font", &Settings::a2Font},
    {"Display", "OtherFont", &Settings::otherFont},
    {"Display", "FontName", &Settings::fontName},
    {"Display", "FontSize", &Settings::fontSize},
    {"Display", "FontColor", &Settings::fontColor},
    {"Display", "BkgrndColor", &Settings::bkgrndColor},
    {"Tree", "Iconwide", &Settings::iconWide},
    {"Tree", "Iconhigh", &Settings::iconHigh},
    {"Tree", "Treewide", &Settings::treeWide},
    {"Data", "Version", &Settings::version},
    {"Directories", "Open", &Settings::openFolder},
    {"Directories", "Help", &Settings::help},
    {"Debug", "TSON", &Settings::tsOn},
    {"Debug", "TSDAT", &Settings::tsDat},
    {"Debug", "TSTSDAT", &Settings::tsTsDat},
    {"MainWindowSize", "Left", &Settings::left},
    {"MainWindowSize", "Top", &Settings::top},
    {"MainWindowSize", "Wide", &Settings::wide},
    {"MainWindowSize", "High", &Settings::high},
    {"TrackStar", "AllowNibSave", &Settings::allowNibSave},
    {"TrackStar", "SaveTracks", &Settings::saveTracks},
    {"Import", "BufferSize", &Settings::bufferSize},
};

// "CustFontColor[12]" -> index 12 of the list, for a known list name.
std::string* listField(Settings& s, std::string_view key) {
    struct List {
        const char* name;
        std::array<std::string, 16> Settings::*field;
    } lists[] = {{"CustFontColor", &Settings::custFontColor},
                 {"CustBkgrndColor", &Settings::custBkgrndColor}};
    size_t open = key.find('[');
    if (open == std::string_view::npos || key.back() != ']') return nullptr;
    std::string digits(key.substr(open + 1, key.size() - open - 2));
    if (digits.empty() || digits.size() > 2) return nullptr;
    for (char c : digits)
        if (!std::isdigit((unsigned char)c)) return nullptr;
    int index = std::stoi(digits);
    if (index > 15) return nullptr;
    for (const List& l : lists) {
        if (sameKeyName(key.substr(0, open), l.name)) return &(s.*(l.field))[size_t(index)];
    }
    return nullptr;
}

} // namespace

bool sameKeyName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower((unsigned char)a[i]) != std::tolower((unsigned char)b[i])) return false;
    }
    return true;
}

Settings::Settings() {
    // A grey ramp from black to white: i x $111111, written "%0X".
    for (size_t i = 0; i < 16; ++i) {
        char text[10];
        std::snprintf(text, sizeof text, "%X", unsigned(i * 0x111111));
        custFontColor[i] = text;
        custBkgrndColor[i] = text;
    }
}

std::string* settingField(Settings& settings, std::string_view section, std::string_view key) {
    for (const Key& k : kKeys) {
        if (sameKeyName(section, k.section) && sameKeyName(key, k.key))
            return &(settings.*(k.field));
    }
    return sameKeyName(section, "Display") ? listField(settings, key) : nullptr;
}

std::string* settingField(Settings& settings, std::string_view key) {
    for (const Key& k : kKeys) {
        if (sameKeyName(key, k.key)) return &(settings.*(k.field));
    }
    return listField(settings, key);
}

} // namespace lk
