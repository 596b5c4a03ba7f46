// The real disk images under ../shared/corpus and their independent reading (expected.jsonl,
// expected-woz.jsonl).
// Tests that use them skip, saying so, when the folder is absent, unless the environment sets
// LARKSPOON_REQUIRE_CORPUS (as CI does): then its absence fails them.
#pragma once

#include <string>
#include <vector>

#include "cli_runner.h"  // Json
#include "temp_folder.h" // readFileBytes

namespace lk::test {

struct CorpusImage {
    std::string name;
    std::string path;
    Json image;
    Json volume;
    std::vector<Json> files;
    std::string fs() const { return volume.value("fs", ""); }
};

std::string corpusDir();
bool corpusPresent();
bool corpusRequired();

// The first line of a test that reads the corpus.
#define SKIP_WITHOUT_CORPUS()                                                                      \
    do {                                                                                           \
        if (::lk::test::corpusPresent()) break;                                                    \
        if (::lk::test::corpusRequired())                                                          \
            FAIL() << "corpus folder " << ::lk::test::corpusDir() << " is absent";                 \
        GTEST_SKIP() << "corpus folder " << ::lk::test::corpusDir() << " is absent";               \
    } while (false)
std::vector<CorpusImage> loadCorpus();
// A field the independent reading writes as "$hex".
unsigned hexField(const Json& j, const char* key);

} // namespace lk::test
