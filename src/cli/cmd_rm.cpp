// larkspoon-cli rm [-r] IMAGE PATH: deletes a file, or with -r a folder with everything in it
// ("/" empties the volume).
#include "cli/cli.h"
#include "prodos/delete_file.h"

namespace lk::cli {

int runRm(int argc, char** argv) {
    Session s;
    if (auto end = parseVerb({"rm", {}, {"r"}, 2, 2, "IMAGE PATH"}, argc, argv, s)) return *end;
    if (auto end = openForChange(s)) return *end;
    const std::string& path = s.args.positional[1];
    NodeId node = selectPlace(s, path);
    if (node == kNoNode) return kUnreadable;
    if (!isFile(s.tree.item(node)->kind) && !s.args.has("r")) {
        s.tell(MessageId::FolderNeedsRecursive, path);
        return kUnreadable;
    }
    Outcome outcome;
    int r = deleteSelected(s.image, s.tree, DeleteOptions{false, true}, outcome);
    s.report(outcome);
    return finishChange(s, r == kDeleted);
}

} // namespace lk::cli
