#include "app/properties.h"

#include "base/format.h"
#include "catalog/selection.h"
#include "dos33/dos_entry.h"
#include "dos33/read_dos_file.h"
#include "dos33/vtoc.h"
#include "prodos/dates.h"
#include "prodos/file_entry.h"
#include "prodos/file_types.h"
#include "prodos/place_path.h"
#include "prodos/volume_bit_map.h"
#include "prodos/volume_info.h"

namespace lk {

namespace {

const CatalogItem* selectedItem(const CatalogTree& tree) {
    return tree.item(tree.selection());
}

// The nodes of the tree other than the volume's own.
int filesInTree(const CatalogTree& tree) {
    return tree.treeItemCount - 1;
}

std::string nameText(const FileEntry& e) {
    std::string name = e.nameText();
    for (char& c : name) c = char(c & 0x7F);
    return name;
}

std::string typeWithCode(uint8_t type, uint16_t auxType) {
    std::string text = typeText(type, auxType);
    if (fileTypeName(type) != "   ") text += format("   ( $%02X )", unsigned(type));
    return text;
}

// An extended file's size: the EOFs of both forks, from its key block.
std::string forkSizes(const DiskImage& image, const FileEntry& e) {
    Bytes key = blockBytes(image, e.keyPointer);
    unsigned data = key.empty() ? 0 : le24(key.data() + 5);
    unsigned resource = key.empty() ? 0 : le24(key.data() + 0x105);
    return format("Data: %u bytes.  Resource: %u bytes.", data, resource);
}

GeneralPage prodosGeneralPage(const DiskImage& image, const CatalogTree& tree,
                              const CatalogItem& item) {
    GeneralPage page;
    page.icon = selectedTreeIcon(item);
    FileEntry e;
    if (loadEntry(image, item.entryOffset, e) < 0) return page;
    uint8_t s = e.storageType();
    page.name = nameText(e);
    page.storage = storageTypeName(s);
    page.created = dateTimeText(e.creation);
    page.access = e.access;
    if (s == kStorageVolumeHeader) {
        page.type = "Volume";
        page.size = format("%llu bytes       %u files",
                           (unsigned long long)image.header.blockCount * kBlockSize,
                           unsigned(filesInTree(tree)));
        return page;
    }
    page.type = typeWithCode(e.fileType, e.auxType);
    page.auxType = format("$%04X", unsigned(e.auxType));
    std::string place;
    if (placePath(image, tree, place) >= 0) page.location = place;
    page.size = s == kStorageExtended ? forkSizes(image, e) : format("%u bytes", unsigned(e.eof));
    page.modified = dateTimeText(e.lastModified);
    return page;
}

std::string dosVolumeName(const DiskImage& image) {
    Vtoc vtoc;
    readVtoc(image, vtoc);
    return format("Volume # %u", unsigned(vtoc.volumeNumber));
}

// A DOS 3.3 file's type and size by its type code; the size from the file's bytes where the
// type says how long it is, else from its sectors.
void dosTypeAndSize(GeneralPage& page, const DosEntry& entry, Bytes data) {
    uint32_t size = uint32_t(entry.sectors) * kSectorSize;
    switch (entry.type) {
    case kDosText: {
        size_t zero = 0;
        while (zero < data.size() && data[zero] != 0) ++zero;
        page.type = "Text";
        size = uint32_t(zero);
        break;
    }
    case kDosInteger:
        page.type = "Integer BASIC";
        size = le16At(data, 0) + 2u;
        break;
    case kDosApplesoft:
        page.type = "Applesoft BASIC";
        size = le16At(data, 0) + 2u;
        break;
    case kDosBinary:
        page.type = "Binary";
        size = le16At(data, 2) + 4u;
        break;
    case 0x08:
        page.type = "S";
        break;
    case 0x10:
        page.type = "Relocatable";
        break;
    case 0x20:
        page.type = "A";
        break;
    case 0x40:
        page.type = "B";
        break;
    default:
        page.type = "?";
        break;
    }
    page.size = format("%u bytes", unsigned(size));
}

GeneralPage dosGeneralPage(const DiskImage& image, const CatalogItem& item) {
    GeneralPage page;
    page.icon = selectedTreeIcon(item);
    if (item.kind == NodeKind::DosVolume) {
        page.name = dosVolumeName(image);
        return page;
    }
    DosEntry entry;
    if (!dosEntryAt(image, item.entryOffset, entry)) return page;
    page.name = entry.name;
    FileDataBuffer file;
    Outcome unreported; // the page shows what it can; a file that cannot be read shows its name
    if (readDosFile(image, item, file, unreported) < 0) return page;
    dosTypeAndSize(page, entry, file.bytes());
    page.location = dosVolumeName(image);
    page.auxType = page.storage = page.created = page.modified = std::string(kNotForDos33);
    page.access = entry.locked ? 0 : kDefaultAccess;
    return page;
}

} // namespace

std::string storageTypeName(uint8_t s) {
    constexpr std::string_view kNames[] = {"Deleted", "Seedling",       "Sapling",
                                           "Tree",    "Pascal Section", "Extended"};
    if (s < std::size(kNames)) return std::string(kNames[s]);
    if (s == kStorageSubdirectory) return "Subdirectory";
    if (s == kStorageSubdirectoryHeader) return "Subdirectory header";
    if (s == kStorageVolumeHeader) return "Volume directory header";
    return format("$%X", unsigned(s));
}

GeneralPage generalPage(const DiskImage& image, const CatalogTree& tree) {
    const CatalogItem* item = selectedItem(tree);
    if (!item) return {};
    return image.isDos33 ? dosGeneralPage(image, *item) : prodosGeneralPage(image, tree, *item);
}

VolumePage volumePage(const DiskImage& image, const CatalogTree& tree) {
    VolumePage page;
    if (const CatalogItem* root = tree.item(tree.root())) page.icon = treeIcon(*root);
    if (image.isDos33) {
        Vtoc v;
        readVtoc(image, v);
        int tracks = v.tracksPerDisk;
        int freeSectors = countFreeSectors(image);
        page.name = dosVolumeName(image);
        page.size = format("%i bytes     (%i tracks  %i sectors)",
                           tracks * v.sectorsPerTrack * v.bytesPerSector, tracks, tracks * 16);
        page.files = format("%i ", filesInTree(tree));
        page.free = format("%i bytes     (%i sectors)", freeSectors * 256, freeSectors);
        page.created = std::string(kNotForDos33);
        page.accessNote = std::string(kAccessNotKnown);
        return page;
    }
    VolumeInfo v = readVolumeInfo(image);
    int blocks = v.totalBlocks;
    int freeBlocks = int(countFreeBlocks(image));
    page.name = v.volumeName;
    page.size = format("%i bytes     (%i blocks)", blocks * 512, blocks);
    page.files = format("%i    (including any folders)", filesInTree(tree));
    page.free = format("%i bytes     (%i blocks)", freeBlocks * 512, freeBlocks);
    page.created = dateTimeText(v.creationDateTime);
    page.access = v.volumeAccess;
    return page;
}

AdvancedPage advancedPage(const DiskImage& image, const CatalogTree& tree) {
    AdvancedPage page;
    const CatalogItem* item = selectedItem(tree);
    if (!item) return page;
    if (image.isDos33) {
        page.entryOffset = page.entryBlock = page.firstFileBlock = std::string(kNotForDos33);
        return page;
    }
    uint32_t o = item->entryOffset;
    uint32_t block = o >= image.header.dataOffset ? (o - image.header.dataOffset) / 512 : 0;
    page.entryOffset = format("%u   ($%X)", unsigned(o), unsigned(o));
    page.entryBlock = format("%u      ($%X)", unsigned(block), unsigned(block));
    FileEntry e;
    loadEntry(image, o, e);
    if (e.storageType() == kStorageVolumeHeader)
        page.firstFileBlock = std::string(14, ' ');
    else
        page.firstFileBlock =
            format("%u      ($%X)", unsigned(e.keyPointer), unsigned(e.keyPointer));
    return page;
}

PropertySheet propertySheet(const DiskImage& image, const CatalogTree& tree) {
    return {generalPage(image, tree), volumePage(image, tree), imagePage(image),
            advancedPage(image, tree)};
}

std::string accessText(uint8_t access) {
    std::string text;
    for (const AccessBox& box : kAccessBoxes) {
        if (!(access & box.bit)) continue;
        if (!text.empty()) text += ", ";
        text += box.sheetLabel;
    }
    return text;
}

} // namespace lk
