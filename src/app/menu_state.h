// Which menu commands are enabled, and which stepping items the Apple menu holds, kept in step
// with what is open, selected and shown. Plain rules over plain facts: the window only applies
// the result to its menus.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "image/image_kind.h"
#include "platform/shell_platform.h"
#include "app/menu_table.h"

namespace lk {

// The Apple-file clipboard: nothing copied, a file copied, the copy pasted at least once.
enum class AppleClipboard : uint8_t { Empty, Copied, Pasted };

struct MenuState {
    std::array<bool, cmd::kHighest + 1> enabled{};
    StepItems stepItems = StepItems::Initial;

    bool isEnabled(int command) const;
    void enable(int command, bool on = true);
    void grey(int command) { enable(command, false); }
    // Whether the command has an item in the menu bar just now.
    bool present(int command) const;
};

// The menus as the program starts: every item enabled, then the image commands and Print
// greyed.
MenuState initialMenuState();

// Greys every command that needs an open image.
void disableImageCommands(MenuState& menu);

// The rebuild after an image has opened: block items for ProDOS, sector items for DOS 3.3.
void menuAfterOpen(MenuState& menu, bool isDos33, ImageKind kind, AppleClipboard clipboard);

// After an open that loaded nothing: the menus are as at start, since no image is there to
// save, print or show.
void menuAfterFailedOpen(MenuState& menu);

// What the selection rule needs to know of the selected node.
struct SelectionFacts {
    bool hasSelection = false;
    uint8_t entryFirstByte = 0; // storage type and name length of the node's entry
    ImageKind kind = ImageKind::None;
    bool isDos33 = false;
    AppleClipboard appleClipboard = AppleClipboard::Empty;
};
void updateMenuForSelection(MenuState& menu, const SelectionFacts& facts);

// The block or sector stepping pair is enabled exactly while a block or sector is shown.
void updateStepCommands(MenuState& menu, bool blockViewShown, bool isDos33);

struct EditFacts {
    bool canUndo = false;
    bool clipboardHasData = false; // text, a picture or rich text
    bool hasSelection = false;     // a non-empty selection in the display pane
    bool findDialogOpen = false;
};
void prepareEditMenu(MenuState& menu, const EditFacts& facts);

// An accelerator reaches the dispatcher unless its command's item is in the menu and greyed.
bool acceleratorDelivered(const MenuState& menu, int command);

// The tree's popup menu for the item just right-clicked: the Apple menu's items that it holds,
// enabled by the same rules.
std::vector<PopupItem> treePopupMenu(const SelectionFacts& facts);

} // namespace lk
