// The shell's platform for tests: messages and questions as the core's scripted double, and
// file dialogs, popup menus, the About box and the guide answered from scripts and recorded.
// A dialog whose answers have run out is cancelled.
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
        return next(openAnswers);
    }
    std::optional<ChosenFile> chooseImageToSave(const std::string&) override { return {}; }
    std::optional<ImportChoice> chooseImportFiles(const std::string&) override { return {}; }
    bool chooseFont(FontChoice& font) override {
        fontDialogStarts.push_back(font);
        if (fontAnswer) font = *fontAnswer;
        return fontAnswer.has_value();
    }
    bool runPageSetup(PageSetup& setup) override {
        ++pageSetupShown;
        if (pageSetupAnswer) setup = *pageSetupAnswer;
        return pageSetupAnswer.has_value();
    }
    bool choosePrintJob(PageSetup&, PrintSettings& settings, bool hasSelection) override {
        printDialogStarts.push_back({settings, hasSelection});
        std::optional<PrintSettings> a = next(printAnswers);
        if (a) settings = *a;
        return a.has_value();
    }
    int trackPopupMenu(const std::vector<PopupItem>& items, int, int) override {
        popups.push_back(items);
        return popupAnswer;
    }
    void showAbout() override { ++aboutShown; }
    void showHelpContents() override { ++helpShown; }
    std::optional<ChosenFile> chooseExportFile(const std::string& suggestedName,
                                               const std::string& folder) override {
        exportDialogs.push_back({suggestedName, folder});
        return next(exportAnswers);
    }
    std::optional<std::string> askBlockNumber(const std::string& lastEntry) override {
        blockDialogTexts.push_back(lastEntry);
        return next(blockAnswers);
    }
    std::optional<TrackSectorEntry> askTrackSector(const std::string& lastTrack,
                                                   const std::string& lastSector) override {
        sectorDialogTexts.push_back({lastTrack, lastSector});
        return next(sectorAnswers);
    }
    bool shiftHeld() override { return shift; }

    ScriptedPlatform base;
    std::deque<std::optional<ChosenFile>> openAnswers;
    std::vector<std::string> openDialogFolders;
    std::vector<std::vector<PopupItem>> popups;
    int popupAnswer = 0;
    std::optional<FontChoice> fontAnswer; // OK with this font; Cancel when there is none
    std::vector<FontChoice> fontDialogStarts;
    std::optional<PageSetup> pageSetupAnswer;
    int pageSetupShown = 0;
    std::deque<std::optional<PrintSettings>> printAnswers;
    std::vector<std::pair<PrintSettings, bool>> printDialogStarts; // with whether text is selected
    int aboutShown = 0;
    int helpShown = 0;
    // The export dialog: each time the suggested name and the folder it started in. An answer
    // naming a file that exists stands for the user having agreed to replace it.
    struct ExportDialog {
        std::string suggestedName;
        std::string folder;
    };
    std::vector<ExportDialog> exportDialogs;
    std::deque<std::optional<ChosenFile>> exportAnswers;
    // The block and track/sector dialogs: the texts they showed, and the answers in turn.
    std::vector<std::string> blockDialogTexts;
    std::deque<std::optional<std::string>> blockAnswers;
    std::vector<TrackSectorEntry> sectorDialogTexts;
    std::deque<std::optional<TrackSectorEntry>> sectorAnswers;
    bool shift = false; // Shift held with every command

  private:
    template <typename T> static std::optional<T> next(std::deque<std::optional<T>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<T> a = answers.front();
        answers.pop_front();
        return a;
    }
};

} // namespace lk::test
