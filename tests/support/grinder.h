// The grinder: seeded random sequences of creates (every storage kind, sizes drawn around the
// kinds' boundaries), folders, extended files, renames and deletes on a fresh volume, filling it
// and emptying it again. After every step the volume must check sound and every live file read
// back byte for byte; a step that fails must leave the image as it was, but for the contents of
// free blocks.
#pragma once

#include <cstdint>
#include <string>

namespace lk::test {

struct GrinderRun {
    uint32_t blocks = 280;
    uint64_t seed = 1;
    int steps = 100;
    uint32_t largestFile = 1u << 24; // sizes are drawn up to this (16 MB at most)
    double seconds = 0;              // when not 0, runs until this much time has gone
};

struct GrinderFigures {
    int steps = 0;
    int failedSteps = 0; // refused creates and renames, as on a full volume
    int files = 0;
    int folders = 0;
    int fills = 0; // times the volume was filled and emptied again
};

// Empty when every step kept the rules, else what went wrong first (the run stops there).
std::string grind(const GrinderRun& run, GrinderFigures& figures);

} // namespace lk::test
