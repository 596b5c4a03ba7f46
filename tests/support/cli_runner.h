// Runs larkspoon-cli and captures what it writes, and reads the JSON it (and the test data)
// writes.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"

namespace lk::test {

struct CliResult {
    int status = -1;
    std::string out; // standard output, as bytes
    std::string err; // standard error
};

// Runs the CLI built with the tests on the given arguments; its standard output goes to
// `stdoutTo` when one is named (and is not captured then). `shellFirst` is a shell command run
// before it in the same shell ("ulimit -f 64; ").
CliResult runCli(const std::vector<std::string>& args, const std::string& stdoutTo = "",
                 const std::string& shellFirst = "");

// What the CLI wrote, as bytes.
inline Bytes asBytes(std::string_view out) {
    return Bytes(reinterpret_cast<const uint8_t*>(out.data()), out.size());
}

// Bytes as the CLI writes them.
inline std::string asText(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

using Json = nlohmann::json;

// A text or number field; empty or 0 when it is missing.
inline std::string text(const Json& j, const char* key) {
    return j.value(key, std::string());
}
inline long number(const Json& j, const char* key) {
    return j.value(key, 0L);
}

} // namespace lk::test
