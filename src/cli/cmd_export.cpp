// larkspoon-cli export [--set KEY=VALUE]... IMAGE PATH OUT: writes what Export As writes, with
// the "Translate" preferences at their defaults unless --set changes them.
#include "app/export_file.h"
#include "cli/cli.h"
#include "settings/setting_keys.h"

namespace lk::cli {

namespace {

// Applies every --set KEY=VALUE to the "Translate" section; false (told) for a bad one.
bool applySettings(const Args& args, Settings& settings, std::string& error) {
    for (const std::string& value : args.values("set")) {
        size_t eq = value.find('=');
        std::optional<SettingRef> ref;
        if (eq != std::string::npos) ref = findSetting("Translate", value.substr(0, eq));
        if (!ref) {
            error = "--set takes KEY=VALUE with a key of section Translate, not " + value;
            return false;
        }
        setSettingText(settings, *ref, value.substr(eq + 1));
    }
    return true;
}

} // namespace

int runExport(int argc, char** argv) {
    Session s;
    if (auto end = parseVerb({"export", {"set"}, {}, 3, 3, "IMAGE PATH OUT"}, argc, argv, s))
        return *end;
    Settings settings;
    std::string error;
    if (!applySettings(s.args, settings, error)) return usageError(error);
    if (auto end = openVerbImage(s)) return *end;
    const std::string& path = s.args.positional[1];
    if (selectPath(s, path) == kNoNode) return kUnreadable;
    Outcome prepared;
    int32_t n = prepareExport(s.image, s.tree, settings, s.file, prepared);
    s.report(prepared);
    if (n <= 0) {
        if (!s.problems) s.tell(MessageId::CannotExport, path);
        return kUnreadable;
    }
    const std::string& out = s.args.positional[2];
    if (writeExportFile(out, s.file.bytes()) == 0) {
        s.tell(MessageId::CouldNotWriteFile, out);
        return kUnreadable;
    }
    return finish(s);
}

} // namespace lk::cli
