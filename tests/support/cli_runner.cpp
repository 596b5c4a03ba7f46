#include "cli_runner.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#ifndef LARKSPOON_CLI
#define LARKSPOON_CLI "larkspoon-cli"
#endif

namespace lk::test {

namespace fs = std::filesystem;

namespace {
std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
int counter = 0;
} // namespace

TempFile::TempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    fs::path dir = fs::temp_directory_path() / ("larkspoon-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    path = (dir / (std::to_string(counter++) + "-" + name)).string();
    if (!bytes.empty() || name.find('.') != std::string::npos) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
}

TempFile::~TempFile() {
    std::error_code ec;
    fs::remove(path, ec);
}

std::vector<uint8_t> TempFile::read() const {
    std::string s = slurp(path);
    return std::vector<uint8_t>(s.begin(), s.end());
}

CliResult runCli(const std::vector<std::string>& args) {
    TempFile out("stdout"), err("stderr");
    std::string command = quote(LARKSPOON_CLI);
    for (const auto& a : args) command += " " + quote(a);
    command += " >" + quote(out.path) + " 2>" + quote(err.path);
    CliResult r;
    int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(out.path);
    r.err = slurp(err.path);
    return r;
}

} // namespace lk::test
