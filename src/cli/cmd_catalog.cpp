// larkspoon-cli catalog IMAGE [PATH]: the Catalog command's listing of the volume, or of the
// named folder or file.
#include "cli/cli.h"
#include "volume/catalog_listing.h"

namespace lk::cli {

int runCatalog(int argc, char** argv) {
    Session s;
    if (auto end = startVerb({"catalog", {}, {}, 1, 2, "IMAGE [PATH]"}, argc, argv, s))
        return *end;
    s.tree.select(s.tree.root());
    if (s.args.positional.size() == 2 && selectPath(s, s.args.positional[1]) == kNoNode)
        return kUnreadable;
    std::string text;
    if (catalogListing(s.image, s.tree, text) < 0) {
        s.tell(MessageId::CatalogListingError);
        return kUnreadable;
    }
    writeText(s, text);
    return finish(s);
}

} // namespace lk::cli
