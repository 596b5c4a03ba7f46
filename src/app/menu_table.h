// The menu bar, the accelerator keys and the tree's popup menu: command numbers, texts ("&"
// marks the mnemonic, "\t" separates the shortcut shown at the right) and order.
#pragma once

#include <span>
#include <string_view>

namespace lk {

namespace cmd {
inline constexpr int kNew = 10;
inline constexpr int kOpen = 11;
inline constexpr int kSave = 12;
inline constexpr int kSaveAs = 13;
inline constexpr int kPrint = 14;
inline constexpr int kExit = 15;
inline constexpr int kPageSetup = 17;
inline constexpr int kUndo = 20;
inline constexpr int kCut = 21;
inline constexpr int kCopy = 22;
inline constexpr int kPaste = 23;
inline constexpr int kClear = 24;
inline constexpr int kSelectAll = 25;
inline constexpr int kNothing = 26; // F12: delivered, does nothing
inline constexpr int kFind = 27;
inline constexpr int kFindNext = 28;
inline constexpr int kReplace = 29;
inline constexpr int kImport = 30;
inline constexpr int kExportAs = 31;
inline constexpr int kViewFile = 33;
inline constexpr int kViewResourceFork = 34;
inline constexpr int kProperties = 35;
inline constexpr int kDeleteFile = 36;
inline constexpr int kBitMap = 37;
inline constexpr int kDisplayBlock = 38;
inline constexpr int kNextBlock = 39;
inline constexpr int kPreviousBlock = 40;
inline constexpr int kRename = 41;
inline constexpr int kCopyFile = 42;
inline constexpr int kPasteFile = 44;
inline constexpr int kNewFolder = 45;
inline constexpr int kDisplaySector = 46;
inline constexpr int kNextSector = 47;
inline constexpr int kPreviousSector = 48;
inline constexpr int kCatalog = 49;
inline constexpr int kExportGraphic = 58;
inline constexpr int kPreferences = 59;
inline constexpr int kHelpContents = 60;
inline constexpr int kAbout = 61;
inline constexpr int kLowest = 5;
inline constexpr int kHighest = 61;
} // namespace cmd

// A menu line: a command with its text, a separator (command 0), or the place of the three
// block or sector stepping items, which change with the kind of volume open.
inline constexpr int kSeparator = 0;
inline constexpr int kStepItemsSlot = -1;

struct MenuItem {
    int command;
    std::string_view text;
    // The text of the item in the tree's popup menu, empty for the items it does not hold.
    std::string_view popupText = {};
};

struct MenuDef {
    std::string_view title;
    std::span<const MenuItem> items;
};

inline constexpr MenuItem kFileItems[] = {
    {cmd::kNew, "&New\tCtrl+N"},
    {cmd::kOpen, "&Open...\tCtrl+O"},
    {cmd::kSave, "&Save\tCtrl+S"},
    {cmd::kSaveAs, "Save &As..."},
    {kSeparator, ""},
    {cmd::kPageSetup, "Page Set&up..."},
    {cmd::kPrint, "&Print...\tCtrl+P"},
    {kSeparator, ""},
    {cmd::kExit, "E&xit"},
};

inline constexpr MenuItem kEditItems[] = {
    {cmd::kUndo, "&Undo\tCtrl+Z"},
    {kSeparator, ""},
    {cmd::kCut, "Cu&t\tCtrl+X"},
    {cmd::kCopy, "&Copy\tCtrl+C"},
    {cmd::kPaste, "&Paste\tCtrl+V"},
    {cmd::kClear, "C&lear\tDel"},
    {kSeparator, ""},
    {cmd::kSelectAll, "&Select All\tCtrl+A"},
    {kSeparator, ""},
    {cmd::kFind, "&Find...\tCtrl+F"},
    {cmd::kFindNext, "Find &Next\tF3"},
    {cmd::kReplace, "R&eplace...\tCtrl+R"},
};

inline constexpr MenuItem kAppleItems[] = {
    {cmd::kImport, "&Import..."},
    {cmd::kExportAs, "&Export As...", "&Export As..."},
    {kSeparator, ""},
    {cmd::kCopyFile, "&Copy Apple file", "&Copy Apple file"},
    {cmd::kPasteFile, "&Paste Apple file", "&Paste Apple file"},
    {cmd::kViewFile, "View &Apple file", "View &Apple file"},
    {cmd::kViewResourceFork, "View Resource &fork", "View Resource &fork"},
    {cmd::kRename, "&Rename...", "Re&name..."},
    {cmd::kProperties, "Pr&operties", "Pr&operties"},
    {kSeparator, ""},
    {cmd::kNewFolder, "&New Folder..."},
    {kSeparator, ""},
    {cmd::kCatalog, "Catalo&g"},
    {kSeparator, ""},
    {kStepItemsSlot, ""},
    {cmd::kBitMap, "Display &Volume Bit Map"},
    {kSeparator, ""},
    {cmd::kDeleteFile, "&Delete File...", "&Delete File..."},
};

inline constexpr MenuItem kToolsItems[] = {
    {cmd::kPreferences, "&Preferences..."},
    {cmd::kExportGraphic, "&Export Graphic..."},
};

inline constexpr MenuItem kHelpItems[] = {
    {cmd::kHelpContents, "&Contents...\tF1"},
    {cmd::kAbout, "&About Larkspoon..."},
};

inline constexpr MenuDef kMenuBar[] = {
    {"&File", kFileItems},   {"&Edit", kEditItems}, {"&Apple", kAppleItems},
    {"&Tools", kToolsItems}, {"&Help", kHelpItems},
};
inline constexpr int kEditMenuIndex = 1;
inline constexpr int kAppleMenuIndex = 2;

// The stepping items: as the program starts, after a ProDOS volume has opened, and after a
// DOS 3.3 volume has opened.
enum class StepItems { Initial, Block, Sector };

inline constexpr MenuItem kInitialStepItems[] = {
    {cmd::kDisplayBlock, "Display &Block...\tF9"},
    {cmd::kNextBlock, "Incremen&t Block\tF11"},
    {cmd::kPreviousBlock, "Decrement B&lock\tF10"},
};
inline constexpr MenuItem kBlockStepItems[] = {
    {cmd::kDisplayBlock, "Display &Block\tF9"},
    {cmd::kNextBlock, "Incremen&t Block\tF11"},
    {cmd::kPreviousBlock, "Decre&ment Block\tF10"},
};
inline constexpr MenuItem kSectorStepItems[] = {
    {cmd::kDisplaySector, "Display &Sector...\tF6"},
    {cmd::kNextSector, "Incremen&t Sector\tF8"},
    {cmd::kPreviousSector, "Decre&ment Sector\tF7"},
};

constexpr std::span<const MenuItem> stepItemTexts(StepItems which) {
    switch (which) {
    case StepItems::Block:
        return kBlockStepItems;
    case StepItems::Sector:
        return kSectorStepItems;
    default:
        return kInitialStepItems;
    }
}

// Accelerator keys, in the portable notation of key sequences. Several keys may serve one
// command.
struct Accelerator {
    int command;
    std::string_view keys;
};

inline constexpr Accelerator kAccelerators[] = {
    {cmd::kNew, "Ctrl+N"},        {cmd::kOpen, "Ctrl+O"},      {cmd::kSave, "Ctrl+S"},
    {cmd::kPrint, "Ctrl+P"},      {cmd::kUndo, "Ctrl+Z"},      {cmd::kUndo, "Alt+Backspace"},
    {cmd::kCut, "Ctrl+X"},        {cmd::kCut, "Shift+Del"},    {cmd::kCopy, "Ctrl+C"},
    {cmd::kCopy, "Ctrl+Ins"},     {cmd::kPaste, "Shift+Ins"},  {cmd::kClear, "Del"},
    {cmd::kSelectAll, "Ctrl+A"},  {cmd::kFind, "Ctrl+F"},      {cmd::kFindNext, "F3"},
    {cmd::kReplace, "Ctrl+R"},    {cmd::kDisplayBlock, "F9"},  {cmd::kNextBlock, "F11"},
    {cmd::kPreviousBlock, "F10"}, {cmd::kDisplaySector, "F6"}, {cmd::kNextSector, "F8"},
    {cmd::kPreviousSector, "F7"}, {cmd::kHelpContents, "F1"},  {cmd::kNothing, "F12"},
};

// Whether the number has a line in the menu table (stepping items of both kinds included).
constexpr bool isMenuCommand(int command) {
    if (command <= 0) return false;
    for (const MenuDef& menu : kMenuBar)
        for (const MenuItem& item : menu.items)
            if (item.command == command) return true;
    for (StepItems s : {StepItems::Initial, StepItems::Sector})
        for (const MenuItem& item : stepItemTexts(s))
            if (item.command == command) return true;
    return false;
}

} // namespace lk
