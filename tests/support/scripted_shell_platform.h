// The shell's platform for tests: messages and questions recorded as the core's double does, and
// dialogs, popup menus, the About box and the guide answered from scripts and recorded.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <tuple>

#include "platform/shell_platform.h"
#include "scripted_platform.h"
#include "temp_folder.h"

namespace lk::test {

// A dialog: what it started with each time it was shown, and its answers in turn (Cancel when
// they have run out).
template <typename Shown, typename Answer> struct ScriptedDialog {
    std::vector<Shown> shown;
    std::deque<std::optional<Answer>> answers;

    std::optional<Answer> ask(Shown start) {
        shown.push_back(std::move(start));
        if (answers.empty()) return std::nullopt;
        std::optional<Answer> a = answers.front();
        answers.pop_front();
        return a;
    }
};

using HostFiles = std::vector<std::pair<std::string, std::vector<uint8_t>>>;
// The files written into a folder "host" of the scratch folder, chosen in this order as the
// Import dialog chooses them.
inline ImportChoice writeHostFiles(const TempFolder& folder, const HostFiles& files) {
    ImportChoice choice{folder.file("host"), {}};
    std::filesystem::create_directory(choice.folder);
    for (const auto& [name, bytes] : files) {
        folder.write("host/" + name, bytes);
        choice.names.push_back(name);
    }
    return choice;
}

// What the export dialog was shown: the suggested name and the folder it started in.
struct ExportDialogStart {
    std::string suggestedName;
    std::string folder;
};

// A press of OK in the Name or New Folder dialog with the fields given typed (the others as they
// stand), or of Cancel.
struct NameAnswer {
    std::optional<std::string> name;
    std::optional<std::string> type;
    bool cancel = false;
};

class ScriptedShellPlatform : public Recording<ShellPlatform> {
  public:
    std::optional<ChosenFile> chooseImageToOpen(const std::string& folder) override {
        return openDialog.ask(folder);
    }
    std::optional<ChosenFile> chooseImageToSave(const std::string& folder) override {
        return saveDialog.ask(folder);
    }
    std::optional<ChosenFile> chooseNibbleCopy(const std::string& folder,
                                               const std::string& proposedPath) override {
        return nibbleCopyDialog.ask({folder, proposedPath});
    }
    std::optional<ImportChoice> chooseImportFiles(const std::string& folder) override {
        return importDialog.ask(folder);
    }
    bool chooseFont(FontChoice& font) override { return answer(fontDialog, font, font); }
    bool runPageSetup(PageSetup& setup) override { return answer(pageSetupDialog, setup, setup); }
    bool choosePrintJob(PageSetup&, PrintSettings& settings, bool hasSelection) override {
        return answer(printDialog, {settings, hasSelection}, settings);
    }
    int trackPopupMenu(const std::vector<PopupItem>& items, int, int) override {
        popups.push_back(items);
        return popupAnswer;
    }
    void showAbout() override { ++aboutShown; }
    void showHelpContents() override { ++helpShown; }
    std::optional<ChosenFile> chooseExportFile(const std::string& suggestedName,
                                               const std::string& folder) override {
        return exportDialog.ask({suggestedName, folder});
    }
    std::optional<ChosenFile> chooseGraphicFile(const std::string& folder) override {
        return graphicDialog.ask(folder);
    }
    std::optional<std::string> askBlockNumber(const std::string& lastEntry) override {
        return blockDialog.ask(lastEntry);
    }
    std::optional<TrackSectorEntry> askTrackSector(const std::string& lastTrack,
                                                   const std::string& lastSector) override {
        return sectorDialog.ask({lastTrack, lastSector});
    }
    bool shiftHeld() override { return shift; }
    bool runNewImageDialog(NewImageChoice& choice) override {
        return answer(newImageDialog, choice, choice);
    }
    // The sheet as a user works it: the script changes the controls, presses its buttons and
    // says OK or Cancel (Cancel without a script).
    bool runPreferences(PreferenceChoices& choices, PreferenceActions& actions) override {
        preferencesShown.push_back(choices);
        return preferencesScript && preferencesScript(choices, actions);
    }
    bool chooseColor(uint32_t& colorRef, CustomColorSet& customColors) override {
        return answer(colorDialog, {colorRef, customColors}, colorRef, customColors);
    }
    void showHelpTopic(std::string_view page, std::string_view anchor) override {
        helpTopics.push_back(std::string(page) + "#" + std::string(anchor));
    }
    // Each answer in turn is typed over the fields (as shown, or as typed for the last OK that
    // was refused) and OK pressed, until the fields pass or an answer cancels.
    bool runNameDialog(NameDialogState& state) override {
        nameDialogs.push_back(state);
        NameDialogFields f = state.fields;
        while (!nameAnswers.empty()) {
            NameAnswer a = nameAnswers.front();
            nameAnswers.pop_front();
            if (a.cancel) return false;
            f.name = a.name.value_or(f.name);
            f.type = a.type.value_or(f.type);
            if (!state.accept(f)) continue;
            state.fields = f;
            return true;
        }
        return false;
    }
    SaveChoice askSaveDiscardCancel(std::string_view text, std::string_view caption) override {
        questions.push_back({std::string(text), std::string(caption), MessageIcon::Warning});
        if (saveChoices.empty()) return SaveChoice::Cancel;
        SaveChoice c = saveChoices.front();
        saveChoices.pop_front();
        return c;
    }

