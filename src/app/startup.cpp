#include <algorithm>

#include "base/format.h"
#include "settings/load_settings.h"
#include "app/commands.h"

namespace lk {

CommandLine readCommandLine(const std::vector<std::string>& words) {
    CommandLine line;
    bool options = true;
    for (const std::string& w : words) {
        if (!options || w.empty() || w[0] != '-' || w == "-") {
            line.images.push_back(w);
        } else if (w == "--") {
            options = false;
        } else if (w == "--version") {
            line.version = true;
        } else if (w == "--help" || w == "-h") {
            line.help = true;
        }
    }
    return line;
}

void startUp(AppState& app, Platform& platform, const std::string& startFolder) {
    ShellState& s = app.shell;
    s.folder = s.exportFolder = s.rememberedFolder = startFolder;
    s.settingsPath = settingsPathIn(startFolder);
    s.helpPath = helpPathIn(startFolder);
    // A missing settings file is created with every default, with a beep.
    if (loadSettings(app.settings, s.settingsPath, startFolder)) platform.beep();
    s.helpPath = app.settings.help;
    s.rememberedFolder = app.settings.openFolder;
    if (app.settings.openDir) s.folder = s.exportFolder = s.rememberedFolder;
    s.menu = initialMenuState();
    s.appleClipboard = AppleClipboard::Empty;
}

int clampTreeWidth(int x) {
    return std::clamp(x, kMinTreeWidth, kMaxTreeWidth);
}

WindowGeometry initialGeometry(const Settings& settings, int screenWidth, int screenHeight) {
    WindowGeometry g;
    if (settings.wide != 0) {
        g.x = settings.left;
        g.y = settings.top;
        g.width = std::max(settings.wide, kMinWindowWidth);
        g.height = std::max(settings.high, kMinWindowHeight);
        // A file without the splitter's place keeps the default rather than hiding the tree.
        int stored = settings.treeWide;
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
    if (!app.settings.quitPrompt) return true;
    return ask(platform, message(MessageId::QuitQuestion));
}

} // namespace lk
