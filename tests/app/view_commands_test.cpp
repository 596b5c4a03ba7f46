// What the right side shows, without a window: View Apple file, the bit map, Catalog, and the
// block and sector views (the numbers their dialogs accept, stepping, and their texts), and the
// redraw after a change.
#include <gtest/gtest.h>

#include "app/block_view.h"
#include "base/format.h"
#include "command_fixture.h"
#include "image/disk_image.h"
#include "open_helpers.h"
#include "prodos/volume_bit_map.h"
#include "prodos/volume_info.h"
#include "sample_disks.h"
#include "translate/applesoft.h"
#include "translate/block_display.h"
#include "translate/hex_dump.h"
#include "volume/catalog_listing.h"

namespace lk::test {
namespace {

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
    // Runs the command on the node at the path; true when it drew anything.
    bool viewFile(const std::vector<std::string>& path, int command = cmd::kViewFile) {
        select(path);
        int before = view.drawn;
        run(command);
        return view.drawn != before;
    }
};

std::string hexOf(const std::vector<uint8_t>& bytes) {
    return hexDump(Bytes(bytes), bytes.size(), 0, true);
}

std::string listing(Bytes program, uint32_t start = 0) {
    Outcome quiet;
    return listApplesoft(program, start, kBasicBaseAddress, quiet);
}

// Shift gives the hex dump; a resource fork is always dumped; empty files, folders and the
// volume show nothing, silently. A View gives up a copied Apple file (its buffer is reused) and
// takes the right side from the bit map, a block or a picture.
TEST_F(ViewCommandTest, ViewShowsTheChosenTranslationOrNothing) {
    struct Case {
        std::vector<std::string> path;
        int command;
        bool shift;
        std::string text;
    } cases[] = {
        {{"HELLO"}, cmd::kViewFile, false, listing(Bytes(helloProgram()))},
        {{"HELLO"}, cmd::kViewFile, true, hexOf(helloProgram())},
        {{"FINDER"}, cmd::kViewResourceFork, false, hexOf(finderResources())},
    };
    for (const Case& c : cases) {
        showBlock("7");
        app.shell.appleClipboard = AppleClipboard::Copied;
        app.shell.graphicShown = true;
        platform.shift = c.shift;
        EXPECT_TRUE(viewFile(c.path, c.command));
        EXPECT_EQ(view.text, c.text) << c.path.back();
        EXPECT_FALSE(app.shell.graphicShown || app.shell.blockViewShown);
        EXPECT_FALSE(enabled(cmd::kNextBlock) || enabled(cmd::kPasteFile));
        EXPECT_EQ(app.shell.appleClipboard, AppleClipboard::Empty);
        EXPECT_EQ(app.shell.selectedEntry, app.tree.item(app.tree.selection())->entryOffset);
    }
    platform.shift = false;
    run(cmd::kBitMap);
    for (std::vector<std::string> nothing : {std::vector<std::string>{"EMPTY"}, {"DOCS"}, {}}) {
        app.shell.appleClipboard = AppleClipboard::Copied;
        EXPECT_FALSE(viewFile(nothing)) << nothing.size();
        EXPECT_EQ(app.shell.appleClipboard, AppleClipboard::Empty); // the read may have used it
    }
    EXPECT_TRUE(app.shell.bitMapShown);
    EXPECT_TRUE(platform.messages.empty());
}

// The dialog offers the last entry; a refused entry or Cancel keeps what is shown; the steps
// stop at the ends, and the keys of the other kind of volume do nothing.
TEST_F(ViewCommandTest, BlocksAndSectorsAreCheckedOfferedAgainAndStepped) {
    showBlock("$117");
    showBlock("280");
    EXPECT_EQ(lastMessage(), "Block# must be between zero & 279 ($117) for this disk.");
    platform.blockDialog.answers = {std::nullopt};
    run(cmd::kDisplayBlock);
    EXPECT_EQ(platform.blockDialog.shown, std::vector<std::string>({"", "$117", "280"}));
    for (int key : {cmd::kNextBlock, cmd::kPreviousBlock, cmd::kDisplaySector}) run(key);
    EXPECT_EQ(view.text, blockText(278));
    EXPECT_TRUE(platform.sectorDialog.shown.empty());

    open(dosDisk(), "DOS.dsk");
    int drawn = view.drawn;
    run(cmd::kDisplayBlock);
    run(cmd::kBitMap);
    EXPECT_EQ(view.drawn, drawn);
    platform.sectorDialog.answers = {TrackSectorEntry{"35", "16"}, TrackSectorEntry{"$22", "h0F"}};
    run(cmd::kDisplaySector);
    EXPECT_EQ(lastMessage(), "Track number must be between zero and 34!");
    run(cmd::kDisplaySector);
    EXPECT_EQ(platform.sectorDialog.shown.back().track, "35");
    for (int key : {cmd::kNextSector, cmd::kPreviousSector, cmd::kNextBlock}) run(key);
    EXPECT_EQ(view.text, blockText(0, 34, 14));
}

TEST_F(ViewCommandTest, CatalogListsTheSelectionAndLeavesTheFlags) {
    run(cmd::kBitMap);
    app.shell.graphicShown = true;
    app.shell.menu.enable(cmd::kExportGraphic);
    select({"DOCS"});
    run(cmd::kCatalog);
    std::string expected;
    ASSERT_EQ(catalogListing(app.image, app.tree, expected), 0);
    EXPECT_EQ(view.text, expected);
    EXPECT_TRUE(app.shell.bitMapShown); // what the display showed before still counts
    EXPECT_FALSE(enabled(cmd::kExportGraphic));
    onTreeSelected(ctx, kNoNode);
    run(cmd::kCatalog);
    EXPECT_EQ(lastMessage(), "error!");
    EXPECT_EQ(view.text, expected);
}

// A block of the volume taken, as an import takes it behind the display.
void markBlockUsed(AppState& app, uint32_t block) {
    MutableBytes map = blockBytesMutable(app.image, readVolumeInfo(app.image).bitMapPointer);
    map[block / 8] &= uint8_t(~(0x80 >> (block % 8)));
}

// The bit map or the block shown is drawn again after a change; a file's text, or the display
// after another image was opened, is not.
TEST_F(ViewCommandTest, ARefreshDrawsTheBitMapOrBlockShownAgainOnly) {
    run(cmd::kBitMap);
    markBlockUsed(app, 200);
    refreshAfterChange(ctx);
    EXPECT_EQ(view.text, bitMap());
    showBlock("6"); // the bit map's block
    markBlockUsed(app, 201);
    refreshAfterChange(ctx);
    EXPECT_EQ(view.text, blockText(6));
    for (bool otherImage : {false, true}) {
        if (otherImage)
            open(viewsVolume(), "OTHER.po");
        else
            viewFile({"NOTES"});
        int drawn = view.drawn;
        refreshAfterChange(ctx);
        EXPECT_EQ(view.drawn, drawn) << otherImage;
    }
}

TEST_F(ViewCommandTest, ABitMapCutByTheImagesEndIsToldOnce) {
    // The map starts at the last block and the volume claims far more blocks than it covers.
    MutableBytes header = blockBytesMutable(app.image, 2);
    putLe16(header.data() + 0x27, 279);
    putLe16(header.data() + 0x29, 65535);
    run(cmd::kBitMap);
    refreshAfterChange(ctx);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage().rfind("The volume is damaged: ", 0), 0u);
}

