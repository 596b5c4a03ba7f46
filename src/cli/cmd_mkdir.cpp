// larkspoon-cli mkdir IMAGE PATH: a new folder, as New Folder makes it.
#include <ctime>

#include "app/volume_changes.h"
#include "cli/cli.h"

namespace lk::cli {

int runMkdir(int argc, char** argv) {
    Session s;
    if (auto end = parseVerb({"mkdir", {}, {}, 2, 2, "IMAGE PATH"}, argc, argv, s)) return *end;
    if (auto end = openForChange(s)) return *end;
    std::string name;
    if (selectParent(s, s.args.positional[1], name) == kNoNode) return kUnreadable;
    LocalDateTime now = localDateTime(std::time(nullptr));
    return runChange(s, [&](const ChangeAnswers& answers, Outcome& o) {
        return newFolder(s.image, s.tree, name, kDefaultAccess, now, answers, o);
    });
}

} // namespace lk::cli
