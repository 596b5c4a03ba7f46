// larkspoon-cli sector IMAGE TRACK SECTOR: the text Display Sector shows for a sector of a
// DOS 3.3 volume.
#include "app/block_view.h"
#include "cli/cli.h"

namespace lk::cli {

int runSector(int argc, char** argv) {
    Session s;
    if (auto end = startVerb({"sector", {}, {}, 3, 3, "IMAGE TRACK SECTOR"}, argc, argv, s))
        return *end;
    if (!s.image.isDos33) return usageError("a ProDOS volume has blocks: use block");
    BlockViewState state;
    Outcome entry;
    bool accepted = acceptSectorEntry(state, s.args.positional[1], s.args.positional[2], entry);
    s.report(entry);
    // An entry out of range is told with the dialog's message, as a usage error.
    if (!accepted) return kUsage;
    writeText(s, blockDisplay(s.image, state));
    return finish(s);
}

} // namespace lk::cli
