#include "settings/setting_keys.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <vector>

namespace lk {

namespace {

using S = Settings;
constexpr SettingType kSwitch = SettingType::Switch;
constexpr SettingType kNumber = SettingType::Number;
constexpr SettingType kColor = SettingType::Color;
constexpr SettingType kText = SettingType::Text;
constexpr SwitchTest kIsTrue = SwitchTest::IsTrue;
constexpr SwitchTest kNotFalse = SwitchTest::NotFalse;
constexpr WhenMissing kAsTrue = WhenMissing::True;
constexpr WhenMissing kAsDefault = WhenMissing::Default;
constexpr size_t kWhole = 0;

// Text fields have always been short: switches, sizes and SaveTracks keep 5 characters, colours
// 9, the font's face 31 and BufferSize 15; folders are kept whole, since a cut path names some
// other folder.
constexpr SettingKey kKeys[] = {
    {"Prompts", "QuitPrompt", "TRUE", &S::quitPrompt, kSwitch, kIsTrue},
    {"Prompts", "DelPrompt", "TRUE", &S::delPrompt, kSwitch, kIsTrue},
    {"Prompts", "AutoSavePrompt", "TRUE", &S::autoSave, kSwitch, kNotFalse},
    {"Prompts", "OpenDir", "TRUE", &S::openDir, kSwitch, kIsTrue},
    {"Translate", "AWP", "TRUE", &S::awp, kSwitch, kNotFalse},
    {"Translate", "GWP", "TRUE", &S::gwp, kSwitch, kNotFalse},
    {"Translate", "TXT", "TRUE", &S::txt, kSwitch, kNotFalse},
    {"Translate", "SRC", "TRUE", &S::src, kSwitch, kNotFalse},
    {"Translate", "BAS", "TRUE", &S::bas, kSwitch, kNotFalse},
    {"Translate", "HGR", "TRUE", &S::hgr, kSwitch, kIsTrue},
    // Written with the defaults; nothing reads it.
    {"Translate", "HGRScale", "2", std::monostate{}, kText},
    {"Translate", "DHR", "TRUE", &S::dhr, kSwitch, kIsTrue},
    {"Translate", "SHRC10000", "TRUE", &S::shrc10000, kSwitch, kNotFalse},
    {"Translate", "SHRC00001", "TRUE", &S::shrc00001, kSwitch, kIsTrue},
    {"Translate", "ICN", "TRUE", &S::icn, kSwitch, kNotFalse},
    {"Translate", "DOSAPSFT", "TRUE", &S::dosApsft, kSwitch, kIsTrue},
    {"Translate", "DOSTXT", "TRUE", &S::dosTxt, kSwitch, kIsTrue},
    {"Translate", "DOSBIN", "TRUE", &S::dosBin, kSwitch, kIsTrue},
    {"Translate", "DOSINT", "FALSE", &S::dosInt, kSwitch, kIsTrue},
    {"Translate", "DEFTRANS2", "TRUE", &S::defTrans2, kSwitch, kIsTrue},
    {"Display", "STDFont", "TRUE", &S::stdFont, kSwitch, kIsTrue},
    {"Display", "A2Font", "FALSE", &S::a2Font, kSwitch, kIsTrue},
    {"Display", "OtherFont", "FALSE", &S::otherFont, kSwitch, kIsTrue},
    {"Display", "FontName", "Courier New", &S::fontName, kText, kIsTrue, kAsTrue, 31},
    {"Display", "FontSize", "9", &S::fontSize, kNumber, kIsTrue, kAsDefault},
    {"Display", "FontColor", "000000", &S::fontColor, kColor, kIsTrue, kAsDefault, 9},
    {"Display", "CustFontColor", "", &S::custFontColor, kColor, kIsTrue, kAsDefault, 9, 16},
    {"Display", "BkgrndColor", "FFFFFF", &S::bkgrndColor, kColor, kIsTrue, kAsDefault, 9},
    {"Display", "CustBkgrndColor", "", &S::custBkgrndColor, kColor, kIsTrue, kAsDefault, 9, 16},
    {"Tree", "Iconwide", "16", &S::iconWide, kNumber, kIsTrue, kAsDefault, kWhole},
    {"Tree", "Iconhigh", "16", &S::iconHigh, kNumber, kIsTrue, kAsDefault, kWhole},
    // Written with the defaults; nothing reads it.
    {"Data", "Version", "0.87", std::monostate{}, kText, kIsTrue, kAsTrue, kWhole},
    {"Directories", "Open", "", &S::openFolder, kText, kIsTrue, kAsTrue, kWhole},
    {"Directories", "Help", "", &S::help, kText, kIsTrue, kAsTrue, kWhole},
    {"Debug", "TSON", "TRUE", &S::tsOn, kSwitch, kNotFalse},
    {"Debug", "TSDAT", "FALSE", &S::tsDat, kSwitch, kIsTrue},
    {"Debug", "TSTSDAT", "FALSE", &S::tsTsDat, kSwitch, kIsTrue},
    {"MainWindowSize", "Left", "0", &S::left, kNumber, kIsTrue, kAsDefault, kWhole},
    {"MainWindowSize", "Top", "0", &S::top, kNumber, kIsTrue, kAsDefault, kWhole},
    {"MainWindowSize", "Wide", "0", &S::wide, kNumber, kIsTrue, kAsDefault, kWhole},
    {"MainWindowSize", "High", "0", &S::high, kNumber, kIsTrue, kAsDefault, kWhole},
    {"TrackStar", "AllowNibSave", "TRUE", &S::allowNibSave, kSwitch, kIsTrue},
    {"TrackStar", "SaveTracks", "35", &S::saveTracks, kNumber},
    {"Import", "BufferSize", "14000", &S::bufferSize, kNumber, kIsTrue, kAsDefault, 15},
    // The splitter's place: stored when the window closes, never among the defaults.
    {"Tree", "Treewide", "", &S::treeWide, kNumber, kIsTrue, WhenMissing::Empty, kWhole, 0, true},
};

std::vector<SettingRef> expandKeys() {
    std::vector<SettingRef> refs;
    for (size_t row = 0; row < std::size(kKeys); ++row) {
        size_t n = kKeys[row].listLength ? kKeys[row].listLength : 1;
        for (size_t i = 0; i < n; ++i) refs.push_back({row, i});
    }
    return refs;
}

const std::vector<SettingRef>& expanded() {
    static const std::vector<SettingRef> refs = expandKeys();
    return refs;
}

// The index of "Name[i]" when `name` is one of the list's keys.
std::optional<size_t> listIndex(const SettingKey& key, std::string_view name) {
    size_t open = name.find('[');
    if (open == std::string_view::npos || name.back() != ']') return std::nullopt;
    if (!sameKeyName(name.substr(0, open), key.key)) return std::nullopt;
    std::string_view digits = name.substr(open + 1, name.size() - open - 2);
    if (digits.empty() || digits.size() > 2) return std::nullopt;
    size_t index = 0;
    for (char c : digits) {
        if (!std::isdigit((unsigned char)c)) return std::nullopt;
        index = index * 10 + size_t(c - '0');
    }
    if (index >= key.listLength) return std::nullopt;
    return index;
}

std::optional<SettingRef> match(const SettingRef& ref, std::string_view name) {
    const SettingKey& k = ref.key();
    if (k.listLength == 0) return sameKeyName(name, k.key) ? std::optional(ref) : std::nullopt;
    if (ref.index != 0) return std::nullopt;
    if (auto i = listIndex(k, name)) return SettingRef{ref.row, *i};
    return std::nullopt;
}

// Fills the field from the text as the key's type reads it.
void fill(Settings& s, const SettingRef& ref, const std::string& text) {
    const SettingKey& k = ref.key();
    std::visit(
        [&](auto member) {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, bool Settings::*>) {
                s.*member = k.test == SwitchTest::IsTrue ? text == "TRUE" : text != "FALSE";
            } else if constexpr (std::is_same_v<M, int Settings::*>) {
                s.*member = settingNumber(text);
            } else if constexpr (std::is_same_v<M, uint32_t Settings::*>) {
                s.*member = colorFromText(text);
            } else if constexpr (std::is_same_v<M, std::string Settings::*>) {
                s.*member = text;
            } else if constexpr (std::is_same_v<M, CustomColors Settings::*>) {
                (s.*member)[ref.index] = colorFromText(text);
            }
        },
        k.field);
}

} // namespace

