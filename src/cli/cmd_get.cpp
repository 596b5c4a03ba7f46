// larkspoon-cli get [--fork data|rsrc] IMAGE PATH [OUT]: a file's bytes, as the readers
// assemble them (a DOS 3.3 file's whole sectors, its list sectors counted as zero bytes).
#include <iostream>

#include "cli/cli.h"
#include "dos33/dos_error.h"
#include "dos33/read_dos_file.h"
#include "image/host_file.h"
#include "prodos/read_file.h"

namespace lk::cli {

int runGet(int argc, char** argv) {
    Args args;
    std::string error;
    if (!parseArgs(argc, argv, {"fork"}, {}, args, error)) return usageError(error);
    if (args.positional.size() < 2 || args.positional.size() > 3)
        return usageError("get takes IMAGE PATH [OUT]");
    std::string fork = args.value("fork", "data");
    if (fork != "data" && fork != "rsrc") return usageError("--fork is data or rsrc");
    Session s;
    if (!openForCli(s, args.positional[0])) return kUnreadable;
    const std::string& path = args.positional[1];
    if (findPathForCli(s, path) == kNoNode) return kUnreadable;
    int32_t n;
    if (s.image.isDos33) {
        n = readSelectedDosFile(s.image, s.tree, s.file, s.platform);
        if (n < 0) reportDosError(s.platform, n);
    } else {
        n = readProdosFile(s.image, s.tree.item(s.tree.selection())->entryOffset,
                           fork == "rsrc" ? kResourceFork : kDataFork, s.file, s.platform);
    }
    if (n < 0) {
        std::cerr << path << " cannot be read as a file.\n";
        return kUnreadable;
    }
    Bytes bytes = s.file.bytes();
    if (args.positional.size() == 3) {
        if (!writeFileReplacing(args.positional[2], bytes)) {
            std::cerr << "Could not write file " << args.positional[2] << "\n";
            return kUnreadable;
        }
    } else {
        writeStdout(bytes);
    }
    return s.platform.messages ? kUnreadable : kOk;
}

} // namespace lk::cli
