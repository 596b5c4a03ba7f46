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
    std::optional<ChosenFile> chooseImageToSave(const std::string& folder) override {
        saveDialogFolders.push_back(folder);
        return next(saveAnswers);
    }
    std::optional<ImportChoice> chooseImportFiles(const std::string& folder) override {
        importDialogFolders.push_back(folder);
        return next(importAnswers);
    }
    bool chooseFont(FontChoice& font) override {
        fontDialogStarts.push_back(font);
        if (!fontAnswer) return false;
        font = *fontAnswer;
        return true;
    }
    bool runPageSetup(PageSetup& setup) override {
        ++pageSetupShown;
        if (!pageSetupAnswer) return false;
        setup = *pageSetupAnswer;
        return true;
    }
    bool choosePrintJob(PageSetup&, PrintSettings& settings, bool hasSelection) override {
        printDialogStarts.push_back({settings, hasSelection});
        std::optional<PrintSettings> a = next(printAnswers);
        if (!a) return false;
        settings = *a;
        return true;
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
    // Answers of the open dialog in turn; nothing (Cancel) when they have run out.
    std::deque<std::optional<ChosenFile>> openAnswers;
    std::vector<std::string> openDialogFolders;
    std::vector<std::vector<PopupItem>> popups;
    int popupAnswer = 0;
    std::deque<std::optional<ChosenFile>> saveAnswers;
    std::vector<std::string> saveDialogFolders;
    std::deque<std::optional<ImportChoice>> importAnswers;
    std::vector<std::string> importDialogFolders;
    // The font dialog answers OK with this font, or Cancel when there is none.
    std::optional<FontChoice> fontAnswer;
    std::vector<FontChoice> fontDialogStarts;
    std::optional<PageSetup> pageSetupAnswer;
    int pageSetupShown = 0;
    std::deque<std::optional<PrintSettings>> printAnswers;
    std::vector<std::pair<PrintSettings, bool>> printDialogStarts; // with whether text is selected
    int aboutShown = 0;
    int helpShown = 0;

    // The export dialog: each time the suggested name and the folder it started in, and the
    // answers in turn (Cancel when they have run out). An answer naming a file that exists
    // stands for the user having agreed to replace it.
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
