// larkspoon-cli export [--set KEY=VALUE]... IMAGE PATH OUT: writes what Export As writes, with
// the "Translate" preferences at their defaults unless --set changes them.
#include <iostream>

#include "cli/cli.h"
#include "dos33/export_file.h"
#include "settings/settings.h"

namespace lk::cli {

namespace {

// Applies every --set KEY=VALUE to the "Translate" section; false (told) for a bad one.
bool applySettings(const Args& args, Settings& settings, std::string& error) {
    for (const auto& [name, value] : args.options) {
        if (name != "set") continue;
        size_t eq = value.find('=');
        std::string* field = eq == std::string::npos
                                 ? nullptr
                                 : settingField(settings, "Translate", value.substr(0, eq));
        if (!field) {
            error = "--set takes KEY=VALUE with a key of section Translate, not " + value;
            return false;
        }
        *field = value.substr(eq + 1);
    }
    return true;
}

} // namespace

int runExport(int argc, char** argv) {
    Args args;
    std::string error;
    if (!parseArgs(argc, argv, {"set"}, {}, args, error)) return usageError(error);
    if (args.positional.size() != 3) return usageError("export takes IMAGE PATH OUT");
    Settings settings;
    if (!applySettings(args, settings, error)) return usageError(error);
    Session s;
    if (!openForCli(s, args.positional[0])) return kUnreadable;
    const std::string& path = args.positional[1];
    if (findPathForCli(s, path) == kNoNode) return kUnreadable;
    int32_t n = prepareExport(s.image, s.tree, settings, s.file, s.platform);
    if (n <= 0) {
        if (s.platform.messages == 0) std::cerr << path << " cannot be exported.\n";
        return kUnreadable;
    }
    const std::string& out = args.positional[2];
    if (writeExportFile(out, s.file.bytes()) == 0) {
        std::cerr << "Could not write file " << out << "\n";
        return kUnreadable;
    }
    return s.platform.messages ? kUnreadable : kOk;
}

} // namespace lk::cli
