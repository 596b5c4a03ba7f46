#include "catalog/tree_icon.h"

namespace lk {

namespace {

struct TypeIcon {
    uint8_t fileType;
    TreeIcon icon;
};

constexpr TypeIcon kProdosTypeIcons[] = {
    {0x04, kIconText},       {0x06, kIconBinary},        {0x0F, kIconFolder},
    {0x19, kIconDataBase},   {0x1A, kIconWordProcessor}, {0x1B, kIconSpreadsheet},
    {0x50, kIconGraphicsWP}, {0xB3, kIconS16},           {0xCA, kIconIconFile},
    {0xE0, kIconArchive},    {0xFC, kIconApplesoft},
};

// DOS 3.3 text, Applesoft and binary files have pictures; the other types show a blank page.
constexpr TypeIcon kDosTypeIcons[] = {
    {0x00, kIconText},
    {0x02, kIconApplesoft},
    {0x04, kIconBinary},
};

template <size_t N> TreeIcon lookUp(const TypeIcon (&table)[N], uint8_t type) {
    for (const TypeIcon& t : table)
        if (t.fileType == type) return t.icon;
    return kIconBlankPage;
}

TreeIcon mediumIcon(Medium medium) {
    switch (medium) {
    case Medium::HardDisk:
        return kIconHardDisk;
    case Medium::Floppy35:
        return kIconDisk35;
    case Medium::Floppy525:
        break;
    }
    return kIconDisk525;
}

} // namespace

TreeIcon prodosFileIcon(uint8_t fileType, const std::string& name) {
    if (fileType == 0xFF) {
        if (name == "BASIC.SYSTEM") return kIconBasicSystem;
        if (name == "PRODOS") return kIconProdos;
        return kIconSystem;
    }
    return lookUp(kProdosTypeIcons, fileType);
}

TreeIcon dosFileIcon(uint8_t dosType) {
    return lookUp(kDosTypeIcons, dosType);
}

TreeIcon treeIcon(const CatalogItem& item) {
    switch (item.kind) {
    case NodeKind::Volume:
        return mediumIcon(item.medium);
    case NodeKind::DosVolume:
        return kIconDisk525;
    case NodeKind::Folder:
        return kIconFolder;
    case NodeKind::File:
        return prodosFileIcon(item.fileType, item.text);
    case NodeKind::DosFile:
        return dosFileIcon(item.fileType);
    }
    return kIconBlankPage;
}

TreeIcon selectedTreeIcon(const CatalogItem& item) {
    return item.kind == NodeKind::Folder ? kIconOpenFolder : treeIcon(item);
}

Medium mediumForSize(int64_t fileSize) {
    if (fileSize < 300000) return Medium::Floppy525;
    if (fileSize <= 3000000) return Medium::Floppy35;
    return Medium::HardDisk;
}

} // namespace lk
