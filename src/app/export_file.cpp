#include "app/export_file.h"

#include <algorithm>

#include "base/host_file.h"
#include "volume/volume.h"

namespace lk {

namespace {

char hostSafe(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || c == '/' || c == '\\') return '_';
    return c;
}

} // namespace

DosExportOptions dosExportOptions(const Settings& settings) {
    return {settings.dosTxt, settings.dosInt, settings.dosApsft, settings.dosBin};
}

std::string suggestedExportName(const DiskImage& image, const CatalogItem& node) {
    // The spaces that pad a DOS 3.3 name are not part of it: a host file name keeps them on
    // some systems, where "HELLO" would become a name ending in 25 spaces.
    std::string name = volumeOf(image).fileName(image, node);
    std::transform(name.begin(), name.end(), name.begin(), hostSafe);
    return name;
}

std::string hostFileName(const DiskImage& image, const CatalogItem& node) {
    std::string name = suggestedExportName(image, node);
    return name.empty() || name == "." || name == ".." ? "_" : name;
}

int32_t prepareExport(const DiskImage& image, const CatalogTree& tree, const Settings& settings,
                      FileDataBuffer& out, Outcome& outcome) {
    const CatalogItem* node = tree.item(tree.selection());
    if (!node) return -1;
    const Volume& volume = volumeOf(image);
    int32_t n = volume.readFile(image, *node, Fork::Data, out, outcome);
    if (n < 0) return n;
    n = int32_t(volume.exportBytes(out, uint32_t(n), dosExportOptions(settings)));
    if (n == 0) outcome.add(MessageId::NothingToExport, volume.fileName(image, *node));
    return n;
}

std::string withDefaultExtension(const std::string& path, std::string_view extension) {
    PathParts parts = splitPath(path);
    if (!parts.extension.empty() || parts.fileName.empty()) return path;
    return path + "." + std::string(extension);
}

int32_t writeExportFile(const std::string& path, Bytes bytes) {
    if (!writeFileReplacing(path, bytes)) return 0;
    return int32_t(bytes.size());
}

} // namespace lk
