// larkspoon-cli cp SRC_IMAGE PATH DEST_IMAGE DEST_FOLDER: Copy Apple file in one image and Paste
// Apple file in another (or the same), both forks.
#include "app/volume_changes.h"
#include "cli/cli.h"

namespace lk::cli {

int runCp(int argc, char** argv) {
    Session source;
    if (auto end = parseVerb({"cp", {}, {}, 4, 4, "SRC_IMAGE PATH DEST_IMAGE DEST_FOLDER"}, argc,
                             argv, source))
        return *end;
    if (auto end = openVerbImage(source)) return *end;
    NodeId node = selectPath(source, source.args.positional[1]);
    if (node == kNoNode) return kUnreadable;
    AppleFileCopy copy;
    Outcome copied;
    bool ok = !source.image.isDos33 &&
              copyAppleFile(source.image, source.tree.item(node)->entryOffset, copy, copied);
    if (source.image.isDos33) copied.add(MessageId::NotProdosVolume, source.image.fileTitle);
    source.report(copied);
    if (!ok) return kUnreadable;

    Session s;
    s.args.positional = {source.args.positional[2]};
    s.problems = source.problems;
    if (auto end = openForChange(s)) return *end;
    if (selectPlace(s, source.args.positional[3]) == kNoNode) return kUnreadable;
    return runChange(s, [&](const ChangeAnswers& answers, Outcome& o) {
        return pasteFile(s.image, s.tree, copy, answers, o);
    });
}

} // namespace lk::cli
