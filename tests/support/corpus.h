// The real disk images under ../shared/corpus and their independent reading (expected.jsonl).
// Tests that use them skip, saying so, when the folder is absent.
#pragma once

#include <string>
#include <vector>

#include "json.h"

namespace lk::test {

struct CorpusImage {
    std::string name;
    std::string path;
    Json image;
    Json volume;
    std::vector<Json> files;
    std::string fs() const { return volume.str("fs"); }
};

std::string corpusDir();
bool corpusPresent();
std::vector<CorpusImage> loadCorpus();
std::vector<uint8_t> readFileBytes(const std::string& path);

} // namespace lk::test
