// A small JSON reader for the test data (expected.jsonl) and the CLI's --json output.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace lk::test {

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<Json> array;
    std::map<std::string, Json> object;

    bool has(const std::string& key) const { return object.count(key) != 0; }
    const Json& operator[](const std::string& key) const;
    std::string str(const std::string& key) const;
    long long integer(const std::string& key) const;
};

// Parses one JSON value; throws std::runtime_error on malformed text.
Json parseJson(const std::string& text);

} // namespace lk::test
