// The grinder for as long as asked: seeded random creates, folders, extended files, renames and
// deletes on 280-, 1600- and 65535-block volumes in turn, each volume checked sound and every
// file read back after every step. Prints its figures; exits 1 at the first broken rule.
//   write_grinder [SECONDS [SEED]]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "grinder.h"

int main(int argc, char** argv) {
    double seconds = argc > 1 ? std::atof(argv[1]) : 60;
    uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    // A run ends after its time: long enough to fill its volume and empty it again.
    struct Volume {
        uint32_t blocks;
        uint32_t largestFile;
        double seconds;
        lk::test::GrinderFigures total;
        int runs = 0;
    } volumes[] = {{280, 150000, 20, {}}, {1600, 900000, 20, {}}, {65535, 16777215, 180, {}}};
    auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    for (int turn = 0; elapsed() < seconds; ++turn, ++seed) {
        Volume& v = volumes[turn % 3];
        lk::test::GrinderFigures f;
        std::string problem = lk::test::grind({v.blocks, seed, 0, v.largestFile, v.seconds}, f);
        v.total.steps += f.steps;
        v.total.failedSteps += f.failedSteps;
        v.total.files += f.files;
        v.total.folders += f.folders;
        v.total.fills += f.fills;
        ++v.runs;
        if (!problem.empty()) {
            std::printf("seed %llu, %u blocks: %s\n", (unsigned long long)seed, v.blocks,
                        problem.c_str());
            return 1;
        }
    }
    for (const Volume& v : volumes)
        std::printf("%5u blocks: %d runs, %d steps (%d refused), %d files, %d folders, "
                    "%d times filled and emptied\n",
                    v.blocks, v.runs, v.total.steps, v.total.failedSteps, v.total.files,
                    v.total.folders, v.total.fills);
    std::printf("%.0f seconds\n", elapsed());
    return 0;
}
