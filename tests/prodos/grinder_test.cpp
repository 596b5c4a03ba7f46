#include <gtest/gtest.h>

#include "grinder.h"

namespace lk::test {
namespace {

// A short run on each size of volume; fuzz/write_grinder runs it for as long as asked.
TEST(Grinder, VolumesStaySoundThroughRandomChanges) {
    for (GrinderRun run : {GrinderRun{280, 1, 300, 150000}, GrinderRun{1600, 2, 150, 900000},
                           GrinderRun{65535, 3, 30, 16777215}}) {
        GrinderFigures figures;
        EXPECT_EQ(grind(run, figures), "") << run.blocks << " blocks";
        EXPECT_EQ(figures.steps, run.steps);
        if (run.blocks == 280) EXPECT_GT(figures.fills, 0) << "filled and emptied";
    }
}

} // namespace
} // namespace lk::test
