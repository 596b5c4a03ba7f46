#include "volume/open_image.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

#include "base/host_file.h"
#include "dos33/dos_catalog.h"
#include "dos33/dos_entry.h"
#include "dos33/dos_error.h"
#include "prodos/directory_walk.h"
#include "prodos/file_entry.h"
#include "nibble/fdi_check.h"
#include "volume/open_nibble.h"

namespace lk {

namespace {

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return s;
}

void headerless(DiskImage& image, ImageKind kind, SectorOrder order) {
    image.kind = kind;
    image.header = madeUpHeader(order, uint32_t(image.fileSize));
}

// A short .HDV file holds only the start of its volume: the buffer grows to the volume's size
// so that every block of the volume can be addressed. Returns false (told) when it cannot.
bool extendHdv(DiskImage& image, Outcome& outcome) {
    uint16_t total = le16At(Bytes(image.buffer.data(), size_t(image.fileSize)), 0x429);
    if (image.header.blockCount >= total) return true;
    size_t want = size_t(total) * kBlockSize + kSpareBytes;
    try {
        image.buffer.resize(want, 0);
    } catch (const std::bad_alloc&) {
        outcome.add(MessageId::UnableToResizeBuffer, want);
        return false;
    }
    image.hdvExtended = true;
    return true;
}

// Decides the kind from the extension and makes up the header. False when the file is refused
// (the user has been told).
bool classify(DiskImage& image, const std::string& ext, Outcome& outcome) {
    if (ext == ".2MG") {
        if (image.fileSize < 4 || std::memcmp(image.buffer.data(), "2IMG", 4) != 0) {
            outcome.add(MessageId::NotTrue2Img);
            return false;
        }
        image.kind = ImageKind::TwoImg;
        image.header = parseTwoImgHeader(Bytes(image.buffer.data(), size_t(image.fileSize)));
        return true;
    }
    if (ext == ".HDV") {
        headerless(image, ImageKind::Hdv, SectorOrder::ProdosOrder);
        return extendHdv(image, outcome);
    }
    if (ext == ".PO") {
        headerless(image, ImageKind::Po, SectorOrder::ProdosOrder);
        return true;
    }
    if (ext == ".DSK" || ext == ".DO") {
        if (image.fileSize != int32_t(kFloppySize)) {
            outcome.add(MessageId::FileSizeMustBe143360, image.fileSize);
            return false;
        }
        headerless(image, ext == ".DO" ? ImageKind::Do : ImageKind::Dsk, SectorOrder::DosOrder);
        return true;
    }
    // Any other name: a floppy-sized file is taken as a .DSK, anything else as a .PO.
    if (image.fileSize == int32_t(kFloppySize))
        headerless(image, ImageKind::Dsk, SectorOrder::DosOrder);
    else
        headerless(image, ImageKind::Po, SectorOrder::ProdosOrder);
    return true;
}

// A volume is taken for DOS 3.3 by the first eight bytes of its boot code; the catalog build
// checks the rest.
bool hasDos33BootSignature(const DiskImage& image) {
    return std::memcmp(readBlock(image, 0).data(), kDos33BootCode, 8) == 0;
}

// The data could not be put into the order its volume needs: too little of it for one track.
bool refuseUnordered(Outcome& outcome) {
    outcome.add(MessageId::NotProdosOrDos33);
    return false;
}

// The DOS 3.3 readers address sectors in DOS order. A converted TrackStar image and any file
// kept in ProDOS order (".PO", ".HDV", a ".2MG" that says so) are put into DOS order here; a
// write puts the file's order back.
bool settleDosOrder(DiskImage& image, Outcome& outcome) {
    bool prodosOrder = image.kind == ImageKind::App ||
                       image.header.imageFormat == uint32_t(SectorOrder::ProdosOrder);
    return !prodosOrder || reorderSectors(image, image.header.dataLength) > 0 ||
           refuseUnordered(outcome);
}

bool openDos33(DiskImage& image, CatalogTree& tree, Outcome& outcome) {
    if (!settleDosOrder(image, outcome)) return false;
    DamageReport damage;
    int e = buildDosCatalog(image, tree, damage);
    if (e != 0) {
        tree.clear();
        addDosError(outcome, e);
        return false;
    }
    tree.select(tree.root());
    outcome.addDamage(damage, MessageId::ShowsPartOfCatalog);
    return true;
}

// A ProDOS volume in a DOS-order file has its volume directory header where block 5 of the
// raw file lies; such a file is put into block order, anything else is taken as block order.
bool settleProdosOrder(DiskImage& image, Outcome& outcome) {
    if (image.header.imageFormat != uint32_t(SectorOrder::DosOrder)) return true;
    auto b = readBlock(image, 5);
    if ((b[0x104] & 0xF0) == 0xF0 && b[0x123] == 0x27)
        return reorderSectors(image, image.header.dataLength) > 0 || refuseUnordered(outcome);
    image.header.imageFormat = uint32_t(SectorOrder::ProdosOrder);
    return true;
}

bool isVolumeDirectory(const DiskImage& image) {
    auto b = readBlock(image, kVolumeDirectoryBlock);
    return (b[4] & 0xF0) == 0xF0 && b[0] == 0 && b[1] == 0 && b[2] == 3;
}

bool openProdos(DiskImage& image, CatalogTree& tree, Outcome& outcome) {
    if (!settleProdosOrder(image, outcome)) return false;
    if (!isVolumeDirectory(image)) {
        outcome.add(MessageId::NotProdosOrDos33);
        return false;
    }
    DamageReport damage;
    walkDirectory(image, tree, kRootLevel, uint16_t(kVolumeDirectoryBlock), damage);
    tree.select(tree.root());
    outcome.addDamage(damage, MessageId::ShowsPartOfCatalog);
    return true;
}

} // namespace

