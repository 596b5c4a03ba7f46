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
    }
    return "unknown";
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