std::span<const SettingKey> settingKeys() {
    return kKeys;
}

std::span<const SettingRef> allSettings() {
    return expanded();
}

std::string SettingRef::name() const {
    const SettingKey& k = key();
    if (k.listLength == 0) return std::string(k.key);
    return std::string(k.key) + "[" + std::to_string(index) + "]";
}

size_t SettingRef::textSlot() const {
    size_t slot = 0;
    for (size_t r = 0; r < row; ++r) slot += kKeys[r].listLength ? kKeys[r].listLength : 1;
    return slot + index;
}

std::optional<SettingRef> findSetting(std::string_view section, std::string_view name) {
    for (const SettingRef& ref : expanded()) {
        if (!sameKeyName(section, ref.key().section)) continue;
        if (auto found = match(ref, name)) return found;
    }
    return std::nullopt;
}

std::optional<SettingRef> findSetting(std::string_view name) {
    for (const SettingRef& ref : expanded())
        if (auto found = match(ref, name)) return found;
    return std::nullopt;
}

void setSettingText(Settings& settings, const SettingRef& ref, std::string text) {
    fill(settings, ref, text);
    settings.texts[ref.textSlot()] = std::move(text);
}

std::string defaultSettingText(const SettingRef& ref, const std::string& startFolder) {
    const SettingKey& k = ref.key();
    // A grey ramp from black to white: i x $111111.
    if (k.listLength) return colorText(uint32_t(ref.index * 0x111111));
    if (k.section == "Directories" && k.key == "Open") return startFolder;
    if (k.section == "Directories" && k.key == "Help") {
        std::string folder = startFolder;
        if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
        return folder + "Larkspoon.hlp";
    }
    return std::string(k.defaultText);
}

Settings::Settings() {
    texts.resize(expanded().size());
    for (const SettingRef& ref : expanded()) {
        std::string text = defaultSettingText(ref, "");
        setSettingText(*this, ref, std::move(text));
    }
}

bool sameKeyName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower((unsigned char)a[i]) != std::tolower((unsigned char)b[i])) return false;
    }
    return true;
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
