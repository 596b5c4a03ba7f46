// What the desktop program asks of the platform beyond messages and questions: file dialogs,
// popup menus, the About box and the user guide. The Qt implementation lives in the shell; tests
// answer through a scripted double, since a real dialog would wait for a user forever.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace lk {

// One entry of a file dialog's type list: what the user reads, and the patterns it stands for
// (separated by ";").
struct FileFilter {
    std::string_view description;
    std::string_view patterns;
};

inline constexpr FileFilter kDiskImageFilters[] = {
    {"2IMG & DSK Files (*.2MG),(*.DSK)", "*.2mg;*.dsk;*.po;*.do;*.hdv;*.app;*.nib;*.fdi"},
    {"All Files (*.*)", "*.*"},
};

inline constexpr std::string_view kOpenImageTitle = "Open disk image";

// A file the user chose: its full path and the name shown for it.
struct ChosenFile {
    std::string path;
    std::string fileTitle;
};

// One line of a popup menu; command 0 is a separator.
struct PopupItem {
    int command = 0;
    std::string_view text;
    bool enabled = true;
};

class ShellPlatform : public Platform {
  public:
    // The open-image dialog, starting in `folder`; nothing when the user cancels.
    virtual std::optional<ChosenFile> chooseImageToOpen(const std::string& folder) = 0;
    // A popup menu at a screen position; the chosen command, or 0 when none was chosen.
    virtual int trackPopupMenu(const std::vector<PopupItem>& items, int screenX, int screenY) = 0;
    // The modal About box.
    virtual void showAbout() = 0;
    // The user guide, opened at its contents.
    virtual void showHelpContents() = 0;
};

} // namespace lk
