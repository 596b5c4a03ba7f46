// What the desktop program asks of the platform beyond messages and questions: file dialogs,
// popup menus, the About box and the user guide. The Qt implementation lives in the shell; tests
// answer through a scripted double, since a real dialog would wait for a user forever.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font_choice.h"
#include "platform/new_image_choice.h"
#include "platform/preferences.h"
#include "platform/name_dialog.h"
#include "platform/platform.h"
#include "platform/printing.h"

namespace lk {

// One entry of a file dialog's type list: what the user reads, and the patterns it stands for
// (separated by ";").
struct FileFilter {
    std::string_view description;
    std::string_view patterns;
};

inline constexpr FileFilter kDiskImageFilters[] = {
    {"2IMG & DSK Files (*.2MG),(*.DSK)", "*.2mg;*.dsk;*.po;*.do;*.hdv;*.app;*.nib;*.fdi;*.woz"},
    {"All Files (*.*)", "*.*"},
};

inline constexpr FileFilter kAllFilesFilter[] = {{"All Files (*.*)", "*.*"}};

// The dialog that keeps the tracks of a TrackStar image as a ".NIB" file.
inline constexpr FileFilter kNibbleCopyFilters[] = {
    {"Nibble Files (*.NIB)", "*.2mg;*.dsk;*.po;*.do;*.hdv;*.app;*.nib;*.fdi"},
};

inline constexpr std::string_view kOpenImageTitle = "Open disk image";
inline constexpr std::string_view kSaveImageTitle = "Save disk image as:";
inline constexpr std::string_view kImportTitle = "Import file:";
// The save and open dialogs give a name typed without an extension this one.
inline constexpr std::string_view kDefaultExtension = "txt";

inline constexpr FileFilter kExportFilters[] = {
    {"All Files (*.*)", "*.*"},
    {"Text Files (*.TXT)", "*.txt"},
    {"ASCII Files (*.ASC)", "*.asc"},
};

inline constexpr std::string_view kExportTitle = "Export Apple ][ file as:";

inline constexpr FileFilter kGraphicFilters[] = {
    {"Bitmaps (*.BMP)", "*.bmp"},
    {"All Files (*.*)", "*.*"},
    {"PNG images (*.png)", "*.png"},
};

inline constexpr std::string_view kGraphicTitle = "Save graphic as:";

// A file the user chose: its full path and the name shown for it.
struct ChosenFile {
    std::string path;
    std::string fileTitle;
};

// What the user typed into the track/sector dialog.
struct TrackSectorEntry {
    std::string track;
    std::string sector;
};

// The files chosen for import: their folder and their names in it, in the dialog's order.
struct ImportChoice {
    std::string folder;
    std::vector<std::string> names;
};

// The answers to the question about unsaved changes.
enum class SaveChoice { Save, Discard, Cancel };

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
    // The save-image dialog, starting in `folder`, asking before it replaces a file.
    virtual std::optional<ChosenFile> chooseImageToSave(const std::string& folder) = 0;
    // The save dialog for the ".NIB" copy of a TrackStar image, starting in `folder` with the
    // proposed name, asking before it replaces a file.
    virtual std::optional<ChosenFile> chooseNibbleCopy(const std::string& folder,
                                                       const std::string& proposedPath) = 0;
    // The import dialog: any number of existing files of one folder.
    virtual std::optional<ImportChoice> chooseImportFiles(const std::string& folder) = 0;
    // The font dialog, starting from `font`, which holds the dialog's font afterwards whatever
    // the user pressed; true for OK.
    virtual bool chooseFont(FontChoice& font) = 0;
    // The page setup dialog on the shared printer and paper; true for OK.
    virtual bool runPageSetup(PageSetup& setup) = 0;
    // The print dialog, starting from the last job's choices; true for OK (the choices are
    // then those of this job). `hasSelection` offers printing the selected text only.
    virtual bool choosePrintJob(PageSetup& setup, PrintSettings& settings, bool hasSelection) = 0;
    // A popup menu at a screen position; the chosen command, or 0 when none was chosen.
    virtual int trackPopupMenu(const std::vector<PopupItem>& items, int screenX, int screenY) = 0;
    // The modal About box.
    virtual void showAbout() = 0;
    // The user guide, opened at its contents.
    virtual void showHelpContents() = 0;

    // The export dialog, pre-filled with the suggested name and starting in `folder`. It asks
    // before replacing a file that exists; a name typed without an extension gets ".txt".
    // Nothing when the user cancels.
    virtual std::optional<ChosenFile> chooseExportFile(const std::string& suggestedName,
                                                       const std::string& folder) = 0;
    // The Export Graphic dialog, starting in `folder`. It asks before replacing a file that
    // exists; a name typed without an extension gets ".bmp". Nothing when the user cancels.
    virtual std::optional<ChosenFile> chooseGraphicFile(const std::string& folder) = 0;
    // The Show Block dialog, its entry showing the text last entered; the typed text, or
    // nothing on Cancel.
    virtual std::optional<std::string> askBlockNumber(const std::string& lastEntry) = 0;
    // The Show Track/Sector dialog, the same for a track and a sector.
    virtual std::optional<TrackSectorEntry> askTrackSector(const std::string& lastTrack,
                                                           const std::string& lastSector) = 0;
    // Whether the Shift key is held with the command now being run.
    virtual bool shiftHeld() = 0;

    // The New dialog, starting from `choice`, which holds the user's choice on OK; false for
    // Cancel (the choice left as it was).
    virtual bool runNewImageDialog(NewImageChoice& choice) = 0;
    // The modal Preferences sheet, its controls starting from `choices`, which hold them on OK;
    // its buttons act through `actions` at once. True for OK.
    virtual bool runPreferences(PreferenceChoices& choices, PreferenceActions& actions) = 0;
    // The colour dialog, starting from `colorRef` with the 16 custom colours; on OK both hold
    // what the user chose. True for OK.
    virtual bool chooseColor(uint32_t& colorRef, CustomColorSet& customColors) = 0;
    // The user guide, opened at a topic: a page and the anchor of a control's help on it.
    virtual void showHelpTopic(std::string_view page, std::string_view anchor) = 0;
    // The Name or New Folder dialog, modal: true for OK, its fields then in `state.fields`;
    // false for Cancel.
    virtual bool runNameDialog(NameDialogState& state) = 0;
    // A question answered by Save, Discard or Cancel.
    virtual SaveChoice askSaveDiscardCancel(std::string_view text, std::string_view caption) = 0;
};

} // namespace lk
