// larkspoon-cli view [--hex] [--rsrc] IMAGE PATH: the text View Apple file shows for a file,
// with the settings at their defaults.
#include <iostream>

#include "cli/cli.h"
#include "settings/settings.h"
#include "translate/view_file.h"

namespace lk::cli {

int runView(int argc, char** argv) {
    Args args;
    std::string error;
    if (!parseArgs(argc, argv, {}, {"hex", "rsrc"}, args, error)) return usageError(error);
    if (args.positional.size() != 2) return usageError("view takes IMAGE PATH");
    Session s;
    if (!openForCli(s, args.positional[0])) return kUnreadable;
    const std::string& path = args.positional[1];
    NodeId node = findPathForCli(s, path);
    if (node == kNoNode) return kUnreadable;
    uint32_t entry = s.tree.item(node)->entryOffset;
    int icon = s.tree.item(node)->icon;
    if (args.has("rsrc") && !hasResourceFork(s.image, entry)) {
        std::cerr << path << " has no resource fork.\n";
        return kUnreadable;
    }
    ViewRequest request;
    if (!readForView(s.image, entry, icon, args.has("rsrc"), s.file, s.platform, request)) {
        std::cerr << path << " has nothing to show.\n";
        return kUnreadable;
    }
    // --hex stands for Shift held while choosing View.
    request.shiftHeld = args.has("hex");
    ViewResult result = viewFile(request, Settings(), s.platform);
    writeText(result.text);
    return s.platform.messages ? kUnreadable : kOk;
}

} // namespace lk::cli
