// The shell's platform for tests: messages and questions as the core's scripted double, and
// file dialogs, popup menus, the About box and the guide answered from scripts and recorded.
#pragma once

#include <deque>
#include <optional>

#include "platform/shell_platform.h"
#include "scripted_platform.h"

namespace lk::test {

class ScriptedShellPlatform : public ShellPlatform {
  public:
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
        base.showMessage(text, caption, icon);
    }
    bool askYesNo(std::string_view text, std::string_view caption, MessageIcon icon) override {
        return base.askYesNo(text, caption, icon);
    }
    void beep() override { base.beep(); }
    void setWaitCursor(bool wait) override { base.setWaitCursor(wait); }

    std::optional<ChosenFile> chooseImageToOpen(const std::string& folder) override {
        openDialogFolders.push_back(folder);
        if (openAnswers.empty()) return std::nullopt;
        std::optional<ChosenFile> a = openAnswers.front();
        openAnswers.pop_front();
        return a;
    }
    int trackPopupMenu(const std::vector<PopupItem>& items, int, int) override {
        popups.push_back(items);
        return popupAnswer;
    }
    void showAbout() override { ++aboutShown; }
    void showHelpContents() override { ++helpShown; }

    ScriptedPlatform base;
    // Answers of the open dialog in turn; nothing (Cancel) when they have run out.
    std::deque<std::optional<ChosenFile>> openAnswers;
    std::vector<std::string> openDialogFolders;
    std::vector<std::vector<PopupItem>> popups;
    int popupAnswer = 0;
    int aboutShown = 0;
    int helpShown = 0;
};

} // namespace lk::test
