#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "shell/app/commands.h"
#include "shell/app/menu_state.h"

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

MenuState opened(bool dos, ImageKind kind, int clipboard = 0) {
    MenuState m = initialMenuState();
    menuAfterOpen(m, dos, kind, clipboard);
    return m;
}

MenuState selected(MenuState m, uint8_t entryFirstByte, ImageKind kind, bool dos,
                   int clipboard = 0) {
    updateMenuForSelection(m, {true, entryFirstByte, kind, dos, clipboard});
    return m;
}

const std::set<int> kProdosOpen = {12, 13, 14, 37, 38};
const std::set<int> kFileCommands = {30, 31, 33, 35, 36, 41, 42, 45, 49};

std::set<int> unite(std::set<int> a, const std::set<int>& b) {
    a.insert(b.begin(), b.end());
    return a;
}

TEST(MenuState, EnablingFollowsImageKindAndSelection) {
    struct Case {
        const char* name;
        MenuState state;
        std::set<int> enabled;
        StepItems steps;
    } cases[] = {
        {"no image", initialMenuState(), {}, StepItems::Initial},
        {"ProDOS", opened(false, ImageKind::Po), kProdosOpen, StepItems::Block},
        {"ProDOS, Apple file copied", opened(false, ImageKind::TwoImg, 2), unite(kProdosOpen, {44}),
         StepItems::Block},
        {"ProDOS from nibbles",
         opened(false, ImageKind::Nib, 2),
         {13, 14, 37, 38},
         StepItems::Block},
        {"DOS 3.3", opened(true, ImageKind::Dsk), {14, 46}, StepItems::Sector},
        {"DOS 3.3 from TrackStar",
         opened(true, ImageKind::App, 3),
         {13, 14, 46},
         StepItems::Sector},
        {"ProDOS file", selected(opened(false, ImageKind::Po), 0x15, ImageKind::Po, false),
         unite(kProdosOpen, kFileCommands), StepItems::Block},
        {"ProDOS folder", selected(opened(false, ImageKind::Po), 0xD7, ImageKind::Po, false),
         unite(kProdosOpen, {30, 35, 36, 41, 45, 49}), StepItems::Block},
        {"ProDOS volume", selected(opened(false, ImageKind::Po), 0xF4, ImageKind::Po, false),
         unite(kProdosOpen, {30, 35, 36, 41, 45, 49}), StepItems::Block},
        {"extended file", selected(opened(false, ImageKind::Po), 0x58, ImageKind::Po, false),
         unite(kProdosOpen, unite(kFileCommands, {34})), StepItems::Block},
        {"file, Apple file copied",
         selected(opened(false, ImageKind::Po), 0x25, ImageKind::Po, false, 2),
         unite(kProdosOpen, unite(kFileCommands, {44})), StepItems::Block},
        {"nibble image file",
         selected(opened(false, ImageKind::App, 2), 0x25, ImageKind::App, false, 2),
         {13, 14, 31, 33, 35, 37, 38, 42, 49},
         StepItems::Block},
        {"DOS 3.3 file",
         selected(opened(true, ImageKind::Dsk), 0x11, ImageKind::Dsk, true, 2),
         {14, 31, 33, 35, 46, 49},
         StepItems::Sector},
        {"DOS 3.3 extended-looking entry",
         selected(opened(true, ImageKind::Dsk), 0x5A, ImageKind::Dsk, true),
         {14, 31, 33, 35, 46, 49},
         StepItems::Sector},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(enabledWatched(c.state), c.enabled) << c.name;
        EXPECT_EQ(c.state.stepItems, c.steps) << c.name;
    }
}

TEST(MenuState, LosingTheSelectionGreysEveryImageCommand) {
    MenuState m = selected(opened(false, ImageKind::Po), 0x15, ImageKind::Po, false);
    updateMenuForSelection(m, {});
    EXPECT_EQ(enabledWatched(m), std::set<int>({14}));
}