// Help and About go through the platform; numbers outside the menus do nothing.
TEST_F(CommandTest, HelpAndAboutGoThroughThePlatformOtherNumbersDoNothing) {
    for (int c : {-1, 0, 4, 16, 18, 26, 32, 43, 50, 57, 62, 1000, cmd::kHelpContents, cmd::kAbout})
        run(c);
    EXPECT_EQ(platform.helpShown, 1);
    EXPECT_EQ(platform.aboutShown, 1);
    EXPECT_TRUE(platform.openDialog.shown.empty());
    EXPECT_EQ(view.drawn, 0);
}

TEST(BlockEntry, NumbersAreReadInEveryFormTheDialogsAccept) {
    struct Case {
        const char* text;
        int64_t value;
    } cases[] = {{"h1F", 31},  {"$1F", 31},
                 {"0X1f", 31}, {"017", 15},
                 {"279", 279}, {"H1F", 0},
                 {"$", 0},     {"12abc", 12},
                 {"019", 1},   {" 42", 42},
                 {"$-1", -1},  {"$0x10", 16},
                 {"0xg", 0},   {"1234567890123", 1234567890}};
    for (const Case& c : cases) EXPECT_EQ(parseEntryNumber(c.text), c.value) << c.text;
    // Beyond 32 bits, and negative beyond 32 bits: still out of every range.
    EXPECT_GT(parseEntryNumber("9999999999"), int64_t(UINT32_MAX));
    EXPECT_LT(parseEntryNumber("$-FFFFFFFFF"), 0);
}

