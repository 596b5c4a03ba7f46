// larkspoon-cli convert [--force] IMAGE OUT: the image's sectors as a sector image, in the order
// OUT's extension names (".do" and ".dsk" DOS 3.3 order, ".po" ProDOS order). A nibble or WOZ
// image that is not plainly sound is converted only with --force.
#include <algorithm>
#include <cctype>

#include "base/host_file.h"
#include "cli/cli.h"
#include "image/write_image.h"

namespace lk::cli {

namespace {
std::optional<SectorOrder> orderOf(const std::string& path) {
    std::string ext = splitPath(path).extension;
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    if (ext == ".DO" || ext == ".DSK") return SectorOrder::DosOrder;
    if (ext == ".PO") return SectorOrder::ProdosOrder;
    return std::nullopt;
}
} // namespace

int runConvert(int argc, char** argv) {
    Session s;
    if (auto end = parseVerb({"convert", {}, {"force"}, 2, 2, "IMAGE OUT"}, argc, argv, s))
        return *end;
    const std::string& out = s.args.positional[1];
    std::optional<SectorOrder> order = orderOf(out);
    if (!order) return usageError("OUT must end in .do, .dsk or .po");
    s.openOptions.acceptNonStandard = s.openOptions.acceptBadChecksum = s.args.has("force");
    if (auto end = openVerbImage(s)) return *end;
    if (writeSectorImage(s.image, out, *order) == 0) s.tell(MessageId::CouldNotWriteFile, out);
    return finish(s);
}

} // namespace lk::cli
