// The desktop program's own state: the panes, what the right side shows, the Apple-file
// clipboard, the folders the dialogs start in, and the menus.
#pragma once

#include <cstdint>
#include <string>

#include "graphics/picture.h"
#include "platform/font_choice.h"
#include "platform/new_image_choice.h"
#include "platform/printing.h"
#include "app/find_record.h"
#include "app/menu_state.h"
#include "app/block_view.h"

namespace lk {

inline constexpr int kDefaultTreeWidth = 120;
inline constexpr int kMinTreeWidth = 70;
inline constexpr int kMaxTreeWidth = 590;

struct ShellState {
    int treeWidth = kDefaultTreeWidth; // the splitter's position: the tree pane's width
    bool graphicShown = false;         // the picture pane shows a picture instead of text
    Picture picture;                   // the picture shown, as exported and printed
    bool bitMapShown = false;          // the text pane shows the volume bit map
    bool blockViewShown = false;       // the text pane shows a block or a sector
    bool wrapAt80 = true;              // the text wraps at the width of 80 characters
    bool findDialogOpen = false;       // the modeless Find or Replace dialog is open
    AppleClipboard appleClipboard = AppleClipboard::Empty;
    uint32_t selectedEntry = 0; // the selected node's entry offset, 0 when none
    // The block or sector shown (or last shown) and the texts last typed in its dialogs.
    BlockViewState blockView;

    std::string settingsPath;
    std::string helpPath;
    std::string folder;       // where the Open, Save As and Import dialogs start
    std::string exportFolder; // where the Export dialog starts
    std::string rememberedFolder;

    MenuState menu = initialMenuState();
    // What File > New asked for last time, for the whole run.
    NewImageChoice newImage;

    // The display pane's search, font dialog and printing, kept for the whole run.
    FindRecord findRecord;
    FontChoice chosenFont; // what the font dialog gave last
    PageSetup pageSetup;
    PrintSettings printSettings;
};

} // namespace lk
