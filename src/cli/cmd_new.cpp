// larkspoon-cli new [--size SIZE] [--type 2img|dsk|po] [--order prodos|dos] [--locked] [--force]
// NAME: the empty image File > New makes, written as NAME's folder + the volume name + the
// type's extension.
#include <ctime>

#include "app/new_image_dialog.h"
#include "base/host_file.h"
#include "base/upper_text.h"
#include "cli/cli.h"
#include "image/save_image.h"
#include "prodos/format_volume.h"

namespace lk::cli {

namespace {

// The dialog's choice from the options; nothing (told) for one it cannot make.
std::optional<NewImageChoice> choiceFromArgs(const Args& args, const std::string& volumeName) {
    NewImageChoice c;
    c.newOrder = upperText(args.value("order", "prodos"));
    // DOS order is a 5.25-inch DSK's, as clicking "DOS" in the dialog makes it.
    c.newType = upperText(args.value("type", c.newOrder == "DOS" ? "dsk" : "2img"));
    c.newSize = args.value("size", c.newType == "DSK" ? "143Kb" : "800Kb");
    for (const NewImageSize& s : kNewImageSizes)
        if (upperText(std::string(s.name)) == upperText(c.newSize)) c.newSize = std::string(s.name);
    c.newWriteProtect = args.has("locked") ? "TRUE" : "FALSE";
    c.newVolumeName = volumeName;
    if (!newImageSpec(c) || (args.has("locked") && c.newType != "2IMG")) {
        usageError("new makes a 2img or po of any size in ProDOS order, or a dsk of 143Kb in "
                   "either order; only a 2img may be --locked");
        return std::nullopt;
    }
    return c;
}

} // namespace

int runNew(int argc, char** argv) {
    Session s;
    VerbSpec verb{"new", {"size", "type", "order"}, {"locked", "force"}, 1, 1, "NAME"};
    if (auto end = parseVerb(verb, argc, argv, s)) return *end;
    const std::string& name = s.args.positional[0];
    size_t slash = name.find_last_of("/\\");
    std::string folder = slash == std::string::npos ? "" : name.substr(0, slash + 1);
    std::string volumeName = upperText(name.substr(folder.size()).substr(0, 15));
    if (!usableAsFileName(volumeName)) return usageError("NAME must end in a volume name");
    std::optional<NewImageChoice> choice = choiceFromArgs(s.args, volumeName);
    if (!choice) return kUsage;
    std::string path = newImagePath(folder, *choice);
    std::error_code ec;
    if (std::filesystem::exists(hostPath(path), ec) && !s.args.has("force")) {
        s.tell(MessageId::NewImageExistsUseForce, path);
        return finish(s);
    }
    s.image.path = path;
    createNewImage(s.image, *newImageSpec(*choice), volumeName, localDateTime(std::time(nullptr)));
    Outcome outcome;
    saveImage(s.image, outcome);
    s.report(outcome);
    if (!s.problems) writeText(s, path + "\n");
    return finish(s);
}

} // namespace lk::cli
