#include <algorithm>

#include "platform/format.h"
#include "settings/load_settings.h"
#include "shell/app/commands.h"

namespace lk {

void startUp(AppState& app, Platform& platform, const std::string& startFolder) {
    ShellState& s = app.shell;
    s.folder = s.exportFolder = s.rememberedFolder = startFolder;
    s.settingsPath = settingsPathIn(startFolder);
    s.helpPath = helpPathIn(startFolder);
    loadSettings(app.settings, s.settingsPath, startFolder, platform);
    s.helpPath = app.settings.help;
    s.rememberedFolder = app.settings.openFolder;
    if (isTrue(app.settings.openDir)) s.folder = s.exportFolder = s.rememberedFolder;
    s.menu = initialMenuState();
    s.appleClipboard = kClipboardEmpty;
}

int clampTreeWidth(int x) {
    return std::clamp(x, kMinTreeWidth, kMaxTreeWidth);
}

WindowGeometry initialGeometry(const Settings& settings, int screenWidth, int screenHeight) {
    WindowGeometry g;
    if (settingNumber(settings.wide) != 0) {
        g.x = settingNumber(settings.left);
        g.y = settingNumber(settings.top);
        g.width = std::max(settingNumber(settings.wide), kMinWindowWidth);
        g.height = std::max(settingNumber(settings.high), kMinWindowHeight);
        // A file without the splitter's place keeps the default rather than hiding the tree.
        int stored = settingNumber(settings.treeWide);
        g.treeWidth = stored == 0 ? kDefaultTreeWidth : clampTreeWidth(stored);
        return g;
    }
    g.width = std::max(std::min(screenWidth, kDefaultWindowWidth), kMinWindowWidth);
    g.height =
        std::max(std::min(screenHeight - kScreenMargin, kDefaultWindowHeight), kMinWindowHeight);
    return g;
}

void storeGeometry(AppState& app, const WindowGeometry& g) {
    writeSettings(app.settings, app.shell.settingsPath,
                  {{"MainWindowSize", "Left", format("%i", g.x)},
                   {"MainWindowSize", "Top", format("%i", g.y)},
                   {"MainWindowSize", "Wide", format("%i", g.width)},
                   {"MainWindowSize", "High", format("%i", g.height)},
                   {"Tree", "Treewide", format("%i", g.treeWidth)}});
}

std::string mainTitle(std::string_view fileTitle) {
    return std::string(kAppCaption) + " - " +
           (fileTitle.empty() ? std::string("untitled") : std::string(fileTitle));
}

bool confirmQuit(AppState& app, Platform& platform) {
    if (!isTrue(app.settings.quitPrompt)) return true;
    return platform.askYesNo("Are you sure you want to Quit?", kAppCaption, MessageIcon::Question);
}

} // namespace lk
