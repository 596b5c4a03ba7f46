#include "cli_runner.h"

#include <cstdlib>
#include <sys/wait.h>

#include "temp_folder.h"

#ifndef LARKSPOON_CLI
#define LARKSPOON_CLI "larkspoon-cli"
#endif

namespace lk::test {

namespace {
std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
} // namespace

CliResult runCli(const std::vector<std::string>& args, const std::string& stdoutTo,
                 const std::string& shellFirst) {
    TempFolder dir;
    std::string command = shellFirst + quote(LARKSPOON_CLI);
    for (const auto& a : args) command += " " + quote(a);
    command += " >" + quote(stdoutTo.empty() ? dir.file("stdout") : stdoutTo) + " 2>" +
               quote(dir.file("stderr"));
    CliResult r;
    int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = dir.readText("stdout");
    r.err = dir.readText("stderr");
    return r;
}

} // namespace lk::test
