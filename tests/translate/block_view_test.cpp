#include <gtest/gtest.h>

#include "scripted_platform.h"
#include "translate/block_view.h"

namespace lk {
namespace {

TEST(BlockEntry, NumbersAreReadInEveryFormTheDialogsAccept) {
    struct Case {
        const char* text;
        int64_t value;
    } cases[] = {
        {"h1F", 31},
        {"$1F", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"017", 15},
        {"abc", 0},
        {"", 0},
        {"$", 0},
        {"h", 0},
        {"279", 279},
        {"$117", 279},
        {"12abc", 12},
        {"019", 1},
        {"08", 0},
        {"0x", 0},
        {"0xg", 0},
        {" 42", 42},
        {"+7", 7},
        {"-1", -1},
        {"$-1", -1},
        {"$0x10", 16},
        {"H1F", 0},
        {"1234567890123", 1234567890},
    };
    for (const Case& c : cases) EXPECT_EQ(parseEntryNumber(c.text), c.value) << c.text;
    // Beyond 32 bits, and negative beyond 32 bits: still out of every range.
    EXPECT_GT(parseEntryNumber("9999999999"), int64_t(UINT32_MAX));
    EXPECT_LT(parseEntryNumber("$-FFFFFFFFF"), 0);
}

TEST(BlockEntry, BlockOutOfRangeTellsTheLastBlockAndKeepsTheState) {
    BlockViewState s;
    s.block = 7;
    test::ScriptedPlatform p;
    for (const char* bad : {"280", "$118", "-1", "99999999999"}) {
        EXPECT_FALSE(acceptBlockEntry(s, bad, 280, p)) << bad;
        EXPECT_EQ(p.lastMessage(), "Block# must be between zero & 279 ($117) for this disk.");
        EXPECT_EQ(p.messages.back().caption, "Larkspoon");
        EXPECT_EQ(p.messages.back().icon, MessageIcon::Warning);
        EXPECT_EQ(s.block, 7u);
    }
    EXPECT_EQ(s.blockEntryText, "9999999999") << "the dialog reads ten characters";
    EXPECT_TRUE(acceptBlockEntry(s, "$117", 280, p));
    EXPECT_EQ(s.block, 279u);
    EXPECT_EQ(s.blockEntryText, "$117");
    EXPECT_EQ(p.messages.size(), 4u);
    EXPECT_FALSE(acceptBlockEntry(s, "0", 0, p)) << "an image without blocks has none to show";
}

TEST(BlockEntry, TrackIsCheckedBeforeSector) {
    struct Case {
        const char* track;
        const char* sector;
        const char* message;
    } cases[] = {
        {"35", "0", "Track number must be between zero and 34!"},
        {"35", "16", "Track number must be between zero and 34!"},
        {"-1", "0", "Track number must be between zero and 34!"},
        {"34", "16", "Sector number must be between zero and 15!"},
        {"0", "$10", "Sector number must be between zero and 15!"},
    };
    for (const Case& c : cases) {
        BlockViewState s;
        s.track = 3;
        s.sector = 5;
        s.block = 26;
        s.half = 1;
        test::ScriptedPlatform p;
        EXPECT_FALSE(acceptSectorEntry(s, c.track, c.sector, p));
        EXPECT_EQ(p.lastMessage(), c.message);
        EXPECT_EQ(s.track * 100 + s.sector * 10 + s.half, 351u);
        EXPECT_EQ(s.block, 26u);
    }
}

TEST(BlockEntry, AcceptedSectorNamesItsBlockAndHalf) {
    BlockViewState s;
    test::ScriptedPlatform p;
    ASSERT_TRUE(acceptSectorEntry(s, "$11", "15", p));
    EXPECT_EQ(s.track, 17u);
    EXPECT_EQ(s.sector, 15u);
    EXPECT_EQ(s.block, 143u);
    EXPECT_EQ(s.half, 1u);
    EXPECT_EQ(s.trackEntryText, "$11");
    EXPECT_EQ(s.sectorEntryText, "15");
    ASSERT_TRUE(acceptSectorEntry(s, "17", "0", p));
    EXPECT_EQ(s.block, 136u);
    EXPECT_EQ(s.half, 0u);
    EXPECT_TRUE(p.messages.empty());
}

TEST(BlockStepping, BlocksStopAtBothEnds) {
    BlockViewState s;
    EXPECT_FALSE(stepBlockView(s, StepCommand::NextBlock, false, 280)) << "nothing shown yet";
    s.blockViewShown = true;
    EXPECT_FALSE(stepBlockView(s, StepCommand::PreviousBlock, false, 280));
    EXPECT_EQ(s.block, 0u);
    EXPECT_TRUE(stepBlockView(s, StepCommand::NextBlock, false, 280));
    EXPECT_EQ(s.block, 1u);
    s.block = 279;
    EXPECT_FALSE(stepBlockView(s, StepCommand::NextBlock, false, 280));
    EXPECT_EQ(s.block, 279u);
    EXPECT_TRUE(stepBlockView(s, StepCommand::PreviousBlock, false, 280));
    EXPECT_EQ(s.block, 278u);
    EXPECT_FALSE(stepBlockView(s, StepCommand::NextSector, false, 280)) << "a ProDOS volume";
    EXPECT_FALSE(stepBlockView(s, StepCommand::PreviousBlock, true, 280)) << "a DOS 3.3 volume";
}

TEST(BlockStepping, SectorsWrapAcrossTracksAndStopAtTheDiskEnds) {
    BlockViewState s;
    s.blockViewShown = true;
    test::ScriptedPlatform p;
    ASSERT_TRUE(acceptSectorEntry(s, "3", "15", p));
    EXPECT_TRUE(stepBlockView(s, StepCommand::NextSector, true, 280));
    EXPECT_EQ(s.track, 4u);
    EXPECT_EQ(s.sector, 0u);
    EXPECT_EQ(s.block, 32u);
    EXPECT_EQ(s.half, 0u);
    EXPECT_TRUE(stepBlockView(s, StepCommand::PreviousSector, true, 280));
    EXPECT_EQ(s.track * 16 + s.sector, 3u * 16 + 15);
    EXPECT_EQ(s.block, 31u);
    EXPECT_EQ(s.half, 1u);

    ASSERT_TRUE(acceptSectorEntry(s, "34", "15", p));
    EXPECT_FALSE(stepBlockView(s, StepCommand::NextSector, true, 280));
    EXPECT_TRUE(stepBlockView(s, StepCommand::PreviousSector, true, 280));
    EXPECT_EQ(s.sector, 14u);
    ASSERT_TRUE(acceptSectorEntry(s, "0", "0", p));
    EXPECT_FALSE(stepBlockView(s, StepCommand::PreviousSector, true, 280));
    EXPECT_EQ(s.block, 0u);
    EXPECT_FALSE(stepBlockView(s, StepCommand::NextBlock, true, 280)) << "a DOS 3.3 volume";
    EXPECT_TRUE(stepBlockView(s, StepCommand::NextSector, true, 280));
    EXPECT_EQ(s.sector, 1u);
    EXPECT_EQ(s.half, 1u);
}

} // namespace
} // namespace lk
