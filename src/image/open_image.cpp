#include "image/open_image.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

#include "dos33/dos_catalog.h"
#include "dos33/dos_entry.h"
#include "dos33/dos_error.h"
#include "image/host_file.h"
#include "platform/format.h"
#include "prodos/directory_walk.h"
#include "prodos/file_entry.h"

namespace lk {

namespace {

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return s;
}

void dropImage(DiskImage& image, Platform& platform) {
    image.buffer.clear();
    image.buffer.shrink_to_fit();
    image.bufferValid = false;
    image.workBuffer.clear();
    image.workBuffer.shrink_to_fit();
    image.kind = ImageKind::None;
    platform.setWaitCursor(false);
}

void headerless(DiskImage& image, ImageKind kind, SectorOrder order) {
    image.kind = kind;
    image.header = madeUpHeader(order, uint32_t(image.fileSize));
}

// A short .HDV file holds only the start of its volume: the buffer grows to the volume's size
// so that every block of the volume can be addressed. Returns false (told) when it cannot.
bool extendHdv(DiskImage& image, Platform& platform) {
    uint16_t total = le16At(Bytes(image.buffer.data(), size_t(image.fileSize)), 0x429);
    if (image.header.blockCount >= total) return true;
    size_t want = size_t(total) * kBlockSize + kSpareBytes;
    try {
        image.buffer.resize(want, 0);
    } catch (const std::bad_alloc&) {
        platform.showMessage(format("Unable to resize buffer to %i!", int(want)));
        return false;
    }
    image.hdvExtended = true;
    return true;
}

// Decides the kind from the extension and makes up the header. False when the file is refused
// (the user has been told).
bool classify(DiskImage& image, const std::string& ext, Platform& platform) {
    if (ext == ".2MG") {
        if (image.fileSize < 4 || std::memcmp(image.buffer.data(), "2IMG", 4) != 0) {
            platform.showMessage("The file is not a true 2IMG disk image!");
            return false;
        }
        image.kind = ImageKind::TwoImg;
        image.header = parseTwoImgHeader(Bytes(image.buffer.data(), size_t(image.fileSize)));
        return true;
    }
    if (ext == ".HDV") {
        headerless(image, ImageKind::Hdv, SectorOrder::ProdosOrder);
        return extendHdv(image, platform);
    }
    if (ext == ".PO") {
        headerless(image, ImageKind::Po, SectorOrder::ProdosOrder);
        return true;
    }
    if (ext == ".DSK" || ext == ".DO") {
        if (image.fileSize != int32_t(kFloppySize)) {
            platform.showMessage(
                format("Filesize = %u. It must be 143360.", unsigned(image.fileSize)));
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
bool hasDos33BootSignature(DiskImage& image) {
    image.blockNumber = 0;
    readBlock(image);
    return std::memcmp(image.blockBuffer.data(), kDos33BootCode, 8) == 0;
}

// The DOS 3.3 readers address sectors in DOS order. A converted TrackStar image and any file
// kept in ProDOS order (".PO", ".HDV", a ".2MG" that says so) are put into DOS order here; a
// write puts the file's order back.
bool settleDosOrder(DiskImage& image) {
    bool prodosOrder = image.kind == ImageKind::App ||
                       image.header.imageFormat == uint32_t(SectorOrder::ProdosOrder);
    return !prodosOrder || reorderSectors(image, image.header.dataLength) > 0;
}

bool openDos33(DiskImage& image, CatalogTree& tree, Platform& platform) {
    if (!settleDosOrder(image)) return false;
    DamageReport damage;
    int e = buildDosCatalog(image, tree, damage);
    platform.setWaitCursor(false);
    if (e != 0) {
        tree.clear();
        reportDosError(platform, e);
        return false;
    }
    tree.select(tree.root());
    reportDamage(platform, damage, "Larkspoon shows the part of the catalog it could read.");
    return true;
}

// A ProDOS volume in a DOS-order file has its volume directory header where block 5 of the
// raw file lies; such a file is put into block order, anything else is taken as block order.
bool settleProdosOrder(DiskImage& image) {
    if (image.header.imageFormat != uint32_t(SectorOrder::DosOrder)) return true;
    image.blockNumber = 5;
    readBlock(image);
    const auto& b = image.blockBuffer;
    if ((b[0x104] & 0xF0) == 0xF0 && b[0x123] == 0x27)
        return reorderSectors(image, image.header.dataLength) > 0;
    image.header.imageFormat = uint32_t(SectorOrder::ProdosOrder);
    return true;
}

bool isVolumeDirectory(DiskImage& image) {
    image.blockNumber = int32_t(kVolumeDirectoryBlock);
    readBlock(image);
    const auto& b = image.blockBuffer;
    return (b[4] & 0xF0) == 0xF0 && b[0] == 0 && b[1] == 0 && b[2] == 3;
}

bool openProdos(DiskImage& image, CatalogTree& tree, Platform& platform) {
    if (!settleProdosOrder(image)) return false;
    if (!isVolumeDirectory(image)) {
        platform.setWaitCursor(false);
        platform.showMessage("Not a ProDOS or DOS 3.3 disk!");
        return false;
    }
    image.volume = readVolumeInfo(Bytes(image.blockBuffer));
    tree.currentParent = kRootLevel;
    tree.insertAfter = kInsertLast;
    DamageReport damage;
    walkDirectory(image, tree, uint16_t(kVolumeDirectoryBlock), damage);
    tree.select(tree.root());
    platform.setWaitCursor(false);
    reportDamage(platform, damage, "Larkspoon shows the part of the catalog it could read.");
    return true;
}

} // namespace

void closeImage(DiskImage& image, CatalogTree& tree) {
    image.buffer.clear();
    image.buffer.shrink_to_fit();
    image.bufferValid = false;
    image.workBuffer.clear();
    image.workBuffer.shrink_to_fit();
    if (!tree.empty() || tree.selection() != kNoNode) {
        tree.select(kNoNode);
        tree.clear();
    }
    image.kind = ImageKind::None;
}

namespace {

// Step one of every open: the previous image goes, and the new path is split.
std::string beginOpen(DiskImage& image, CatalogTree& tree, Platform& platform) {
    platform.setWaitCursor(true);
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
void loadImage(DiskImage& image, CatalogTree& tree, Platform& platform, const std::string& ext,
               std::vector<uint8_t> withSpare) {
    image.fileSize = int32_t(withSpare.size() - kSpareBytes);
    image.buffer = std::move(withSpare);
    image.bufferValid = true;
    image.hdvExtended = false;
    if (!classify(image, ext, platform)) {
        dropImage(image, platform);
        return;
    }
    image.isDos33 = hasDos33BootSignature(image);
    bool opened =
        image.isDos33 ? openDos33(image, tree, platform) : openProdos(image, tree, platform);
    if (!opened) dropImage(image, platform);
}

} // namespace

int openImage(DiskImage& image, CatalogTree& tree, Platform& platform) {
    std::string ext = beginOpen(image, tree, platform);
    if (ext == ".FDI" || ext == ".NIB" || ext == ".APP") {
        platform.setWaitCursor(false);
        reportProblem(platform, "Larkspoon cannot open %s images yet.", ext);
        return 0;
    }
    std::vector<uint8_t> bytes;
    if (!readWholeFile(image.path, bytes, kSpareBytes)) {
        image.fileSize = 0;
        platform.setWaitCursor(false);
        reportProblem(platform, "Could not read %s", image.fileTitle);
        return 0;
    }
    loadImage(image, tree, platform, ext, std::move(bytes));
    return 0;
}

void openImageFromMemory(DiskImage& image, CatalogTree& tree, Platform& platform,
                         std::vector<uint8_t> bytes) {
    std::string ext = beginOpen(image, tree, platform);
    bytes.resize(bytes.size() + kSpareBytes, 0);
    loadImage(image, tree, platform, ext, std::move(bytes));
}

} // namespace lk