// A refused block keeps the one shown (the dialog reads ten characters; an image without blocks
// has none to show). The track is checked before the sector.
TEST(BlockEntry, EntriesOutOfRangeAreRefusedAndSectorsNameTheirBlockAndHalf) {
    BlockViewState b;
    b.block = 7;
    Outcome quiet;
    for (const char* bad : {"-1", "99999999999"})
        EXPECT_FALSE(acceptBlockEntry(b, bad, 280, quiet));
    EXPECT_EQ(b.block, 7u);
    EXPECT_EQ(b.blockEntryText, "9999999999");
    EXPECT_FALSE(acceptBlockEntry(b, "0", 0, quiet));
    struct Case {
        const char* track;
        const char* sector;
        const char* message; // none when accepted
        uint32_t block, half;
    } cases[] = {
        {"35", "16", "Track number must be between zero and 34!", 26, 1},
        {"-1", "0", "Track number must be between zero and 34!", 26, 1},
        {"34", "16", "Sector number must be between zero and 15!", 26, 1},
        {"$11", "15", nullptr, 143, 1},
        {"17", "0", nullptr, 136, 0},
    };
    for (const Case& c : cases) {
        BlockViewState s;
        s.track = 3;
        s.block = 26;
        s.half = 1;
        test::ScriptedPlatform p;
        reported(p, [&](Outcome& out) { return acceptSectorEntry(s, c.track, c.sector, out); });
        EXPECT_EQ(p.lastMessage(), c.message ? c.message : "");
        EXPECT_EQ(s.block * 2 + s.half, c.block * 2 + c.half) << c.track << "/" << c.sector;
        EXPECT_EQ(s.sectorEntryText, c.sector);
    }
}