TEST(MenuState, FailedOpenLeavesNothingToSaveOrPrint) {
    MenuState m = selected(opened(false, ImageKind::Po), 0x15, ImageKind::Po, false);
    menuAfterFailedOpen(m);
    EXPECT_EQ(enabledWatched(m), std::set<int>());
}

TEST(MenuState, StepItemsAreEnabledWhileABlockOrSectorIsShown) {
    MenuState prodos = opened(false, ImageKind::Po);
    updateStepCommands(prodos, true, false);
    EXPECT_TRUE(prodos.isEnabled(39) && prodos.isEnabled(40));
    updateStepCommands(prodos, false, false);
    EXPECT_FALSE(prodos.isEnabled(39) || prodos.isEnabled(40));

    MenuState dos = opened(true, ImageKind::Do);
    updateStepCommands(dos, true, true);
    EXPECT_TRUE(dos.isEnabled(47) && dos.isEnabled(48));
    EXPECT_FALSE(dos.isEnabled(39));
}

TEST(MenuState, AcceleratorsOfGreyedItemsAreHeldBackOthersDelivered) {
    MenuState start = initialMenuState();
    MenuState prodos = opened(false, ImageKind::Po);
    MenuState dos = opened(true, ImageKind::Dsk);
    struct Case {
        const char* name;
        const MenuState& state;
        int command;
        bool delivered;
    } cases[] = {
        {"F9 at start: Display Block greyed", start, 38, false},
        {"F6 at start: no sector item", start, 46, true},
        {"F12 never has an item", start, 26, true},
        {"Ctrl+O", start, 11, true},
        {"Ctrl+S without an image", start, 12, false},
        {"F9 on ProDOS", prodos, 38, true},
        {"F11 on ProDOS, no block shown", prodos, 39, false},
        {"F8 on ProDOS: no sector item", prodos, 47, true},
        {"F9 on DOS 3.3: no block item", dos, 38, true},
        {"F10 on DOS 3.3: no block item", dos, 40, true},
        {"F7 on DOS 3.3, no sector shown", dos, 48, false},
        {"F6 on DOS 3.3", dos, 46, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(acceleratorDelivered(c.state, c.command), c.delivered) << c.name;
}

TEST(MenuState, EditItemsFollowTheDisplayPane) {
    struct Case {
        EditFacts facts;
        std::set<int> enabled;
    } cases[] = {
        {{false, false, false, false}, {25, 27, 28, 29}},
        {{true, false, false, false}, {20, 25, 27, 28, 29}},
        {{false, true, false, false}, {23, 25, 27, 28, 29}},
        {{false, false, true, false}, {21, 22, 24, 25, 27, 28, 29}},
        {{true, true, true, true}, {20, 21, 22, 23, 24, 25}},
    };
    for (const Case& c : cases) {
        MenuState m = initialMenuState();
        prepareEditMenu(m, c.facts);
        std::set<int> on;
        for (int cmd = 20; cmd <= 29; ++cmd)
            if (m.isEnabled(cmd)) on.insert(cmd);
        on.erase(26); // no item
        EXPECT_EQ(on, c.enabled);
    }
}

std::set<int> enabledPopup(const std::vector<PopupItem>& items) {
    std::set<int> on;
    for (const PopupItem& i : items)
        if (i.command != 0 && i.enabled) on.insert(i.command);
    return on;
}

TEST(TreePopup, ItemsAndTheirStates) {
    std::vector<PopupItem> items = treePopupMenu({true, 0x58, ImageKind::Po, false, 2});
    std::vector<std::pair<int, std::string>> expected = {{31, "&Export As..."},
                                                         {0, ""},
                                                         {42, "&Copy Apple file"},
                                                         {44, "&Paste Apple file"},
                                                         {33, "View &Apple file"},
                                                         {34, "View Resource &fork"},
                                                         {41, "Re&name..."},
                                                         {35, "Pr&operties"},
                                                         {0, ""},
                                                         {36, "&Delete File..."}};
    ASSERT_EQ(items.size(), expected.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].command, expected[i].first);
        EXPECT_EQ(std::string(items[i].text), expected[i].second);
    }
    struct Case {
        const char* name;
        SelectionFacts facts;
        std::set<int> enabled;
    } cases[] = {
        {"extended file, copied file waiting",
         {true, 0x58, ImageKind::Po, false, 2},
         {31, 33, 34, 35, 36, 41, 42, 44}},
        {"folder, nothing copied", {true, 0xD5, ImageKind::Po, false, 0}, {35, 36, 41}},
        {"volume", {true, 0xF5, ImageKind::Po, false, 3}, {35, 36, 41, 44}},
        {"file of a nibble image", {true, 0x15, ImageKind::Nib, false, 2}, {31, 33, 35, 42}},
        {"DOS 3.3 file", {true, 0x12, ImageKind::Dsk, true, 2}, {31, 33, 35}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(enabledPopup(treePopupMenu(c.facts)), c.enabled) << c.name;
}

TEST(MenuTable, EveryCommandOfTheMenusIsKnownAndNoOtherNumber) {
    for (int c = 0; c <= 70; ++c) {
        bool inMenu = (c >= 10 && c <= 15 && c != 16) || c == 17 || (c >= 20 && c <= 25) ||
                      (c >= 27 && c <= 42 && c != 32) || (c >= 44 && c <= 49) ||
                      (c >= 58 && c <= 61);
        EXPECT_EQ(isMenuCommand(c), inMenu) << c;
    }
}

TEST(WindowGeometry, StoredGeometryOrTheScreenRule) {
    auto settings = [](const char* wide, const char* high, const char* left, const char* top,
                       const char* tree) {
        Settings s;
        s.wide = wide, s.high = high, s.left = left, s.top = top, s.treeWide = tree;
        return s;
    };
    struct Case {
        const char* name;
        Settings s;
        int screenW, screenH;
        int x, y, w, h, tree;
    } cases[] = {
        {"no stored size: at most 745 x 450", settings("0", "900", "50", "60", "300"), 1920, 1080,
         0, 0, 745, 450, 120},
        {"small screen", settings("0", "0", "0", "0", ""), 640, 400, 0, 0, 640, 372, 120},
        {"stored", settings("800", "500", "30", "40", "200"), 1920, 1080, 30, 40, 800, 500, 200},
        {"stored without Treewide", settings("800", "500", "30", "40", ""), 1920, 1080, 30, 40, 800,
         500, 120},
        {"splitter beyond its limits", settings("800", "500", "0", "0", "5000"), 1920, 1080, 0, 0,
         800, 500, 590},
        {"unreadable size", settings("INI not found!", "1", "2", "3", "4"), 700, 500, 0, 0, 700,
         450, 120},
        {"tiny window", settings("10", "-5", "0", "0", "100"), 1920, 1080, 0, 0, 240, 160, 100},
    };
    for (const Case& c : cases) {
        WindowGeometry g = initialGeometry(c.s, c.screenW, c.screenH);
        EXPECT_EQ(g.x, c.x) << c.name;
        EXPECT_EQ(g.y, c.y) << c.name;
        EXPECT_EQ(g.width, c.w) << c.name;
        EXPECT_EQ(g.height, c.h) << c.name;
        EXPECT_EQ(g.treeWidth, c.tree) << c.name;
    }
    EXPECT_EQ(clampTreeWidth(20), 70);
    EXPECT_EQ(clampTreeWidth(900), 590);
    EXPECT_EQ(clampTreeWidth(333), 333);
}

TEST(MainTitle, NamesTheFileOrUntitled) {
    EXPECT_EQ(mainTitle(""), "Larkspoon - untitled");
    EXPECT_EQ(mainTitle("GAMES.DSK"), "Larkspoon - GAMES.DSK");
}

} // namespace
} // namespace lk
