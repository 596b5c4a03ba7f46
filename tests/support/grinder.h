// The grinder: seeded random creates (sizes drawn around the storage kinds' edges), folders,
// extended files, renames and deletes fill a fresh volume and empty it again. After every step
// the volume must check sound and every live file read back byte for byte; a step that fails
// must leave every block in use as it was.
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
    int steps = 0, failedSteps = 0; // refused creates and renames, as on a full volume
    int files = 0, folders = 0;
    int fills = 0; // times the volume was filled and emptied again
};

// Empty when every step kept the rules, else what went wrong first (the run stops there).
std::string grind(const GrinderRun& run, GrinderFigures& figures);

} // namespace lk::test
