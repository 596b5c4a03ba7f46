// View Apple file, the volume bit map, blocks and sectors, Catalog and the redraw after a change,
// run without a window: what the display is given, the flags and the menu items.
#include "basic_builder.h"
#include "command_fixture.h"
#include "volume/catalog_listing.h"
#include "prodos/volume_bit_map.h"
#include "prodos/volume_info.h"
#include "sample_disks.h"
#include "translate/applesoft.h"
#include "translate/block_display.h"
#include "translate/hex_dump.h"

namespace lk::test {
namespace {

using Calls = std::vector<std::string>;

class ViewCommandTest : public CommandTest {
  protected:
    void SetUp() override { open(viewsVolume(), "VIEWS.po"); }
    // The text of block n, or of a track and sector on a DOS 3.3 disk.
    std::string blockText(uint32_t n, uint32_t track = 0, uint32_t sector = 0) {
        BlockViewState s;
        s.block = app.image.isDos33 ? track * 8 + sector / 2 : n;
        s.track = track;
        s.sector = sector;
        s.half = sector & 1;
        return blockDisplay(app.image, s);
    }
    std::string bitMap() {
        DamageReport ignored;
        return bitMapText(app.image, ignored);
    }
    void showBlock(const std::string& entry) {
        platform.blockDialog.answers = {entry};
        run(cmd::kDisplayBlock);
    }
    void showSector(const std::string& track, const std::string& sector) {
        platform.sectorDialog.answers = {TrackSectorEntry{track, sector}};
        run(cmd::kDisplaySector);
    }
};

std::string hexOf(const std::vector<uint8_t>& bytes) {
    return hexDump(Bytes(bytes), bytes.size(), 0, true);
}

TEST_F(ViewCommandTest, ViewShowsTheChosenTranslation) {
    Outcome quiet;
    std::string listing = listApplesoft(Bytes(helloProgram()), 0, kBasicBaseAddress, quiet);
    struct Case {
        std::vector<std::string> path;
        int command;
        bool shift;
        std::string text;
    } cases[] = {
        {{"HELLO"}, cmd::kViewFile, false, listing},
        {{"HELLO"}, cmd::kViewFile, true, hexOf(helloProgram())}, // Shift: the hex dump
        {{"FINDER"}, cmd::kViewResourceFork, false, hexOf(finderResources())},
    };
    for (const Case& c : cases) {
        select(c.path);
        platform.shift = c.shift;
        view.takeCalls();
        run(c.command);
        EXPECT_EQ(view.text, c.text) << c.path.back();
        EXPECT_EQ(view.calls, Calls({"clear", "insert", "show"}));
    }
    EXPECT_TRUE(platform.base.messages.empty());
}

TEST_F(ViewCommandTest, ViewResetsTheRightSideTheClipboardAndTheMenus) {
    showBlock("7");
    ASSERT_TRUE(enabled(cmd::kNextBlock));
    app.shell.appleClipboard = AppleClipboard::Copied;
    app.shell.graphicShown = true;
    app.shell.menu.enable(cmd::kPasteFile);
    app.shell.menu.enable(cmd::kExportGraphic);
    select({"HELLO"});
    platform.base.cursorChanges.clear();
    run(cmd::kViewFile);
    EXPECT_EQ(app.shell.appleClipboard, AppleClipboard::Empty);
    EXPECT_FALSE(app.shell.graphicShown || app.shell.blockViewShown || app.shell.bitMapShown);
    for (int c : {cmd::kPasteFile, cmd::kExportGraphic, cmd::kNextBlock, cmd::kPreviousBlock})
        EXPECT_FALSE(enabled(c)) << c;
    EXPECT_EQ(app.shell.selectedEntry, app.tree.item(app.tree.selection())->entryOffset);
    // The wait cursor while the file is read and translated, the arrow after.
    EXPECT_EQ(platform.base.cursorChanges, std::vector<bool>({true, false}));
}

TEST_F(ViewCommandTest, AFileWithNothingToShowLeavesTheRightSideAsItWas) {
    run(cmd::kBitMap);
    app.shell.appleClipboard = AppleClipboard::Copied;
    select({"EMPTY"});
    view.takeCalls();
    run(cmd::kViewFile);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_TRUE(app.shell.bitMapShown);
    // The copy is given up all the same: the read may have replaced it.
    EXPECT_EQ(app.shell.appleClipboard, AppleClipboard::Empty);
    EXPECT_FALSE(platform.base.waitCursor);
}

TEST_F(ViewCommandTest, BlockEntriesAreCheckedOfferedAgainAndStepped) {
    showBlock("$117");
    EXPECT_EQ(view.text, blockText(279));
    EXPECT_TRUE(app.shell.blockViewShown);
    EXPECT_TRUE(enabled(cmd::kPreviousBlock));
    showBlock("280");
    EXPECT_EQ(platform.base.lastMessage(),
              "Block# must be between zero & 279 ($117) for this disk.");
    EXPECT_EQ(view.text, blockText(279));
    platform.blockDialog.answers = {std::nullopt}; // Cancel
    run(cmd::kDisplayBlock);
    EXPECT_EQ(platform.blockDialog.shown, Calls({"", "$117", "280"}));
    EXPECT_EQ(app.shell.blockView.block, 279u);

    // A step only replaces the text, and stops at the end; the sector keys do nothing.
    view.takeCalls();
    for (int key : {cmd::kNextBlock, cmd::kPreviousBlock, cmd::kNextSector}) run(key);
    EXPECT_EQ(view.text, blockText(278));
    EXPECT_EQ(view.calls, Calls({"set"}));
    EXPECT_TRUE(app.shell.blockViewShown);
    run(cmd::kBitMap);
    run(cmd::kPreviousBlock); // no block shown: nothing
    EXPECT_EQ(view.text, bitMap());
}

TEST_F(ViewCommandTest, ADos33DiskShowsSectorsAndItsFilesThroughTheirLists) {
    showSector("1", "1"); // no sectors on a ProDOS volume
    EXPECT_TRUE(platform.sectorDialog.shown.empty());
    open(dosDisk(), "DOS.dsk");
    view.takeCalls();
    run(cmd::kDisplayBlock); // nor blocks or a bit map on a DOS 3.3 disk
    run(cmd::kBitMap);
    EXPECT_TRUE(platform.blockDialog.shown.empty());
    EXPECT_TRUE(view.calls.empty());

    showSector("35", "16");
    EXPECT_EQ(platform.base.lastMessage(), "Track number must be between zero and 34!");
    showSector("$22", "h0F");
    EXPECT_EQ(view.text, blockText(0, 34, 15));
    EXPECT_TRUE(enabled(cmd::kNextSector) && enabled(cmd::kPreviousSector));
    EXPECT_EQ(platform.sectorDialog.shown.back().track, "35");
    EXPECT_EQ(platform.sectorDialog.shown.back().sector, "16");
    for (int key : {cmd::kPreviousSector, cmd::kNextBlock}) run(key); // block keys: nothing
    EXPECT_EQ(view.text, blockText(0, 34, 14));

    // The file is read as its whole sector: the length word, the program, zeros.
    std::vector<uint8_t> sector = withLengthWord(helloProgram());
    sector.resize(256, 0);
    Outcome quiet;
    select({"HELLO"});
    run(cmd::kViewFile);
    EXPECT_EQ(view.text, listApplesoft(Bytes(sector), 2, kBasicBaseAddress, quiet));
    // The volume node has no file behind it: nothing is shown and nothing said.
    select({});
    view.takeCalls();
    run(cmd::kViewFile);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(platform.base.messages.size(), 1u);
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
    EXPECT_EQ(view.calls, Calls({"set", "hidePicture", "show"}));
    EXPECT_TRUE(app.shell.bitMapShown); // what the display showed before still counts
    EXPECT_FALSE(enabled(cmd::kExportGraphic) || app.shell.graphicShown);

    // Nothing selected: "error!", and the display keeps its text.
    onTreeSelected(ctx, kNoNode);
    run(cmd::kCatalog);
    EXPECT_EQ(platform.base.lastMessage(), "error!");
    EXPECT_EQ(view.text, expected);
}

// A block of the volume taken, as an import takes it behind the display.
void markBlockUsed(AppState& app, uint32_t block) {
    MutableBytes map = blockBytesMutable(app.image, readVolumeInfo(app.image).bitMapPointer);
    map[block / 8] &= uint8_t(~(0x80 >> (block % 8)));
}

TEST_F(ViewCommandTest, BitMapReplacesTheRightSideAndIsDrawnAgainAfterAChange) {
    showBlock("2");
    app.shell.graphicShown = true;
    view.takeCalls();
    run(cmd::kBitMap);
    EXPECT_EQ(view.calls, Calls({"hidePicture", "clear", "set", "show"}));
    EXPECT_EQ(view.text, bitMap());
    EXPECT_TRUE(app.shell.bitMapShown);
    EXPECT_FALSE(app.shell.blockViewShown || app.shell.graphicShown);
    EXPECT_FALSE(enabled(cmd::kNextBlock));

    std::string before = view.text;
    markBlockUsed(app, 200);
    view.takeCalls();
    refreshAfterChange(ctx);
    EXPECT_EQ(view.calls, Calls{"set"});
    EXPECT_NE(view.text, before);
    EXPECT_EQ(view.text, bitMap());
}

TEST_F(ViewCommandTest, ARefreshDrawsTheBlockShownAgainButNotAFileOrAnotherImage) {
    showBlock("6"); // the bit map's block
    markBlockUsed(app, 201);
    refreshAfterChange(ctx);
    EXPECT_EQ(view.text, blockText(6));

    // Neither a file's text nor the display after another image opened is drawn again.
    select({"NOTES"});
    run(cmd::kViewFile);
    view.takeCalls();
    refreshAfterChange(ctx);
    EXPECT_TRUE(view.calls.empty());
    showBlock("9");
    open(viewsVolume(), "OTHER.po");
    EXPECT_FALSE(app.shell.blockViewShown);
    view.takeCalls();
    refreshAfterChange(ctx);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ViewCommandTest, ABitMapCutByTheImagesEndIsToldOnce) {
    // The map starts at the last block and the volume claims far more blocks than it covers.
    MutableBytes header = blockBytesMutable(app.image, 2);
    putLe16(header.data() + 0x27, 279);
    putLe16(header.data() + 0x29, 65535);
    run(cmd::kBitMap);
    ASSERT_EQ(platform.base.messages.size(), 1u);
    EXPECT_EQ(platform.base.lastMessage().rfind("The volume is damaged: ", 0), 0u);
    refreshAfterChange(ctx);
    EXPECT_EQ(platform.base.messages.size(), 1u);
}

} // namespace
} // namespace lk::test
