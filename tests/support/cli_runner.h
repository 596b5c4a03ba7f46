// Runs larkspoon-cli and captures what it writes.
#pragma once

#include <string>
#include <vector>

namespace lk::test {

struct CliResult {
    int status = -1;
    std::string out; // standard output, as bytes
    std::string err; // standard error
};

// Runs the CLI built with the tests on the given arguments.
CliResult runCli(const std::vector<std::string>& args);

// A scratch file that is removed again.
struct TempFile {
    std::string path;
    explicit TempFile(const std::string& name, const std::vector<uint8_t>& bytes = {});
    ~TempFile();
    std::vector<uint8_t> read() const;
};

} // namespace lk::test
