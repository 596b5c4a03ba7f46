#include "settings/load_settings.h"

#include "settings/profile_file.h"
#include "settings/setting_keys.h"

namespace lk {

namespace {

// The text a key missing from the file reads as.
std::string missingText(const SettingRef& ref) {
    switch (ref.key().whenMissing) {
    case WhenMissing::True:
        return "TRUE";
    case WhenMissing::Default:
        return defaultSettingText(ref, "");
    case WhenMissing::Empty:
        break;
    }
    return {};
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
    ProfileFile file(settingsPath);
    file.load();
    for (const SettingRef& ref : allSettings()) {
        if (ref.key().notADefault) continue;
        file.set(ref.key().section, ref.name(), defaultSettingText(ref, startFolder));
    }
    return file.save();
}

bool loadSettings(Settings& s, const std::string& settingsPath, const std::string& startFolder) {
    ProfileFile file(settingsPath);
    file.load();
    bool missing = file.get("Prompts", "QuitPrompt", kMissingText) == kMissingText;
    if (missing) {
        writeDefaultSettings(settingsPath, startFolder);
        file.load();
    }
    // A file that could not be created still gives the defaults for the run.
    for (const SettingRef& ref : allSettings()) {
        const SettingKey& k = ref.key();
        std::string text = file.get(k.section, ref.name(), missingText(ref));
        if (k.width != 0 && text.size() > k.width) text.resize(k.width);
        setSettingText(s, ref, std::move(text));
    }
    return missing;
}

bool writeSettings(Settings& settings, const std::string& settingsPath,
                   const std::vector<SettingWrite>& writes) {
    ProfileFile file(settingsPath);
    file.load();
    bool known = true;
    for (const SettingWrite& w : writes) {
        std::optional<SettingRef> ref = findSetting(w.section, w.key);
        if (!ref) {
            known = false;
            continue;
        }
        setSettingText(settings, *ref, w.value);
        file.set(w.section, w.key, w.value);
    }
    return file.save() && known;
}

bool writeSetting(Settings& settings, const std::string& settingsPath, std::string_view section,
                  std::string_view key, std::string_view value) {
    return writeSettings(settings, settingsPath, {{section, key, std::string(value)}});
}

} // namespace lk
