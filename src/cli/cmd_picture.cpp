// larkspoon-cli picture [--rsrc] IMAGE PATH OUT: the picture View Apple file shows for a file,
// written as Export Graphic writes it (a BMP, or a PNG for a name ending in ".png"), with the
// settings at their defaults.
#include "base/host_file.h"
#include "cli/cli.h"
#include "graphics/picture_file.h"
#include "settings/settings.h"
#include "translate/picture_view.h"

namespace lk::cli {

int runPicture(int argc, char** argv) {
    Session s;
    if (auto end = startVerb({"picture", {}, {"rsrc"}, 3, 3, "IMAGE PATH OUT"}, argc, argv, s))
        return *end;
    const std::string& path = s.args.positional[1];
    ViewRequest request;
    if (!readViewedFile(s, path, request)) return kUnreadable;
    // The resource fork is decoded as the file's type says, as if it were the data.
    request.resourceFork = false;
    Settings settings;
    ViewChoice choice = chooseTranslator(request, settings);
    if (!isPictureAction(choice.action)) {
        s.tell(MessageId::NotAPicture, path);
        return kUnreadable;
    }
    Outcome decoded;
    std::optional<Picture> picture = decodeViewPicture(choice.action, request, decoded);
    s.report(decoded);
    if (!picture) return kUnreadable;
    const std::string& out = s.args.positional[2];
    std::vector<uint8_t> bytes = pictureFileBytes(*picture, out);
    if (bytes.empty() || !writeFileReplacing(out, bytes)) {
        s.tell(MessageId::CouldNotWriteFile, out);
        return kUsage;
    }
    return finish(s);
}

} // namespace lk::cli
