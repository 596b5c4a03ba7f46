// View Apple file, the volume bit map, blocks and sectors, Catalog and the redraw after a change,
// run without a window: what the display is given, the flags and the menu items.
#include "basic_builder.h"
#include "command_fixture.h"
#include "dos33/catalog_listing.h"
#include "open_helpers.h"
#include "prodos/volume_bit_map.h"
#include "prodos_builder.h"
#include "sample_disks.h"
#include "translate/applesoft.h"
#include "translate/block_display.h"
#include "translate/hex_dump.h"
#include "translate/text.h"

namespace lk::test {
namespace {

class ViewCommandTest : public CommandTest {
  protected:
    void SetUp() override { open(viewsVolume(), "VIEWS.po"); }
    // The text block n shows.
    std::string blockText(uint32_t n) {
        BlockViewState s;
        s.block = n;
        return blockDisplay(app.image, s);
    }
    std::string sectorText(uint32_t track, uint32_t sector) {
        BlockViewState s;
        s.track = track;
        s.sector = sector;
        s.block = track * 8 + sector / 2;
        s.half = sector & 1;
        return blockDisplay(app.image, s);
    }
    std::string bitMap() {
        DamageReport ignored;
        return bitMapText(app.image, ignored);
    }
    void showBlock(const std::string& entry) {
        platform.blockAnswers = {entry};
        run(cmd::kDisplayBlock);
    }
    void showSector(const std::string& track, const std::string& sector) {
        platform.sectorAnswers = {TrackSectorEntry{track, sector}};
        run(cmd::kDisplaySector);
    }
};

std::string hexOf(const std::vector<uint8_t>& bytes) {
    return hexDump(Bytes(bytes), bytes.size(), 0, true);
}

TEST_F(ViewCommandTest, ViewShowsTheChosenTranslation) {
    ScriptedPlatform quiet;
    std::string listing = listApplesoft(Bytes(helloProgram()), 0, kBasicBaseAddress, quiet);
    ASSERT_NE(listing.find("PRINT"), std::string::npos);
    struct Case {
        std::vector<std::string> path;
        int command;
        bool shift;
        std::string text;
    } cases[] = {
        {{"HELLO"}, cmd::kViewFile, false, listing},
        {{"HELLO"}, cmd::kViewFile, true, hexOf(helloProgram())}, // Shift: the hex dump
        {{"NOTES"}, cmd::kViewFile, false, translateText(0, Bytes(notesText()))},
        {{"DOCS", "LETTER"}, cmd::kViewFile, false, translateText(0, Bytes(notesText()))},
        {{"FINDER"}, cmd::kViewFile, false, hexOf(finderData())},
        {{"FINDER"}, cmd::kViewResourceFork, false, hexOf(finderResources())},
    };
    for (const Case& c : cases) {
        select(c.path);
        platform.shift = c.shift;
        view.takeCalls();
        run(c.command);
        EXPECT_EQ(view.text, c.text) << c.path.back();
        EXPECT_EQ(view.calls, std::vector<std::string>({"clear", "insert", "show"}));
        EXPECT_TRUE(view.displayVisible);
    }
    EXPECT_TRUE(platform.base.messages.empty());
}

TEST_F(ViewCommandTest, ViewResetsTheRightSideTheClipboardAndTheMenus) {
    showBlock("7");
    ASSERT_TRUE(app.shell.blockViewShown);
    ASSERT_TRUE(enabled(cmd::kNextBlock));
    app.shell.appleClipboard = kClipboardCopied;
    app.shell.graphicShown = true;
    app.shell.menu.enable(cmd::kPasteFile);
    app.shell.menu.enable(cmd::kExportGraphic);
    select({"HELLO"});
    platform.base.cursorChanges.clear();
    run(cmd::kViewFile);
    EXPECT_EQ(app.shell.appleClipboard, kClipboardEmpty);
    EXPECT_FALSE(app.shell.graphicShown);
    EXPECT_FALSE(app.shell.blockViewShown);
    EXPECT_FALSE(app.shell.bitMapShown);
    EXPECT_TRUE(app.shell.wrapAt80);
    for (int c : {cmd::kPasteFile, cmd::kExportGraphic, cmd::kNextBlock, cmd::kPreviousBlock})
        EXPECT_FALSE(enabled(c)) << c;
    EXPECT_TRUE(enabled(cmd::kDisplayBlock));
    EXPECT_EQ(app.shell.selectedEntry, app.tree.item(app.tree.selection())->entryOffset);
    // The wait cursor while the file is read and translated, the arrow after.
    EXPECT_EQ(platform.base.cursorChanges, std::vector<bool>({true, false}));
}

TEST_F(ViewCommandTest, AFileWithNothingToShowLeavesTheRightSideAsItWas) {
    run(cmd::kBitMap);
    app.shell.appleClipboard = kClipboardCopied;
    select({"EMPTY"});
    view.takeCalls();
    run(cmd::kViewFile);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(view.text, bitMap());
    EXPECT_TRUE(app.shell.bitMapShown);
    // The copy is given up all the same: reading may have replaced it.
    EXPECT_EQ(app.shell.appleClipboard, kClipboardEmpty);
    EXPECT_FALSE(enabled(cmd::kPasteFile));
    EXPECT_FALSE(platform.base.waitCursor);
}

TEST_F(ViewCommandTest, AListingOfWideRowsIsShownUnwrappedUntilTheNextView) {
    ViewResult wide;
    wide.text = "NAME     CITY     PHONE\n";
    wide.lineWrapOff = true;
    view.clearDisplay();
    view.takeCalls();
    showViewText(ctx, wide);
    EXPECT_EQ(view.calls, std::vector<std::string>({"noWrap", "insert", "show"}));
    EXPECT_FALSE(app.shell.wrapAt80);
    EXPECT_EQ(view.text, wide.text);

    select({"NOTES"});
    run(cmd::kViewFile);
    EXPECT_TRUE(app.shell.wrapAt80);
    EXPECT_TRUE(view.wrapAt80); // the display's font, applied again, wraps at 80
}

TEST(ViewCommand, WithoutAnImageViewOnlyClearsTheFlags) {
    AppState app;
    ScriptedShellPlatform platform;
    RecordingView view;
    ShellContext ctx{app, platform, view};
    app.shell.bitMapShown = app.shell.blockViewShown = true;
    app.shell.appleClipboard = kClipboardCopied;
    viewAppleFile(ctx, 0);
    EXPECT_FALSE(app.shell.bitMapShown);
    EXPECT_FALSE(app.shell.blockViewShown);
    EXPECT_EQ(app.shell.appleClipboard, kClipboardCopied);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ViewCommandTest, BitMapReplacesTheRightSideAndMarksItShown) {
    showBlock("2");
    app.shell.graphicShown = true;
    app.shell.menu.enable(cmd::kExportGraphic);
    view.takeCalls();
    run(cmd::kBitMap);
    EXPECT_EQ(view.calls, std::vector<std::string>({"hidePicture", "clear", "set", "show"}));
    EXPECT_EQ(view.text, bitMap());
    EXPECT_EQ(view.text.substr(0, 16), "Volume Bit Map\n\n");
    EXPECT_TRUE(app.shell.bitMapShown);
    EXPECT_FALSE(app.shell.blockViewShown);
    EXPECT_FALSE(app.shell.graphicShown);
    for (int c : {cmd::kExportGraphic, cmd::kNextBlock, cmd::kPreviousBlock})
        EXPECT_FALSE(enabled(c)) << c;
}

TEST_F(ViewCommandTest, BlockEntriesAreReadAndCheckedAgainstTheVolume) {
    const std::string tooLarge = "Block# must be between zero & 279 ($117) for this disk.";
    struct Case {
        const char* entry;
        int block; // -1: refused with the message
    } cases[] = {
        {"$117", 279},       {"280", -1},       {"h1F", 31},  {"0x1F", 31},
        {"017", 15},         {"abc", 0},        {"-1", -1},   {"2", 2},
        {"99999999999", -1}, {"$FFFFFFFF", -1}, {"  12", 12}, {"12345678901", -1},
    };
    std::string lastEntry;
    std::string shown = view.text;
    for (const Case& c : cases) {
        platform.base.messages.clear();
        showBlock(c.entry);
        // The dialog showed the text entered the time before.
        EXPECT_EQ(platform.blockDialogTexts.back(), lastEntry) << c.entry;
        lastEntry = std::string(c.entry).substr(0, 10);
        if (c.block < 0) {
            EXPECT_EQ(platform.base.lastMessage(), tooLarge) << c.entry;
            EXPECT_EQ(view.text, shown) << c.entry;
            continue;
        }
        EXPECT_TRUE(platform.base.messages.empty()) << c.entry;
        shown = blockText(uint32_t(c.block));
        EXPECT_EQ(view.text, shown) << c.entry;
        EXPECT_EQ(app.shell.blockView.block, uint32_t(c.block));
        EXPECT_TRUE(app.shell.blockViewShown);
    }
}

TEST_F(ViewCommandTest, CancelShowsNothingAndKeepsTheBlock) {
    showBlock("5");
    view.takeCalls();
    platform.blockAnswers = {std::nullopt};
    run(cmd::kDisplayBlock);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(app.shell.blockView.block, 5u);
    EXPECT_TRUE(app.shell.blockView.cancelled);
    // The text typed last is offered again.
    EXPECT_EQ(platform.blockDialogTexts.back(), "5");
    run(cmd::kNextBlock);
    EXPECT_EQ(view.text, blockText(6));
}

TEST_F(ViewCommandTest, BlockStepsStopAtTheEndsOfTheVolume) {
    struct Case {
        const char* start;
        std::vector<int> keys;
        uint32_t shown;
    } cases[] = {
        {"278", {cmd::kNextBlock, cmd::kNextBlock}, 279},
        {"1", {cmd::kPreviousBlock, cmd::kPreviousBlock}, 0},
        {"0", {cmd::kNextBlock, cmd::kNextBlock, cmd::kPreviousBlock}, 1},
        // Sector keys mean nothing on a ProDOS volume.
        {"9", {cmd::kNextSector, cmd::kPreviousSector}, 9},
    };
    for (const Case& c : cases) {
        showBlock(c.start);
        for (int key : c.keys) {
            view.takeCalls();
            run(key);
            // A step only replaces the text; the flags stay.
            EXPECT_TRUE(view.calls.empty() || view.calls == std::vector<std::string>{"set"});
            EXPECT_TRUE(app.shell.blockViewShown);
        }
        EXPECT_EQ(app.shell.blockView.block, c.shown) << c.start;
        EXPECT_EQ(view.text, blockText(c.shown)) << c.start;
    }
}

TEST_F(ViewCommandTest, StepKeysDoNothingUntilABlockIsShown) {
    run(cmd::kNextBlock);
    run(cmd::kBitMap);
    run(cmd::kPreviousBlock);
    EXPECT_EQ(view.text, bitMap());
    EXPECT_FALSE(enabled(cmd::kNextBlock));
}

TEST_F(ViewCommandTest, SectorCommandsAndTheBitMapBelongToTheirOwnKindOfVolume) {
    showSector("1", "1");
    EXPECT_TRUE(platform.sectorDialogTexts.empty());
    open(dosDisk(), "DOS.dsk");
    view.takeCalls();
    run(cmd::kDisplayBlock);
    run(cmd::kBitMap);
    EXPECT_TRUE(platform.blockDialogTexts.empty());
    EXPECT_TRUE(view.calls.empty());
    EXPECT_FALSE(app.shell.bitMapShown);
}

class DosCommandTest : public ViewCommandTest {
  protected:
    void SetUp() override { open(dosDisk(), "DOS.dsk"); }
};

TEST_F(DosCommandTest, OpeningPutsTheSectorItemsInPlaceOfTheBlockItems) {
    EXPECT_EQ(view.menu.stepItems, StepItems::Sector);
    for (int c : {cmd::kDisplaySector, cmd::kPrint, cmd::kCatalog}) EXPECT_TRUE(enabled(c)) << c;
    for (int c : {cmd::kNextSector, cmd::kPreviousSector, cmd::kSave, cmd::kSaveAs, cmd::kBitMap,
                  cmd::kDisplayBlock})
        EXPECT_FALSE(enabled(c)) << c;
    EXPECT_EQ(view.caption, "Larkspoon - DOS.dsk");
}

TEST_F(DosCommandTest, SectorEntriesAreCheckedTrackFirst) {
    struct Case {
        const char* track;
        const char* sector;
        const char* message; // nullptr: shown
    } cases[] = {
        {"17", "0", nullptr},
        {"35", "16", "Track number must be between zero and 34!"},
        {"34", "16", "Sector number must be between zero and 15!"},
        {"$22", "$F", nullptr},
        {"-1", "0", "Track number must be between zero and 34!"},
    };
    for (const Case& c : cases) {
        platform.base.messages.clear();
        std::string before = view.text;
        showSector(c.track, c.sector);
        if (c.message) {
            EXPECT_EQ(platform.base.lastMessage(), c.message) << c.track << "/" << c.sector;
            EXPECT_EQ(view.text, before);
        } else {
            EXPECT_TRUE(platform.base.messages.empty());
            BlockViewState& v = app.shell.blockView;
            EXPECT_EQ(view.text, sectorText(v.track, v.sector));
        }
    }
    // Both texts are offered again, also after a refused entry.
    platform.sectorAnswers = {std::nullopt};
    run(cmd::kDisplaySector);
    EXPECT_EQ(platform.sectorDialogTexts.back().track, "-1");
    EXPECT_EQ(platform.sectorDialogTexts.back().sector, "0");
    EXPECT_EQ(app.shell.blockView.track, 34u);
    EXPECT_EQ(app.shell.blockView.sector, 15u);
}

TEST_F(DosCommandTest, SectorStepsCrossTracksAndStopAtTheEnds) {
    struct Case {
        const char* track;
        const char* sector;
        int key;
        uint32_t track2, sector2;
    } cases[] = {
        {"3", "15", cmd::kNextSector, 4, 0},    {"4", "0", cmd::kPreviousSector, 3, 15},
        {"34", "15", cmd::kNextSector, 34, 15}, {"0", "0", cmd::kPreviousSector, 0, 0},
        {"0", "1", cmd::kPreviousSector, 0, 0}, {"34", "14", cmd::kNextSector, 34, 15},
        {"5", "5", cmd::kNextBlock, 5, 5}, // block keys mean nothing on DOS 3.3
    };
    for (const Case& c : cases) {
        showSector(c.track, c.sector);
        ASSERT_TRUE(enabled(cmd::kNextSector));
        run(c.key);
        const BlockViewState& v = app.shell.blockView;
        EXPECT_EQ(v.track, c.track2) << c.track << "/" << c.sector;
        EXPECT_EQ(v.sector, c.sector2) << c.track << "/" << c.sector;
        EXPECT_EQ(v.block, c.track2 * 8 + c.sector2 / 2);
        EXPECT_EQ(v.half, c.sector2 & 1);
        EXPECT_EQ(view.text, sectorText(c.track2, c.sector2));
    }
}

TEST_F(DosCommandTest, ViewReadsTheFileThroughItsLists) {
    // The file is read as its whole sector: the length word, the program, zeros.
    std::vector<uint8_t> sector = withLengthWord(helloProgram());
    sector.resize(256, 0);
    ScriptedPlatform quiet;
    std::string listing = listApplesoft(Bytes(sector), 2, kBasicBaseAddress, quiet);
    ASSERT_NE(listing.find("PRINT"), std::string::npos);
    select({"HELLO"});
    run(cmd::kViewFile);
    EXPECT_EQ(view.text, listing);

    // The volume node has no file behind it: nothing is shown and nothing said.
    select({});
    view.takeCalls();
    run(cmd::kViewFile);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_TRUE(platform.base.messages.empty());
}

TEST_F(ViewCommandTest, CatalogListsTheSelectionAndLeavesTheFlags) {
    run(cmd::kBitMap);
    app.shell.graphicShown = true;
    app.shell.menu.enable(cmd::kExportGraphic);
    select({"DOCS"});
    view.takeCalls();
    run(cmd::kCatalog);
    std::string expected;
    ASSERT_EQ(catalogListing(app.image, app.tree, expected), 0);
    EXPECT_EQ(view.text, expected);
    EXPECT_EQ(view.text.substr(0, 5), "DOCS ");
    EXPECT_EQ(view.calls, std::vector<std::string>({"set", "hidePicture", "show"}));
    EXPECT_TRUE(app.shell.bitMapShown); // what the display showed before still counts
    EXPECT_FALSE(enabled(cmd::kExportGraphic));
    EXPECT_FALSE(app.shell.graphicShown);

    // Nothing selected: "error!", and the display keeps its text.
    onTreeSelected(ctx, kNoNode);
    run(cmd::kCatalog);
    EXPECT_EQ(platform.base.lastMessage(), "error!");
    EXPECT_EQ(view.text, expected);
}

TEST_F(DosCommandTest, CatalogOfTheVolumeReadsLikeDos) {
    select({});
    run(cmd::kCatalog);
    EXPECT_EQ(view.text.substr(0, 17), "DISK VOLUME 254\n\n");
    EXPECT_NE(view.text.find(" A 002 " + dosName("HELLO") + "\n"), std::string::npos);
    EXPECT_NE(view.text.find("*B 003 " + dosName("LOADER") + "\n"), std::string::npos);
}

// A block of the volume changed behind the display, as an import or a delete changes it.
void markBlockUsed(AppState& app, uint32_t block) {
    MutableBytes map = blockBytesMutable(app.image, 6);
    map[block / 8] &= uint8_t(~(0x80 >> (block % 8)));
}

TEST_F(ViewCommandTest, ARefreshDrawsTheBitMapOrTheBlockShownAgain) {
    run(cmd::kBitMap);
    std::string before = view.text;
    markBlockUsed(app, 200);
    view.takeCalls();
    refreshAfterChange(ctx);
    EXPECT_EQ(view.calls, std::vector<std::string>{"set"});
    EXPECT_NE(view.text, before);
    EXPECT_EQ(view.text, bitMap());

    showBlock("6");
    markBlockUsed(app, 201);
    view.takeCalls();
    refreshAfterChange(ctx);
    EXPECT_EQ(view.calls, std::vector<std::string>{"set"});
    EXPECT_EQ(view.text, blockText(6));

    // A file's text is not drawn again.
    select({"NOTES"});
    run(cmd::kViewFile);
    view.takeCalls();
    refreshAfterChange(ctx);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ViewCommandTest, OpeningAnotherImageForgetsTheBlockShown) {
    showBlock("9");
    open(viewsVolume(), "OTHER.po");
    EXPECT_FALSE(app.shell.blockViewShown);
    EXPECT_FALSE(enabled(cmd::kNextBlock));
    view.takeCalls();
    refreshAfterChange(ctx);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ViewCommandTest, ABitMapCutByTheImagesEndIsToldOnceAndShownAsFarAsItGoes) {
    // The volume claims more blocks than its map, which starts at the last block, can cover.
    app.image.volume.bitMapPointer = 279;
    app.image.volume.totalBlocks = 65535;
    run(cmd::kBitMap);
    ASSERT_EQ(platform.base.messages.size(), 1u);
    EXPECT_EQ(platform.base.lastMessage().rfind("The volume is damaged: ", 0), 0u);
    EXPECT_TRUE(app.shell.bitMapShown);
    refreshAfterChange(ctx);
    EXPECT_EQ(platform.base.messages.size(), 1u);
}

} // namespace
} // namespace lk::test
