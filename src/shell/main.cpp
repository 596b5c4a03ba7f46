// Larkspoon, the desktop program.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/commands.h"
#include "base/version.h"
#include "shell/application.h"

int main(int argc, char** argv) {
    // --version and --help are answered before Qt starts, so that they need no display.
    lk::CommandLine line = lk::readCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.version) {
        std::printf("%.*s\n", int(lk::kVersion.size()), lk::kVersion.data());
        return 0;
    }
    if (line.help) {
        std::fputs("usage: larkspoon [IMAGE]\n"
                   "Starts Larkspoon and opens the disk image IMAGE, when one is named, as a\n"
                   "file dropped on the window is opened.\n"
                   "  --version  prints the version\n",
                   stdout);
        return 0;
    }
    QApplication qtApp(argc, argv);
    return lk::runApplication();
}
