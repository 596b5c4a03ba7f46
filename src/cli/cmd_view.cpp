// larkspoon-cli view [--hex] [--rsrc] [--html] [--force] IMAGE PATH: the text View Apple file
// shows for a file, with the settings at their defaults.
#include "app/view_file.h"
#include "cli/cli.h"
#include "settings/settings.h"
#include "translate/rich_text_html.h"
#include "volume/volume.h"

namespace lk::cli {

bool readViewedFile(Session& s, const std::string& path, ViewRequest& request) {
    NodeId node = selectPath(s, path);
    if (node == kNoNode) return false;
    const CatalogItem& item = *s.tree.item(node);
    bool rsrc = s.args.has("rsrc");
    if (rsrc && !volumeOf(s.image).hasResourceFork(s.image, item)) {
        s.tell(MessageId::NoResourceFork, path);
        return false;
    }
    Outcome read;
    bool readable = readForView(s.image, item, rsrc ? Fork::Resource : Fork::Data, s.file,
                                request, read);
    s.report(read);
    if (!readable) s.tell(MessageId::NothingToShow, path);
    return readable;
}

int runView(int argc, char** argv) {
    Session s;
    if (auto end = startVerb({"view", {}, {"hex", "rsrc", "html", "force"}, 2, 2, "IMAGE PATH"},
                             argc, argv, s))
        return *end;
    const std::string& path = s.args.positional[1];
    ViewRequest request;
    if (!readViewedFile(s, path, request)) return kUnreadable;
    // --hex stands for Shift held while choosing View.
    request.shiftHeld = s.args.has("hex");
    // --force answers Yes to a translator's question; without it the answer is No.
    request.tryAnyway = s.args.has("force");
    Outcome translated;
    ViewResult result = viewFile(request, Settings(), translated);
    s.report(translated);
    if (result.picture) {
        s.tell(MessageId::ViewIsAPicture, path);
        return kUnreadable;
    }
    // A word processor document: its plain text, or with --html its formats too.
    if (result.choice.action == ViewAction::AppleWorksWP)
        writeText(s,
                  s.args.has("html") ? htmlDocument(result.rich, path) : result.rich.plainText());
    else
        writeText(s, result.text);
    return finish(s);
}

} // namespace lk::cli
