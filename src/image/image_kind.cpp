#include "image/image_kind.h"

namespace lk {

const char* imageKindName(ImageKind kind) {
    switch (kind) {
    case ImageKind::None:
        return "none";
    case ImageKind::Dsk:
        return "DSK";
    case ImageKind::TwoImg:
        return "2MG";
    case ImageKind::Hdv:
        return "HDV";
    case ImageKind::Po:
        return "PO";
    case ImageKind::Do:
        return "DO";
    case ImageKind::App:
        return "APP";
    case ImageKind::Nib:
        return "NIB";
    case ImageKind::Fdi:
        return "FDI";
    case ImageKind::Woz:
        return "WOZ";
    }
    return "unknown";
}

const char* imageKindText(ImageKind kind) {
    switch (kind) {
    case ImageKind::Dsk:
        return "DSK  ( Apple II 5.25\" floppy )";
    case ImageKind::TwoImg:
        return "2IMG  ( Apple II variable size)";
    case ImageKind::Hdv:
        return "HDV  ( Apple II harddrive )";
    case ImageKind::Po:
        return "PO  ( Apple II 5.25\" floppy)";
    case ImageKind::Do:
        return "DO  ( Apple II 5.25\" floppy)";
    case ImageKind::App:
        return "APP ( TrackStar 5.25\" floppy)";
    case ImageKind::Nib:
        return "NIB ( Raw nibbles 5.25\" floppy)";
    case ImageKind::Fdi:
        return "FDI ( Formatted Disk Image )";
    case ImageKind::Woz:
        return "WOZ ( Flux-level 5.25\" floppy)";
    case ImageKind::None:
        break;
    }
    return "Unknown!";
}

const char* sectorOrderName(uint32_t order) {
    switch (order) {
    case uint32_t(SectorOrder::DosOrder):
        return "DOS";
    case uint32_t(SectorOrder::ProdosOrder):
        return "ProDOS";
    case uint32_t(SectorOrder::NibbleOrder):
        return "nibble";
    default:
        return "unknown";
    }
}

} // namespace lk
