#include <ctime>

#include "app/command_handlers.h"
#include "app/new_image_dialog.h"
#include "base/host_file.h"
#include "image/save_image.h"
#include "prodos/format_volume.h"

namespace lk {

void commandNew(ShellContext& ctx) {
    ShellState& s = ctx.app.shell;
    NewImageChoice choice = s.newImage;
    if (!ctx.platform.runNewImageDialog(choice)) return;
    s.newImage = choice;
    std::optional<NewImageSpec> shape = newImageSpec(choice);
    if (!shape) return;
    const std::string& name = choice.newVolumeName;
    if (!usableAsFileName(name)) {
        show(ctx.platform, message(MessageId::NewImageNameUnusable, name.c_str()));
        return;
    }
    // The new image goes where the file dialogs last went, named after its volume.
    std::string path = newImagePath(s.folder, choice);
    std::error_code ec;
    if (std::filesystem::exists(hostPath(path), ec) &&
        !ask(ctx.platform, message(MessageId::NewImageExists, splitPath(path).fileName.c_str())))
        return;

    // Built beside the open image, which stays open when the new one cannot be written.
    DiskImage fresh;
    fresh.path = path;
    fresh.fileTitle = name;
    ctx.platform.setWaitCursor(true);
    createNewImage(fresh, *shape, name, localDateTime(std::time(nullptr)));
    ctx.platform.setWaitCursor(false);
    Outcome outcome;
    if (!saveImage(fresh, outcome)) {
        present(ctx.platform, outcome);
        return;
    }
    fresh = {};
    openImageAndShow(ctx, {path, name});
}

} // namespace lk
