// larkspoon-cli rename IMAGE PATH NEWNAME: a new name for a file, folder or the volume, its type,
// auxiliary type and access kept.
#include "app/volume_changes.h"
#include "base/format.h"
#include "cli/cli.h"
#include "prodos/file_types.h"

namespace lk::cli {

int runRename(int argc, char** argv) {
    Session s;
    if (auto end = parseVerb({"rename", {}, {}, 3, 3, "IMAGE PATH NEWNAME"}, argc, argv, s))
        return *end;
    if (auto end = openForChange(s)) return *end;
    NodeId node = selectPlace(s, s.args.positional[1]);
    if (node == kNoNode) return kUnreadable;
    FileEntry e;
    loadEntry(s.image, s.tree.item(node)->entryOffset, e);
    NameFields fields{s.args.positional[2], typeText(e.fileType, e.auxType),
                      format("%04X", unsigned(e.auxType)), e.access};
    return runChange(s, [&](const ChangeAnswers& answers, Outcome& o) {
        return renameFile(s.image, s.tree, fields, answers, o);
    });
}

} // namespace lk::cli
