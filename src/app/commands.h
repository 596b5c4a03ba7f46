// The commands of the desktop program: start-up, the dispatcher, opening images, the tree's
// events and closing. Plain functions over the application state; the window forwards its
// menus, keys, mouse and drops here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/shell_platform.h"
#include "app/app_state.h"
#include "app/shell_view.h"

namespace lk {

struct ShellContext {
    AppState& app;
    ShellPlatform& platform;
    ShellView& view;
};

// --- start-up and closing ---

// What the desktop program's command line asks for, once the platform's own options are taken
// out.
struct CommandLine {
    bool version = false;            // --version: the version is printed and nothing started
    bool help = false;               // --help: the usage is printed and nothing started
    std::vector<std::string> images; // the words that are not options, in order
};
// Reads the words after the program's name; "--" ends the options. Other options are ignored.
CommandLine readCommandLine(const std::vector<std::string>& words);

// Takes the folders and file paths from the start-up folder, reads the settings file (creating
// it when missing) and chooses where the dialogs start.
void startUp(AppState& app, Platform& platform, const std::string& startFolder);

struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0; // of the window's inside, without the frame
    int height = 0;
    int treeWidth = kDefaultTreeWidth;
};

inline constexpr int kDefaultWindowWidth = 745;
inline constexpr int kDefaultWindowHeight = 450;
// Room left below a window placed by the screen size.
inline constexpr int kScreenMargin = 28;
inline constexpr int kMinWindowWidth = 240;
inline constexpr int kMinWindowHeight = 160;

// The stored geometry when `Wide` is not 0, otherwise a window of at most 745 x 450 at the
// top left of the screen.
WindowGeometry initialGeometry(const Settings& settings, int screenWidth, int screenHeight);
int clampTreeWidth(int x);
// Writes Left, Top, Wide, High and Treewide to the settings file (and to memory).
void storeGeometry(AppState& app, const WindowGeometry& geometry);

// "Larkspoon - FILE", "untitled" standing in for no file.
std::string mainTitle(std::string_view fileTitle);

// Asks "Are you sure you want to Quit?" when the settings want it; true to go on closing.
bool confirmQuit(AppState& app, Platform& platform);

// --- commands ---

// Runs a command number from the menus, the keys, the popup or a double click; numbers
// without a menu item do nothing.
void dispatchCommand(ShellContext& ctx, int command);
// An accelerator key was pressed: brings the Edit items up to date (as opening the menu would)
// and tells whether the command reaches the dispatcher, which it does unless its menu item is
// there and greyed.
bool acceptAccelerator(ShellContext& ctx, int command);
// The Edit items' state from the display pane and the find dialog.
void refreshEditMenu(ShellContext& ctx);

// Opens the image file and shows it: the tree, the menus for its kind of volume, the title.
void openImageAndShow(ShellContext& ctx, const ChosenFile& file);
// Files dropped on the window: the first one is opened, and its folder remembered either way.
void dropFiles(ShellContext& ctx, const std::vector<std::string>& paths);
// Images named on the command line, relative to the current folder: opened as a drop of them.
void openNamedImages(ShellContext& ctx, const std::vector<std::string>& names);

// --- the tree ---

SelectionFacts selectionFacts(const AppState& app);
// The user moved the tree's selection to `node` (kNoNode for none).
void onTreeSelected(ShellContext& ctx, NodeId node);
void onTreeDoubleClick(ShellContext& ctx);
// A right click at a node: it is selected first, then its popup menu opens there.
void onTreeRightClick(ShellContext& ctx, NodeId node, int screenX, int screenY);

} // namespace lk
