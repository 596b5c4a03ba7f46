// larkspoon-cli put [-r] [--type T] [--aux HEX] [--access HEX] IMAGE HOSTPATH... DEST: host files
// (and with -r folders) into the folder DEST, or one of them as DEST.
#include "app/host_transfer.h"
#include "catalog/find_path.h"
#include "cli/cli.h"

namespace lk::cli {

namespace {

// A hexadecimal value of 1 to `digits` digits.
std::optional<unsigned> hexOption(const std::string& text, size_t digits) {
    if (text.empty() || text.size() > digits ||
        text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return std::nullopt;
    return unsigned(std::stoul(text, nullptr, 16));
}

} // namespace

int runPut(int argc, char** argv) {
    Session s;
    if (auto end = parseVerb(
            {"put", {"type", "aux", "access"}, {"r"}, 3, size_t(-1), "IMAGE HOSTPATH... DEST"},
            argc, argv, s))
        return *end;
    HostImportOptions options;
    options.recursive = s.args.has("r");
    if (s.args.has("type")) options.type = s.args.value("type");
    if (s.args.has("aux")) {
        if (!hexOption(s.args.value("aux"), 4)) return usageError("--aux takes 1 to 4 hex digits");
        options.aux = s.args.value("aux");
    }
    if (s.args.has("access")) {
        auto access = hexOption(s.args.value("access"), 2);
        if (!access) return usageError("--access takes 1 or 2 hex digits");
        options.access = uint8_t(*access);
    }
    if (auto end = openForChange(s)) return *end;
    std::vector<std::string> hosts(s.args.positional.begin() + 1, s.args.positional.end() - 1);
    const std::string& dest = s.args.positional.back();
    NodeId folder = dest == "/" ? s.tree.root() : findNodeByPath(s.tree, dest);
    if (folder != kNoNode && !isFile(s.tree.item(folder)->kind)) {
        s.tree.select(folder);
    } else {
        // DEST names the one file (or folder) to make.
        if (hosts.size() != 1) {
            s.tell(MessageId::NoSuchPath, dest);
            return kUnreadable;
        }
        std::string name;
        folder = selectParent(s, dest, name);
        if (folder == kNoNode) return kUnreadable;
        options.asName = name;
    }
    Outcome outcome;
    bool done = importHostPaths(
        s.image, s.tree, folder, hosts, options,
        [&](const Message& question) { return warnAndGoOn(s, question); }, outcome);
    s.report(outcome);
    return finishChange(s, done);
}

} // namespace lk::cli
