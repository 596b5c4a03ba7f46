// The DOS 3.3 side of the common face.
#include "volume/dos33_volume.h"

#include "base/format.h"
#include "dos33/dos_entry.h"
#include "dos33/dos_error.h"
#include "dos33/read_dos_file.h"

namespace lk {

int32_t Dos33Volume::readFile(const DiskImage& image, const CatalogItem& node, Fork,
                              FileDataBuffer& out, Outcome& outcome) const {
    // DOS 3.3 files have one fork: a resource fork read gives the same bytes.
    int32_t length = readDosFile(image, node, out, outcome);
    if (length < 0) addDosError(outcome, length);
    return length;
}

TranslationType Dos33Volume::translationType(const DiskImage& image,
                                             const CatalogItem& node) const {
    DosEntry e;
    dosEntryAt(image, node.entryOffset, e);
    return {prodosTypeForDos(e.type), 0};
}

uint32_t Dos33Volume::exportBytes(FileDataBuffer& file, uint32_t length,
                                  const DosExportOptions& options) const {
    uint32_t n = adjustDosExport(file.dosFileType, options, file.fileData.data(), length);
    file.fileLength = int32_t(n);
    return n;
}

std::string Dos33Volume::fileName(const DiskImage& image, const CatalogItem& node) const {
    DosEntry e;
    dosEntryAt(image, node.entryOffset, e);
    return trimmedDosName(e.name);
}

std::string Dos33Volume::listingAttributes(const DiskImage& image,
                                           const CatalogItem& node) const {
    if (node.kind == NodeKind::DosVolume) return {};
    DosEntry e;
    dosEntryAt(image, node.entryOffset, e);
    char letter[2] = {dosTypeLetter(e.type), 0};
    return format(e.locked ? "*%s %03u " : " %s %03u ", letter, unsigned(e.sectors));
}

} // namespace lk
