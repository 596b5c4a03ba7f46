// larkspoon-cli get [--fork data|rsrc] IMAGE PATH [OUT]: a file's bytes, as the readers
// assemble them (a DOS 3.3 file's whole sectors, its list sectors counted as zero bytes).
#include "base/host_file.h"
#include "cli/cli.h"
#include "volume/volume.h"

namespace lk::cli {

int runGet(int argc, char** argv) {
    Session s;
    if (auto end = parseVerb({"get", {"fork"}, {}, 2, 3, "IMAGE PATH [OUT]"}, argc, argv, s))
        return *end;
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
