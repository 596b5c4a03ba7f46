// The platform layer on Qt: message boxes, the beep, the wait cursor, file dialogs, popup menus,
// the About box and the user guide.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <span>

#include "platform/shell_platform.h"

class QPrinter;
class QWidget;

#include "shell/help_window.h"

class QFileDialog;
class QMenu;

namespace lk {

class QtPlatform : public ShellPlatform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    // The window that owns the dialogs and message boxes (none before it exists).
    void setOwner(QWidget* owner) { owner_ = owner; }

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void beep() override;
    void setWaitCursor(bool wait) override;

    std::optional<ChosenFile> chooseImageToOpen(const std::string& folder) override;
    std::optional<ChosenFile> chooseImageToSave(const std::string& folder) override;
    std::optional<ChosenFile> chooseNibbleCopy(const std::string& folder,
                                               const std::string& proposedPath) override;
    std::optional<ImportChoice> chooseImportFiles(const std::string& folder) override;
    bool chooseFont(FontChoice& font) override;
    bool runPageSetup(PageSetup& setup) override;
    bool choosePrintJob(PageSetup& setup, PrintSettings& settings, bool hasSelection) override;
    int trackPopupMenu(const std::vector<PopupItem>& items, int screenX, int screenY) override;
    void showAbout() override;
    void showHelpContents() override;

    std::optional<ChosenFile> chooseExportFile(const std::string& suggestedName,
                                               const std::string& folder) override;
    std::optional<ChosenFile> chooseGraphicFile(const std::string& folder) override;
    std::optional<std::string> askBlockNumber(const std::string& lastEntry) override;
    std::optional<TrackSectorEntry> askTrackSector(const std::string& lastTrack,
                                                   const std::string& lastSector) override;
    bool shiftHeld() override;
    bool runNewImageDialog(NewImageChoice& choice) override;
    bool runPreferences(PreferenceChoices& choices, PreferenceActions& actions) override;
    bool chooseColor(uint32_t& colorRef, CustomColorSet& customColors) override;
    void showHelpTopic(std::string_view page, std::string_view anchor) override;
    bool runNameDialog(NameDialogState& state) override;
    SaveChoice askSaveDiscardCancel(std::string_view text, std::string_view caption) override;

    HelpWindow* helpWindow() const { return help_; }

  private:
    class ArrowWhileAsking;
    std::optional<ChosenFile> chooseOneFile(int kind, const std::string& folder);
    // Runs a one-file dialog: the chosen file, or nothing on Cancel.
    std::optional<ChosenFile> chosenFile(QFileDialog& dialog);

    // The guide's window, made when first asked for, brought to the front.
    HelpWindow& openHelp();
    // A message box goes above the dialog that is up, else above the window.
    QWidget* boxOwner() const;

    // The printer Page Setup and Print share, made when first asked for.
    QPrinter& printer(const PageSetup& setup);

    QPointer<QWidget> owner_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<HelpWindow> help_;
    bool waiting_ = false;
};

// The name filters of a file dialog: each description followed by its patterns in lower and
// upper case, since file names on most systems are matched with case.
QStringList nameFilters(std::span<const FileFilter> filters);

QString toQString(std::string_view text);
std::string fromQString(const QString& text);

// The items of the tree's context menu (0: a separator), each action holding its command.
void fillPopupMenu(QMenu& menu, const std::vector<PopupItem>& items);

} // namespace lk
