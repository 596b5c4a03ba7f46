// The ProDOS side of the common face.
#include "volume/prodos_volume.h"

#include "base/format.h"
#include "prodos/file_entry.h"
#include "prodos/file_types.h"
#include "prodos/read_file.h"

namespace lk {

namespace {

constexpr uint32_t kNameColumn = 16;

} // namespace

int32_t ProdosVolume::readFile(const DiskImage& image, const CatalogItem& node, Fork fork,
                               FileDataBuffer& out, Outcome& outcome) const {
    return readProdosFile(image, node.entryOffset, fork, out, outcome);
}

TranslationType ProdosVolume::translationType(const DiskImage& image,
                                              const CatalogItem& node) const {
    Bytes e = entryBytes(image, node.entryOffset);
    return {byteAt(e, entry::kFileType), le16At(e, entry::kAuxType)};
}

bool ProdosVolume::hasResourceFork(const DiskImage& image, const CatalogItem& node) const {
    return byteAt(entryBytes(image, node.entryOffset), entry::kStorageAndLength) >> 4 ==
           kStorageExtended;
}

uint32_t ProdosVolume::exportBytes(FileDataBuffer&, uint32_t length,
                                   const DosExportOptions&) const {
    return length; // a ProDOS file is exported as its data fork
}

std::string ProdosVolume::fileName(const DiskImage& image, const CatalogItem& node) const {
    FileEntry e;
    loadEntry(image, node.entryOffset, e);
    std::string name;
    for (char c : e.nameText()) {
        c = char(c & 0x7F);
        if (c == 0) break;
        name += c;
    }
    // Export suggests this name for a host file, where trailing spaces would be lost.
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

std::string ProdosVolume::listingAttributes(const DiskImage& image,
                                            const CatalogItem& node) const {
    FileEntry e;
    loadEntry(image, node.entryOffset, e);
    std::string text(kNameColumn - e.nameLength(), ' ');
    if (e.storageType() == kStorageVolumeHeader) return text + "Volume";
    text += typeText(e.fileType, e.auxType);
    appendFormat(text, "   L%i", int(e.eof));
    return text;
}

} // namespace lk
