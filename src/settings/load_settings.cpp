#include "settings/load_settings.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <vector>

#include "settings/profile_file.h"

namespace lk {

namespace {

struct KeyName {
    std::string section;
    std::string key;
};

std::string listKey(const char* name, int i) {
    return std::string(name) + "[" + std::to_string(i) + "]";
}

// Every key of the file in the order its defaults are written.
std::vector<KeyName> defaultOrder() {
    std::vector<KeyName> keys;
    auto add = [&](const char* section, std::initializer_list<const char*> names) {
        for (const char* n : names) keys.push_back({section, n});
    };
    add("Prompts", {"QuitPrompt", "DelPrompt", "AutoSavePrompt", "OpenDir"});
    add("Translate", {"AWP", "GWP", "TXT", "SRC", "BAS", "HGR", "HGRScale", "DHR", "SHRC10000",
                      "SHRC00001", "ICN", "DOSAPSFT", "DOSTXT", "DOSBIN", "DOSINT", "DEFTRANS2"});
    add("Display", {"STDFont", "A2Font", "OtherFont", "FontName", "FontSize", "FontColor"});
    for (int i = 0; i < 16; ++i) keys.push_back({"Display", listKey("CustFontColor", i)});
    add("Display", {"BkgrndColor"});
    for (int i = 0; i < 16; ++i) keys.push_back({"Display", listKey("CustBkgrndColor", i)});
    add("Tree", {"Iconwide", "Iconhigh"});
    add("Data", {"Version"});
    add("Directories", {"Open", "Help"});
    add("Debug", {"TSON", "TSDAT", "TSTSDAT"});
    add("MainWindowSize", {"Left", "Top", "Wide", "High"});
    add("TrackStar", {"AllowNibSave", "SaveTracks"});
    add("Import", {"BufferSize"});
    return keys;
}

// The text fields the program has always kept are short: a longer value is cut to fit.
constexpr size_t kSwitchWidth = 5;
constexpr size_t kColorWidth = 9;
constexpr size_t kFaceWidth = 31;
constexpr size_t kBufferSizeWidth = 15;
constexpr size_t kWhole = std::string::npos;

struct Reader {
    const ProfileFile& file;
    void operator()(const char* section, const char* key, std::string& field, size_t width,
                    std::string_view fallback = "TRUE") {
        field = file.get(section, key, fallback).substr(0, width);
    }
};

void readSwitches(Reader& read, Settings& s) {
    read("Prompts", "DelPrompt", s.delPrompt, kSwitchWidth);
    read("Prompts", "AutoSavePrompt", s.autoSavePrompt, kSwitchWidth);
    read("Prompts", "OpenDir", s.openDir, kSwitchWidth);
    struct {
        const char* key;
        std::string Settings::*field;
    } const translate[] = {
        {"AWP", &Settings::awp},
        {"GWP", &Settings::gwp},
        {"TXT", &Settings::txt},
        {"SRC", &Settings::src},
        {"BAS", &Settings::bas},
        {"HGR", &Settings::hgr},
        {"DHR", &Settings::dhr},
        {"SHRC10000", &Settings::shrc10000},
        {"SHRC00001", &Settings::shrc00001},
        {"ICN", &Settings::icn},
        {"DOSAPSFT", &Settings::dosApsft},
        {"DOSTXT", &Settings::dosTxt},
        {"DOSBIN", &Settings::dosBin},
        {"DOSINT", &Settings::dosInt},
        {"DEFTRANS2", &Settings::defTrans2},
    };
    for (const auto& t : translate) read("Translate", t.key, s.*(t.field), kSwitchWidth);
}

// Sizes and colours keep their own defaults when missing: read as "TRUE" they would be 0,
// which is black text on a black background, or pictures and letters of no size at all.
void readDisplay(Reader& read, Settings& s) {
    const Settings defaults;
    read("Display", "STDFont", s.stdFont, kSwitchWidth);
    read("Display", "A2Font", s.a2Font, kSwitchWidth);
    read("Display", "OtherFont", s.otherFont, kSwitchWidth);
    read("Display", "FontName", s.fontName, kFaceWidth);
    read("Display", "FontSize", s.fontSize, kSwitchWidth, defaults.fontSize);
    s.fontPoints = settingNumber(s.fontSize);
    read("Display", "BkgrndColor", s.bkgrndColor, kColorWidth, defaults.bkgrndColor);
    s.bkgrndColorRef = colorFromText(s.bkgrndColor);
    read("Display", "FontColor", s.fontColor, kColorWidth, defaults.fontColor);
    s.fontColorRef = colorFromText(s.fontColor);
    for (size_t i = 0; i < 16; ++i) {
        std::string bk = listKey("CustBkgrndColor", int(i)), fg = listKey("CustFontColor", int(i));
        read("Display", bk.c_str(), s.custBkgrndColor[i], kColorWidth, defaults.custBkgrndColor[i]);
        read("Display", fg.c_str(), s.custFontColor[i], kColorWidth, defaults.custFontColor[i]);
    }
}

} // namespace

std::string folderWithSeparator(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) return folder;
    return folder + "/";
}