    ScriptedDialog<std::string, ChosenFile> openDialog;     // shown the folder it starts in
    ScriptedDialog<std::string, ChosenFile> saveDialog;     // shown the folder it starts in
    ScriptedDialog<std::string, ImportChoice> importDialog; // shown the folder it starts in
    std::vector<NameDialogState> nameDialogs;               // as each was shown
    std::deque<NameAnswer> nameAnswers;
    std::deque<SaveChoice> saveChoices; // Cancel when they have run out
    // Shown the folder it starts in and the proposed name.
    ScriptedDialog<std::pair<std::string, std::string>, ChosenFile> nibbleCopyDialog;
    // An export answer naming a file that exists stands for the user having agreed to replace it.
    ScriptedDialog<ExportDialogStart, ChosenFile> exportDialog;
    ScriptedDialog<std::string, ChosenFile> graphicDialog; // shown the folder it starts in
    ScriptedDialog<std::string, std::string> blockDialog;  // shown the last entry
    ScriptedDialog<TrackSectorEntry, TrackSectorEntry> sectorDialog;
    ScriptedDialog<FontChoice, FontChoice> fontDialog;
    ScriptedDialog<PageSetup, PageSetup> pageSetupDialog;
    // Shown the settings and whether text is selected.
    ScriptedDialog<std::pair<PrintSettings, bool>, PrintSettings> printDialog;
    ScriptedDialog<NewImageChoice, NewImageChoice> newImageDialog; // shown the last choice
    std::vector<PreferenceChoices> preferencesShown;
    std::function<bool(PreferenceChoices&, PreferenceActions&)> preferencesScript;
    // Shown the colour and the custom colours it starts from; answers with the colour chosen.
    ScriptedDialog<std::pair<uint32_t, CustomColorSet>, std::pair<uint32_t, CustomColorSet>>
        colorDialog;
    std::vector<std::string> helpTopics; // "page#anchor"
    std::vector<std::vector<PopupItem>> popups;
    int popupAnswer = 0;
    int aboutShown = 0;
    int helpShown = 0;
    bool shift = false; // Shift held with every command

  private:
    // Asks the dialog; OK puts its answer in `result`.
    template <typename Shown, typename Answer>
    static bool answer(ScriptedDialog<Shown, Answer>& dialog, Shown start, Answer& result) {
        std::optional<Answer> a = dialog.ask(std::move(start));
        if (a) result = *a;
        return a.has_value();
    }
    template <typename Shown, typename A, typename B>
    static bool answer(ScriptedDialog<Shown, std::pair<A, B>>& dialog, Shown start, A& first,
                       B& second) {
        std::optional<std::pair<A, B>> a = dialog.ask(std::move(start));
        if (a) std::tie(first, second) = *a;
        return a.has_value();
    }
};

} // namespace lk::test
