// larkspoon-cli block IMAGE N: the text Display Block shows for block N of a ProDOS volume.
#include "app/block_view.h"
#include "cli/cli.h"

namespace lk::cli {

int runBlock(int argc, char** argv) {
    Session s;
    if (auto end = startVerb({"block", {}, {}, 2, 2, "IMAGE N"}, argc, argv, s)) return *end;
    if (s.image.isDos33) return usageError("a DOS 3.3 volume has sectors: use sector");
    BlockViewState state;
    Outcome entry;
    bool accepted =
        acceptBlockEntry(state, s.args.positional[1], imageBlockCount(s.image), entry);
    s.report(entry);
    // An entry out of range is told with the dialog's message, as a usage error.
    if (!accepted) return kUsage;
    writeText(s, blockDisplay(s.image, state));
    return finish(s);
}

} // namespace lk::cli
