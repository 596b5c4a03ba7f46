// larkspoon-cli sector IMAGE TRACK SECTOR: the text Display Sector shows for a sector of a
// DOS 3.3 volume.
#include "cli/cli.h"
#include "translate/block_display.h"

namespace lk::cli {

int runSector(int argc, char** argv) {
    Args args;
    std::string error;
    if (!parseArgs(argc, argv, {}, {}, args, error)) return usageError(error);
    if (args.positional.size() != 3) return usageError("sector takes IMAGE TRACK SECTOR");
    Session s;
    if (!openForCli(s, args.positional[0])) return kUnreadable;
    if (!s.image.isDos33) return usageError("a ProDOS volume has blocks: use block");
    BlockViewState state;
    // An entry out of range is told with the dialog's message.
    if (!acceptSectorEntry(state, args.positional[1], args.positional[2], s.platform))
        return kUsage;
    writeText(blockDisplay(s.image, state));
    return s.platform.messages ? kUnreadable : kOk;
}

} // namespace lk::cli
