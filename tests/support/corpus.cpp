#include "corpus.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#ifndef LARKSPOON_CORPUS
#define LARKSPOON_CORPUS "../shared/corpus"
#endif

namespace lk::test {

std::string corpusDir() {
    return LARKSPOON_CORPUS;
}

bool corpusPresent() {
    return std::filesystem::exists(std::filesystem::path(corpusDir()) / "expected.jsonl");
}

bool corpusRequired() {
    const char* required = std::getenv("LARKSPOON_REQUIRE_CORPUS");
    return required && *required && std::string(required) != "0";
}

unsigned hexField(const Json& j, const char* key) {
    return unsigned(std::stoul(text(j, key).substr(1), nullptr, 16));
}

std::vector<CorpusImage> loadCorpus() {
    std::vector<CorpusImage> images;
    if (!corpusPresent()) return images;
    std::map<std::string, size_t> index;
    // The WOZ images are read apart from the others; Larkspoon reads both.
    for (const char* listing : {"expected.jsonl", "expected-woz.jsonl"}) {
    std::ifstream in(std::filesystem::path(corpusDir()) / listing);
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        Json j = Json::parse(line);
        std::string name = text(j, "image");
        if (!index.count(name)) {
            index[name] = images.size();
            images.push_back({name, corpusDir() + "/" + name, {}, {}, {}});
        }
        CorpusImage& img = images[index[name]];
        std::string kind = text(j, "kind");
        if (kind == "image")
            img.image = j;
        else if (kind == "volume")
            img.volume = j;
        else if (kind == "file")
            img.files.push_back(j);
    }
    }
    return images;
}

} // namespace lk::test
