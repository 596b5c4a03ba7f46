// The running program: it owns the application state, the platform and the main window, and
// carries out start-up in order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "shell/main_window.h"

namespace lk {

class Application {
  public:
    // Starts up in `startFolder` (settings and help are looked for there). Without a platform
    // the Qt one is used; tests pass their own.
    explicit Application(const std::string& startFolder,
                         std::unique_ptr<ShellPlatform> platform = nullptr);
    ~Application();

    // Places the window by the stored geometry or the screen size and shows it.
    void show();
    // Opens the first of the images named on the command line, as a drop of them does.
    void openImages(const std::vector<std::string>& names);

    AppState& state() { return state_; }
    ShellPlatform& platform() { return *platform_; }
    MainWindow& window() { return *window_; }

  private:
    AppState state_;
    std::unique_ptr<ShellPlatform> platform_;
    std::unique_ptr<MainWindow> window_;
};

// The program's entry once QApplication exists: starts in the current folder, shows the window,
// opens the image the command line names (Qt's own options taken out), runs the event loop and
// returns its exit code.
int runApplication();

} // namespace lk
