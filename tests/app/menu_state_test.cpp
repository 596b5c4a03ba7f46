#include <gtest/gtest.h>

#include <array>
#include <set>

#include "app/commands.h"
#include "app/menu_state.h"

namespace lk {
namespace {

// The commands whose state depends on the image, the selection and the display.
constexpr int kWatched[] = {12, 13, 14, 30, 31, 33, 34, 35, 36, 37, 38,
                            39, 40, 41, 42, 44, 45, 46, 47, 48, 49, 58};

std::set<int> enabledWatched(const MenuState& m) {
    std::set<int> on;
    for (int c : kWatched)
        if (m.isEnabled(c)) on.insert(c);
    return on;
}

MenuState opened(bool dos, ImageKind kind, AppleClipboard clipboard = AppleClipboard::Empty) {
    MenuState m = initialMenuState();
    menuAfterOpen(m, dos, kind, clipboard);
    return m;
}

MenuState selected(MenuState m, SelectionFacts facts) {
    updateMenuForSelection(m, facts);
    return m;
}

constexpr AppleClipboard kNone = AppleClipboard::Empty;
constexpr AppleClipboard kCopied = AppleClipboard::Copied;
constexpr AppleClipboard kPasted = AppleClipboard::Pasted;

const MenuState kProdos = opened(false, ImageKind::Po);
const MenuState kDos = opened(true, ImageKind::Dsk);

// A ProDOS entry selected: its first byte holds the storage type.
MenuState prodosEntry(uint8_t firstByte, AppleClipboard clipboard = AppleClipboard::Empty) {
    return selected(kProdos, {true, firstByte, ImageKind::Po, false, clipboard});
}

TEST(MenuState, EnablingFollowsImageKindAndSelection) {
    const std::set<int> file = {12, 13, 14, 37, 38, 30, 31, 33, 35, 36, 41, 42, 45, 49};
    const std::set<int> folder = {12, 13, 14, 37, 38, 30, 35, 36, 41, 45, 49};
    MenuState failedOpen = prodosEntry(0x15);
    menuAfterFailedOpen(failedOpen);
    struct Case {
        const char* name;
        std::set<int> enabled;
        MenuState state;
    } cases[] = {
        {"no image", {}, initialMenuState()},
        {"ProDOS", {12, 13, 14, 37, 38}, kProdos},
        {"DOS 3.3 from TrackStar", {13, 14, 46}, opened(true, ImageKind::App, kPasted)},
        {"ProDOS file", file, prodosEntry(0x15)},
        {"ProDOS volume", folder, prodosEntry(0xF4)},
        {"extended file",
         {12, 13, 14, 37, 38, 30, 31, 33, 34, 35, 36, 41, 42, 45, 49},
         prodosEntry(0x58)},
        {"nibble image file",
         {13, 14, 31, 33, 35, 37, 38, 42, 49},
         selected(opened(false, ImageKind::App, kCopied),
                  {true, 0x25, ImageKind::App, false, kCopied})},
        {"DOS 3.3 extended-looking entry",
         {14, 31, 33, 35, 46, 49},
         selected(kDos, {true, 0x5A, ImageKind::Dsk, true, kNone})},
        {"selection lost", {14}, selected(prodosEntry(0x15), {})},
        {"failed open", {}, failedOpen},
    };
    for (const Case& c : cases) EXPECT_EQ(enabledWatched(c.state), c.enabled) << c.name;
    // The stepping items follow the kind of volume; a selection leaves them.
    EXPECT_EQ(initialMenuState().stepItems, StepItems::Initial);
    EXPECT_EQ(prodosEntry(0x15).stepItems, StepItems::Block);
    EXPECT_EQ(selected(kDos, {true, 0x11, ImageKind::Dsk, true, kNone}).stepItems,
              StepItems::Sector);
}

// Whether a greyed item's key is held back is tested with the keys themselves, in the window.

TEST(TreePopup, ItemStatesFollowTheSelection) {
    struct Case {
        const char* name;
        SelectionFacts facts;
        std::set<int> enabled;
    } cases[] = {
        {"extended file, copied file waiting",
         {true, 0x58, ImageKind::Po, false, kCopied},
         {31, 33, 34, 35, 36, 41, 42, 44}},
        {"folder, nothing copied", {true, 0xD5, ImageKind::Po, false, kNone}, {35, 36, 41}},
        {"DOS 3.3 file", {true, 0x12, ImageKind::Dsk, true, kCopied}, {31, 33, 35}},
    };
    for (const Case& c : cases) {
        std::set<int> on;
        for (const PopupItem& i : treePopupMenu(c.facts))
            if (i.command != 0 && i.enabled) on.insert(i.command);
        EXPECT_EQ(on, c.enabled) << c.name;
    }
}

// The Edit menu follows the text pane: Undo, the selection, the clipboard; the Find dialog
// greys its items while it is open.
TEST(MenuState, EditItemsFollowTheTextPane) {
    struct Case {
        EditFacts facts;
        std::set<int> enabled;
    } cases[] = {
        {{}, {25, 27, 28, 29}},
        {{false, true, true, false}, {21, 22, 23, 24, 25, 27, 28, 29}},
        {{true, true, false, false}, {20, 23, 25, 27, 28, 29}},
        {{true, true, false, true}, {20, 23, 25}},
    };
    for (const Case& c : cases) {
        MenuState m = initialMenuState();
        prepareEditMenu(m, c.facts);
        std::set<int> on;
        for (int command : {20, 21, 22, 23, 24, 25, 27, 28, 29})
            if (m.isEnabled(command)) on.insert(command);
        EXPECT_EQ(on, c.enabled) << c.facts.canUndo << c.facts.hasSelection;
    }
}

TEST(WindowGeometry, StoredGeometryOrTheScreenRule) {
    struct Case {
        const char* name;
        std::array<int, 5> stored; // Wide, High, Left, Top, Treewide
        int screenW, screenH;
        std::array<int, 5> expected; // x, y, width, height, tree width
    } cases[] = {
        {"no size: 745x450", {0, 900, 50, 60, 300}, 1920, 1080, {0, 0, 745, 450, 120}},
        {"small screen", {0, 0, 0, 0, 0}, 640, 400, {0, 0, 640, 372, 120}},
        {"stored", {800, 500, 30, 40, 200}, 1920, 1080, {30, 40, 800, 500, 200}},
        {"tree too wide", {800, 500, 0, 0, 5000}, 1920, 1080, {0, 0, 800, 500, 590}},
        {"tiny window", {10, -5, 0, 0, 100}, 1920, 1080, {0, 0, 240, 160, 100}},
    };
    for (const Case& c : cases) {
        Settings s;
        s.wide = c.stored[0], s.high = c.stored[1], s.left = c.stored[2], s.top = c.stored[3];
        s.treeWide = c.stored[4];
        WindowGeometry g = initialGeometry(s, c.screenW, c.screenH);
        EXPECT_EQ((std::array<int, 5>{g.x, g.y, g.width, g.height, g.treeWidth}), c.expected)
            << c.name;
    }
}

} // namespace
} // namespace lk
