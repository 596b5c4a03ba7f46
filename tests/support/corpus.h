// The real disk images under ../shared/corpus and their independent reading (expected.jsonl).
// Tests that use them skip, saying so, when the folder is absent.
#pragma once

#include <string>
#include <vector>

#include "json.h"
#include "temp_folder.h" // readFileBytes

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
// A field the independent reading writes as "$hex".
unsigned hexField(const Json& j, const char* key);

} // namespace lk::test
