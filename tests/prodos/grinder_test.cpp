#include <gtest/gtest.h>

#include "grinder.h"

namespace lk::test {
namespace {

// A short run on each size of volume; fuzz/write_grinder runs it for as long as asked.
TEST(Grinder, VolumesStaySoundThroughRandomChanges) {
    struct Case {
        uint32_t blocks;
        int steps;
        uint32_t largestFile;
    } cases[] = {{280, 300, 150000}, {1600, 150, 900000}, {65535, 30, 16777215}};
    for (const Case& c : cases) {
        GrinderFigures figures;
        std::string problem = grind({c.blocks, 2024, c.steps, c.largestFile}, figures);
        EXPECT_EQ(problem, "") << c.blocks << " blocks";
        EXPECT_EQ(figures.steps, c.steps);
        if (c.blocks == 280) EXPECT_GT(figures.fills, 0) << "filled and emptied";
    }
}

} // namespace
} // namespace lk::test
