#include <gtest/gtest.h>

#include "open_helpers.h"
#include "scripted_platform.h"
#include "app/block_view.h"

namespace lk {
namespace {

TEST(BlockEntry, NumbersAreReadInEveryFormTheDialogsAccept) {
    struct Case {
        const char* text;
        int64_t value;
    } cases[] = {{"h1F", 31},
                 {"$1F", 31},
                 {"0x1F", 31},
                 {"0X1f", 31},
                 {"017", 15},
                 {"279", 279},
                 {"$117", 279},
                 {"abc", 0},
                 {"", 0},
                 {"$", 0},
                 {"h", 0},
                 {"H1F", 0},
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
                 {"1234567890123", 1234567890}};
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
        EXPECT_FALSE(reported(p, [&](Outcome& out) { return acceptBlockEntry(s, bad, 280, out); })) << bad;
        EXPECT_EQ(p.lastMessage(), "Block# must be between zero & 279 ($117) for this disk.");
        EXPECT_EQ(p.messages.back().caption, "Larkspoon");
        EXPECT_EQ(p.messages.back().icon, MessageIcon::Warning);
        EXPECT_EQ(s.block, 7u);
    }
    EXPECT_EQ(s.blockEntryText, "9999999999") << "the dialog reads ten characters";
    EXPECT_TRUE(reported(p, [&](Outcome& out) { return acceptBlockEntry(s, "$117", 280, out); }));
    EXPECT_EQ(s.block, 279u);
    EXPECT_EQ(s.blockEntryText, "$117");
    EXPECT_EQ(p.messages.size(), 4u);
    EXPECT_FALSE(reported(p, [&](Outcome& out) { return acceptBlockEntry(s, "0", 0, out); })) << "an image without blocks has none to show";
}

// The track is checked first; a refused entry keeps the sector shown.
TEST(BlockEntry, SectorEntryNamesItsBlockAndHalfOrTellsWhatIsOutOfRange) {
    struct Case {
        const char* track;
        const char* sector;
        const char* message; // none when accepted
        uint32_t block, half;
    } cases[] = {
        {"35", "0", "Track number must be between zero and 34!", 26, 1},
        {"35", "16", "Track number must be between zero and 34!", 26, 1},
        {"-1", "0", "Track number must be between zero and 34!", 26, 1},
        {"34", "16", "Sector number must be between zero and 15!", 26, 1},
        {"0", "$10", "Sector number must be between zero and 15!", 26, 1},
        {"$11", "15", nullptr, 143, 1},
        {"17", "0", nullptr, 136, 0},
    };
    for (const Case& c : cases) {
        BlockViewState s;
        s.track = 3;
        s.block = 26;
        s.half = 1;
        test::ScriptedPlatform p;
        EXPECT_EQ(reported(p, [&](Outcome& out) { return acceptSectorEntry(s, c.track, c.sector, out); }), c.message == nullptr);
        EXPECT_EQ(s.track, c.message ? 3u : uint32_t(parseEntryNumber(c.track)));
        EXPECT_EQ(p.lastMessage(), c.message ? c.message : "");
        EXPECT_EQ(s.block, c.block) << c.track << "/" << c.sector;
        EXPECT_EQ(s.half, c.half);
        EXPECT_EQ(s.trackEntryText, c.track);
        EXPECT_EQ(s.sectorEntryText, c.sector);
    }
}

TEST(BlockStepping, BlocksStopAtBothEnds) {
    BlockViewState s;
    EXPECT_FALSE(stepBlockView(s, StepCommand::NextBlock, false, 280)) << "nothing shown yet";
    s.blockViewShown = true;
    EXPECT_FALSE(stepBlockView(s, StepCommand::PreviousBlock, false, 280));
    EXPECT_TRUE(stepBlockView(s, StepCommand::NextBlock, false, 280));
    EXPECT_EQ(s.block, 1u);
    s.block = 279;
    EXPECT_FALSE(stepBlockView(s, StepCommand::NextBlock, false, 280));
    EXPECT_TRUE(stepBlockView(s, StepCommand::PreviousBlock, false, 280));
    EXPECT_EQ(s.block, 278u);
    EXPECT_FALSE(stepBlockView(s, StepCommand::NextSector, false, 280)) << "a ProDOS volume";
    EXPECT_FALSE(stepBlockView(s, StepCommand::PreviousBlock, true, 280)) << "a DOS 3.3 volume";
}

TEST(BlockStepping, SectorsWrapAcrossTracksAndStopAtTheDiskEnds) {
    BlockViewState s;
    s.blockViewShown = true;
    test::ScriptedPlatform p;
    auto at = [&](uint32_t track, uint32_t sector, uint32_t block, uint32_t half) {
        return s.track == track && s.sector == sector && s.block == block && s.half == half;
    };
    ASSERT_TRUE(reported(p, [&](Outcome& out) { return acceptSectorEntry(s, "3", "15", out); }));
    EXPECT_TRUE(stepBlockView(s, StepCommand::NextSector, true, 280));
    EXPECT_TRUE(at(4, 0, 32, 0));
    EXPECT_TRUE(stepBlockView(s, StepCommand::PreviousSector, true, 280));
    EXPECT_TRUE(at(3, 15, 31, 1));
    ASSERT_TRUE(reported(p, [&](Outcome& out) { return acceptSectorEntry(s, "34", "15", out); }));
    EXPECT_FALSE(stepBlockView(s, StepCommand::NextSector, true, 280));
    EXPECT_TRUE(stepBlockView(s, StepCommand::PreviousSector, true, 280));
    EXPECT_TRUE(at(34, 14, 279, 0));
    ASSERT_TRUE(reported(p, [&](Outcome& out) { return acceptSectorEntry(s, "0", "0", out); }));
    EXPECT_FALSE(stepBlockView(s, StepCommand::PreviousSector, true, 280));
    EXPECT_FALSE(stepBlockView(s, StepCommand::NextBlock, true, 280)) << "a DOS 3.3 volume";
    EXPECT_TRUE(stepBlockView(s, StepCommand::NextSector, true, 280));
    EXPECT_TRUE(at(0, 1, 0, 1));
}

} // namespace
} // namespace lk
