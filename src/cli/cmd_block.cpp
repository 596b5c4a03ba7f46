// larkspoon-cli block IMAGE N: the text Display Block shows for block N of a ProDOS volume.
#include "cli/cli.h"
#include "translate/block_display.h"

namespace lk::cli {

int runBlock(int argc, char** argv) {
    Args args;
    std::string error;
    if (!parseArgs(argc, argv, {}, {}, args, error)) return usageError(error);
    if (args.positional.size() != 2) return usageError("block takes IMAGE N");
    Session s;
    if (!openForCli(s, args.positional[0])) return kUnreadable;
    if (s.image.isDos33) return usageError("a DOS 3.3 volume has sectors: use sector");
    BlockViewState state;
    // An entry out of range is told with the dialog's message.
    if (!acceptBlockEntry(state, args.positional[1], imageBlockCount(s.image), s.platform))
        return kUsage;
    writeText(blockDisplay(s.image, state));
    return s.platform.messages ? kUnreadable : kOk;
}

} // namespace lk::cli
