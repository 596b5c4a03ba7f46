// larkspoon-cli catalog IMAGE [PATH]: the Catalog command's listing of the volume, or of the
// named folder or file.
#include <iostream>

#include "cli/cli.h"
#include "dos33/catalog_listing.h"

namespace lk::cli {

int runCatalog(int argc, char** argv) {
    Args args;
    std::string error;
    if (!parseArgs(argc, argv, {}, {}, args, error)) return usageError(error);
    if (args.positional.empty() || args.positional.size() > 2)
        return usageError("catalog takes IMAGE [PATH]");
    Session s;
    if (!openForCli(s, args.positional[0])) return kUnreadable;
    s.tree.select(s.tree.root());
    if (args.positional.size() == 2 && findPathForCli(s, args.positional[1]) == kNoNode)
        return kUnreadable;
    std::string text;
    if (catalogListing(s.image, s.tree, text) < 0) {
        std::cerr << "error!\n";
        return kUnreadable;
    }
    writeStdout(Bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    return s.platform.messages ? kUnreadable : kOk;
}

} // namespace lk::cli
