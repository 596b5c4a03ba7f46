#include "app/menu_state.h"

#include "prodos/file_entry.h"

namespace lk {

namespace {

constexpr int kImageCommands[] = {
    cmd::kSave,     cmd::kSaveAs,           cmd::kImport,     cmd::kExportAs,
    cmd::kViewFile, cmd::kViewResourceFork, cmd::kProperties, cmd::kDeleteFile,
    cmd::kBitMap,   cmd::kDisplayBlock,     cmd::kNextBlock,  cmd::kPreviousBlock,
    cmd::kRename,   cmd::kCopyFile,         cmd::kPasteFile,  cmd::kNewFolder,
    cmd::kCatalog,  cmd::kExportGraphic,
};

bool inRange(int command) {
    return command >= 0 && command <= cmd::kHighest;
}

// A folder entry or the volume directory header: nothing to view, copy or export.
bool isDirectoryEntry(uint8_t firstByte) {
    uint8_t s = firstByte >> 4;
    return s == kStorageSubdirectory || s == kStorageVolumeHeader;
}

// Items taken out of the menu are held greyed, so that they come back greyed.
void greyItems(MenuState& menu, StepItems which) {
    for (const MenuItem& item : stepItemTexts(which)) menu.grey(item.command);
}

bool pasteAllowed(ImageKind kind, AppleClipboard clipboard) {
    return clipboard != AppleClipboard::Empty && !isNibbleKind(kind);
}

} // namespace

bool MenuState::isEnabled(int command) const {
    return inRange(command) && enabled[size_t(command)];
}

void MenuState::enable(int command, bool on) {
    if (inRange(command)) enabled[size_t(command)] = on;
}

bool MenuState::present(int command) const {
    for (const MenuItem& item : stepItemTexts(StepItems::Initial))
        if (item.command == command) return stepItems != StepItems::Sector;
    for (const MenuItem& item : stepItemTexts(StepItems::Sector))
        if (item.command == command) return stepItems == StepItems::Sector;
    return isMenuCommand(command);
}

MenuState initialMenuState() {
    MenuState menu;
    menu.enabled.fill(true);
    disableImageCommands(menu);
    greyItems(menu, StepItems::Sector);
    menu.grey(cmd::kPrint);
    return menu;
}

void disableImageCommands(MenuState& menu) {
    for (int c : kImageCommands) menu.grey(c);
}

void menuAfterOpen(MenuState& menu, bool isDos33, ImageKind kind, AppleClipboard clipboard) {
    disableImageCommands(menu);
    menu.enable(cmd::kPrint);
    bool nibble = isNibbleKind(kind);
    if (isDos33) {
        greyItems(menu, StepItems::Block);
        menu.stepItems = StepItems::Sector;
        menu.enable(cmd::kDisplaySector);
        menu.grey(cmd::kNextSector);
        menu.grey(cmd::kPreviousSector);
        if (nibble) menu.enable(cmd::kSaveAs);
        return;
    }
    menu.enable(cmd::kBitMap);
    greyItems(menu, StepItems::Sector);
    menu.stepItems = StepItems::Block;
    menu.enable(cmd::kDisplayBlock);
    menu.grey(cmd::kNextBlock);
    menu.grey(cmd::kPreviousBlock);
    menu.enable(cmd::kSave, !nibble);
    menu.enable(cmd::kSaveAs);
    if (pasteAllowed(kind, clipboard)) menu.enable(cmd::kPasteFile);
}

void menuAfterFailedOpen(MenuState& menu) {
    disableImageCommands(menu);
    menu.grey(cmd::kPrint);
}

void updateMenuForSelection(MenuState& menu, const SelectionFacts& f) {
    if (!f.hasSelection) {
        disableImageCommands(menu);
        return;
    }
    for (int c : {cmd::kViewFile, cmd::kExportAs, cmd::kProperties, cmd::kCopyFile, cmd::kCatalog})
        menu.enable(c);
    if (!isNibbleKind(f.kind)) {
        for (int c : {cmd::kDeleteFile, cmd::kRename, cmd::kImport, cmd::kNewFolder})
            menu.enable(c);
    }
    menu.enable(cmd::kViewResourceFork, (f.entryFirstByte >> 4) == kStorageExtended);
    if (isDirectoryEntry(f.entryFirstByte)) {
        for (int c : {cmd::kCopyFile, cmd::kViewFile, cmd::kExportAs}) menu.grey(c);
    }
    if (pasteAllowed(f.kind, f.appleClipboard)) menu.enable(cmd::kPasteFile);
    if (f.isDos33) {
        for (int c : {cmd::kDeleteFile, cmd::kRename, cmd::kPasteFile, cmd::kCopyFile,
                      cmd::kViewResourceFork, cmd::kNewFolder, cmd::kImport})
            menu.grey(c);
        menu.enable(cmd::kProperties);
    }
}

void updateStepCommands(MenuState& menu, bool blockViewShown, bool isDos33) {
    if (isDos33) {
        menu.enable(cmd::kNextSector, blockViewShown);
        menu.enable(cmd::kPreviousSector, blockViewShown);
    } else {
        menu.enable(cmd::kNextBlock, blockViewShown);
        menu.enable(cmd::kPreviousBlock, blockViewShown);
    }
}

void prepareEditMenu(MenuState& menu, const EditFacts& f) {
    menu.enable(cmd::kUndo, f.canUndo);
    menu.enable(cmd::kPaste, f.clipboardHasData);
    for (int c : {cmd::kCut, cmd::kCopy, cmd::kClear}) menu.enable(c, f.hasSelection);
    for (int c : {cmd::kFind, cmd::kFindNext, cmd::kReplace}) menu.enable(c, !f.findDialogOpen);
}

bool acceleratorDelivered(const MenuState& menu, int command) {
    return !menu.present(command) || menu.isEnabled(command);
}

std::vector<PopupItem> treePopupMenu(const SelectionFacts& f) {
    MenuState state;
    updateMenuForSelection(state, f);
    std::vector<PopupItem> items;
    for (const MenuItem& item : kAppleItems) {
        if (item.command == kSeparator) {
            // A separator stands between items, never first, last or twice.
            if (!items.empty() && items.back().command != kSeparator)
                items.push_back({kSeparator, "", true});
        } else if (!item.popupText.empty()) {
            items.push_back({item.command, item.popupText, state.isEnabled(item.command)});
        }
    }
    if (!items.empty() && items.back().command == kSeparator) items.pop_back();
    return items;
}

} // namespace lk
