// A 32 MB ProDOS volume built in memory for the benchmarks: 10,100 files in nested folders and
// one 16 MB tree file, written once to a temporary file.
#pragma once

#include <string>
#include <vector>

namespace lk::bench {

struct BigVolume {
    std::vector<uint8_t> bytes;
    std::string path; // the same bytes as a file
    size_t fileCount = 0;
};

const BigVolume& bigVolume();

} // namespace lk::bench