void closeImage(DiskImage& image, CatalogTree& tree) {
    releaseImage(image);
    if (!tree.empty() || tree.selection() != kNoNode) {
        tree.select(kNoNode);
        tree.clear();
    }
}

namespace {

// Step one of every open: the previous image goes, and the new path is split.
std::string beginOpen(DiskImage& image, CatalogTree& tree) {
    closeImage(image, tree);
    PathParts parts = splitPath(image.path);
    image.folder = parts.folder;
    image.baseName = parts.baseName;
    image.extension = parts.extension;
    if (image.folder.empty()) {
        std::error_code ec;
        image.folder = utf8Path(std::filesystem::current_path(ec));
    }
    return upper(parts.extension);
}

// The rest of the open, over the file's bytes followed by the spare zero bytes.
OpenReport loadImage(DiskImage& image, CatalogTree& tree, const std::string& ext,
                     std::vector<uint8_t> withSpare, const OpenOptions& options,
                     Outcome& outcome) {
    OpenReport report;
    image.fileSize = int32_t(withSpare.size() - kSpareBytes);
    image.buffer = std::move(withSpare);
    image.bufferValid = true;
    image.hdvExtended = false;
    bool known = isNibbleExtension(ext)
                     ? decodeNibbleImage(image, ext, options, report, outcome)
                     : classify(image, ext, outcome);
    if (!known) {
        releaseImage(image);
        return report;
    }
    image.isDos33 = hasDos33BootSignature(image);
    bool opened =
        image.isDos33 ? openDos33(image, tree, outcome) : openProdos(image, tree, outcome);
    if (!opened) releaseImage(image);
    return report;
}

} // namespace

OpenReport openImage(DiskImage& image, CatalogTree& tree, const OpenOptions& options,
                     Outcome& outcome) {
    std::string ext = beginOpen(image, tree);
    if (ext == ".FDI") {
        // Only the header is read: an FDI image is never loaded.
        checkFdiFile(Bytes(readFileStart(image.path, kFdiHeaderSize)), outcome);
        return {};
    }
    std::vector<uint8_t> bytes;
    HostRead read = readWholeFile(image.path, bytes, kSpareBytes, kLargestImageFile);
    if (read != HostRead::Done) {
        image.fileSize = 0;
        outcome.add(read == HostRead::TooLarge ? MessageId::TooLargeForImage
                                               : MessageId::CouldNotRead,
                    image.fileTitle);
        return {};
    }
    return loadImage(image, tree, ext, std::move(bytes), options, outcome);
}

OpenReport openImageFromMemory(DiskImage& image, CatalogTree& tree, std::vector<uint8_t> bytes,
                               const OpenOptions& options, Outcome& outcome) {
    std::string ext = beginOpen(image, tree);
    if (ext == ".FDI") {
        checkFdiFile(Bytes(bytes), outcome);
        return {};
    }
    bytes.resize(bytes.size() + kSpareBytes, 0);
    return loadImage(image, tree, ext, std::move(bytes), options, outcome);
}

void acceptAnswer(OpenOptions& options, const Message& question) {
    if (question.id == MessageId::NibbleNotStandard) options.acceptNonStandard = true;
    if (question.id == MessageId::WozChecksumQuestion) options.acceptBadChecksum = true;
}

} // namespace lk
