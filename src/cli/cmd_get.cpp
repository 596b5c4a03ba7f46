// larkspoon-cli get [--fork data|rsrc] IMAGE PATH [OUT]: a file's bytes, as the readers
// assemble them (a DOS 3.3 file's whole sectors, its list sectors counted as zero bytes);
// get -r IMAGE PATH OUTDIR: a folder or the whole volume into host folders.
#include <filesystem>

#include "app/host_transfer.h"
#include "base/host_file.h"
#include "cli/cli.h"
#include "volume/volume.h"

namespace lk::cli {

namespace {

// get -r IMAGE PATH OUTDIR: PATH with everything below it into host folders. An OUTDIR that
// exists receives PATH as a folder of its name; a new OUTDIR becomes the copy of PATH.
int getRecursive(Session& s) {
    if (s.args.positional.size() != 3 || s.args.has("fork"))
        return usageError("get -r takes IMAGE PATH OUTDIR");
    if (auto end = openVerbImage(s)) return *end;
    NodeId node = selectPlace(s, s.args.positional[1]);
    if (node == kNoNode) return kUnreadable;
    const std::string& out = s.args.positional[2];
    std::error_code ec;
    bool exists = std::filesystem::is_directory(hostPath(out), ec);
    if (!exists && !std::filesystem::create_directories(hostPath(out), ec)) {
        s.tell(MessageId::CouldNotMakeFolder, out);
        return kUnreadable;
    }
    Outcome outcome;
    extractNode(s.image, s.tree, node, out, !exists, outcome);
    s.report(outcome);
    return finish(s);
}

} // namespace

int runGet(int argc, char** argv) {
    Session s;
    if (auto end = parseVerb({"get", {"fork"}, {"r"}, 2, 3, "IMAGE PATH [OUT]"}, argc, argv, s))
        return *end;
    if (s.args.has("r")) return getRecursive(s);
    std::string fork = s.args.value("fork", "data");
    if (fork != "data" && fork != "rsrc") return usageError("--fork is data or rsrc");
    if (auto end = openVerbImage(s)) return *end;
    const std::string& path = s.args.positional[1];
    NodeId node = selectPath(s, path);
    if (node == kNoNode) return kUnreadable;
    Outcome read;
    int32_t n = volumeOf(s.image).readFile(s.image, *s.tree.item(node),
                                           fork == "rsrc" ? Fork::Resource : Fork::Data, s.file,
                                           read);
    s.report(read);
    if (n < 0) {
        s.tell(MessageId::CannotReadAsFile, path);
        return kUnreadable;
    }
    if (s.args.positional.size() == 3) {
        const std::string& out = s.args.positional[2];
        if (!writeFileReplacing(out, s.file.bytes())) {
            s.tell(MessageId::CouldNotWriteFile, out);
            return kUnreadable;
        }
    } else {
        writeStdout(s, s.file.bytes());
    }
    return finish(s);
}

} // namespace lk::cli