// Blocks stop at both ends; sectors wrap across tracks and stop at the ends of the disk; the
// steps of the other kind of volume, or with nothing shown, do nothing.
TEST(BlockStepping, StepsStopAtTheEndsAndSectorsWrapAcrossTracks) {
    struct Case {
        bool dos33;
        uint32_t block, track, sector; // before
        StepCommand step;
        bool moved;
        uint32_t afterBlock, afterTrack, afterSector;
    } cases[] = {
        {false, 0, 0, 0, StepCommand::PreviousBlock, false, 0, 0, 0},
        {false, 0, 0, 0, StepCommand::NextBlock, true, 1, 0, 0},
        {false, 279, 0, 0, StepCommand::NextBlock, false, 279, 0, 0},
        {false, 279, 0, 0, StepCommand::NextSector, false, 279, 0, 0},
        {true, 31, 3, 15, StepCommand::NextSector, true, 32, 4, 0},
        {true, 32, 4, 0, StepCommand::PreviousSector, true, 31, 3, 15},
        {true, 279, 34, 15, StepCommand::NextSector, false, 279, 34, 15},
        {true, 279, 34, 15, StepCommand::PreviousSector, true, 279, 34, 14},
        {true, 0, 0, 0, StepCommand::NextSector, true, 0, 0, 1},
        {true, 0, 0, 0, StepCommand::PreviousSector, false, 0, 0, 0},
        {true, 0, 0, 0, StepCommand::NextBlock, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        BlockViewState s;
        s.blockViewShown = true;
        s.block = c.block, s.track = c.track, s.sector = c.sector, s.half = c.sector & 1;
        EXPECT_EQ(stepBlockView(s, c.step, c.dos33, 280), c.moved) << c.block << "/" << c.sector;
        EXPECT_EQ(s.block, c.afterBlock);
        EXPECT_EQ(s.track * 16 + s.sector, c.afterTrack * 16 + c.afterSector);
        EXPECT_EQ(s.half, c.afterSector & (c.dos33 ? 1u : 0u));
    }
    BlockViewState hidden;
    EXPECT_FALSE(stepBlockView(hidden, StepCommand::NextBlock, false, 280)) << "nothing shown";
}

// Bytes 0..255 in either mode: the heading, each row labelled, the place beside the first rows
// in decimal and hex, no line feed after the last row; sector mode also shows high-bit text but
// not $7F.
TEST(BlockDisplay, RowsPlacesAndTheTextColumnOfEitherMode) {
    auto hex = [](int first) {
        std::string s;
        for (int k = 0; k < 16; ++k) s += format("%02X ", first + k);
        return s + "  ";
    };
    const std::string columns = "$    " + hex(0).substr(0, 47) + "        ASCII       ";
    std::vector<uint8_t> data(kFloppySize);
    for (uint32_t i = 0; i < kFloppySize; ++i) data[i] = uint8_t(0xE0 + i / 256 % 16);
    for (uint32_t i = 0; i < 512; ++i) data[279 * 512 + i] = uint8_t(i); // T34 S14-15 of a .DSK
    BlockViewState s;
    s.block = 279;
    std::string block = blockDisplay(memoryImage(data), s);
    s.track = 34, s.sector = 15, s.half = 1;
    std::string sector = blockDisplay(memoryImage(data, true), s);
    struct Case {
        const std::string& text;
        std::string first;
        std::vector<std::string> rows;
        std::string last;
        long lines;
    } cases[] = {
        {block,
         " " + columns + "Block #\n\n000   " + hex(0) + "................   279\n",
         {"\n020   " + hex(0x20) + " !\"#$%&'()*+,-./   $117\n",
          "\n070   " + hex(0x70) + "pqrstuvwxyz{|}~\x7F\n",
          "\n1C0   " + hex(0xC0) + "................\n"},
         "\n1F0   " + hex(0xF0) + "................",
         33},
        {sector,
         columns + "Trk/Sec#\n\n00   " + hex(0) + "................   34/15\n",
         {"\n20   " + hex(0x20) + " !\"#$%&'()*+,-./  $22/$0F\n",
          "\n70   " + hex(0x70) + "pqrstuvwxyz{|}~.\n",
          "\nC0   " + hex(0xC0) + "@ABCDEFGHIJKLMNO\n"},
         "\nF0   " + hex(0xF0) + "pqrstuvwxyz{|}~.",
         17},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.text.starts_with(c.first)) << c.text;
        for (const std::string& row : c.rows) EXPECT_NE(c.text.find(row), std::string::npos) << row;
        EXPECT_TRUE(c.text.ends_with(c.last)) << c.text;
        EXPECT_EQ(std::count(c.text.begin(), c.text.end(), '\n'), c.lines);
    }
    s.block = 271, s.track = 33, s.sector = 14, s.half = 0; // a lower half: sector 14, not 1
    std::string lower = blockDisplay(memoryImage(data, true), s);
    EXPECT_NE(lower.find("\n00   EE EE EE"), std::string::npos);
    EXPECT_NE(lower.find("   33/14\n"), std::string::npos);
}

TEST(BlockDisplay, BlocksFollowTheDataOffsetAndReadZeroBeyondTheImage) {
    DiskImage image = memoryImage(std::vector<uint8_t>(64 + 3 * 512 + 100, 0x41));
    image.header.dataOffset = 64;
    BlockViewState s;
    s.block = 3; // 100 bytes inside the image, the rest beyond it
    std::string text = blockDisplay(image, s);
    EXPECT_NE(text.find("\n060   41 41 41 41 00 00 00 00 00 00 00 00 00 00 00 00   AAAA........"),
              std::string::npos)
        << text;
    s.block = 0xFFFFFFFF;
    EXPECT_NE(blockDisplay(image, s).find("   4294967295\n"), std::string::npos);
}

} // namespace
} // namespace lk::test