std::string settingsPathIn(const std::string& startFolder) {
    return folderWithSeparator(startFolder) + std::string(kSettingsFileName);
}

std::string helpPathIn(const std::string& startFolder) {
    return folderWithSeparator(startFolder) + std::string(kHelpFileName);
}

bool writeDefaultSettings(const std::string& settingsPath, const std::string& startFolder) {
    Settings defaults;
    defaults.openFolder = startFolder;
    defaults.help = helpPathIn(startFolder);
    ProfileFile file(settingsPath);
    file.load();
    for (const KeyName& k : defaultOrder()) {
        const std::string* value = settingField(defaults, k.section, k.key);
        if (value) file.set(k.section, k.key, *value);
    }
    return file.save();
}

void loadSettings(Settings& s, const std::string& settingsPath, const std::string& startFolder,
                  Platform& platform) {
    ProfileFile file(settingsPath);
    file.load();
    if (file.get("Prompts", "QuitPrompt", kMissingText) == kMissingText) {
        platform.beep();
        writeDefaultSettings(settingsPath, startFolder);
        file.load();
    }
    Reader read{file};
    // A file that could not be created still gives the defaults for the run.
    read("Prompts", "QuitPrompt", s.quitPrompt, kSwitchWidth, "TRUE");
    readSwitches(read, s);
    readDisplay(read, s);
    read("Tree", "Iconwide", s.iconWide, kWhole, Settings().iconWide);
    read("Tree", "Iconhigh", s.iconHigh, kWhole, Settings().iconHigh);
    s.iconWidth = settingNumber(s.iconWide);
    s.iconHeight = settingNumber(s.iconHigh);
    // Folder names are kept whole: a cut path would name some other folder.
    read("Directories", "Open", s.openFolder, kWhole);
    read("Directories", "Help", s.help, kWhole);
    read("Debug", "TSON", s.tsOn, kSwitchWidth);
    read("Debug", "TSDAT", s.tsDat, kSwitchWidth);
    read("Debug", "TSTSDAT", s.tsTsDat, kSwitchWidth);
    read("TrackStar", "AllowNibSave", s.allowNibSave, kSwitchWidth);
    read("TrackStar", "SaveTracks", s.saveTracks, kSwitchWidth);
    read("Import", "BufferSize", s.bufferSize, kBufferSizeWidth, "14000");
    read("MainWindowSize", "Left", s.left, kWhole, "0");
    read("MainWindowSize", "Top", s.top, kWhole, "0");
    read("MainWindowSize", "Wide", s.wide, kWhole, "0");
    read("MainWindowSize", "High", s.high, kWhole, "0");
    read("Tree", "Treewide", s.treeWide, kWhole, "");
}

bool writeSetting(Settings& settings, const std::string& settingsPath, std::string_view section,
                  std::string_view key, std::string_view value) {
    return writeSettings(settings, settingsPath, {{section, key, std::string(value)}});
}

bool writeSettings(Settings& settings, const std::string& settingsPath,
                   const std::vector<SettingWrite>& writes) {
    ProfileFile file(settingsPath);
    file.load();
    bool known = true;
    for (const SettingWrite& w : writes) {
        std::string* field = settingField(settings, w.section, w.key);
        if (!field) {
            known = false;
            continue;
        }
        *field = w.value;
        file.set(w.section, w.key, w.value);
    }
    return file.save() && known;
}

int settingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace((unsigned char)text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long n = 0;
    for (; i < text.size() && std::isdigit((unsigned char)text[i]); ++i) {
        n = n * 10 + (text[i] - '0');
        if (n > INT_MAX) n = INT_MAX; // clamped rather than overflowing
    }
    return int(negative ? -n : n);
}

uint32_t colorFromText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace((unsigned char)text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) i += 2;
    uint64_t n = 0;
    for (; i < text.size() && std::isxdigit((unsigned char)text[i]); ++i) {
        char c = char(std::toupper((unsigned char)text[i]));
        n = n * 16 + uint64_t(c <= '9' ? c - '0' : c - 'A' + 10);
        if (n > 0xFFFFFFFFu) n = 0xFFFFFFFFu;
    }
    return negative ? uint32_t(0u - uint32_t(n)) : uint32_t(n);
}

std::string colorText(uint32_t colorRef) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", unsigned(colorRef));
    return text;
}

} // namespace lk
