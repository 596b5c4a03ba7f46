// The kinds of image file and the sector orders; their numbers are stored and compared as such
// (the sector order is also the 2IMG header's image-format field).
#pragma once

#include <cstdint>

namespace lk {

enum class ImageKind : int32_t {
    None = 0,
    Dsk = 1,
    TwoImg = 2,
    Hdv = 3,
    Po = 4,
    Do = 5,
    App = 6,
    Nib = 7,
    Fdi = 8,
    Woz = 9, // a WOZ image of a 5.25-inch disk, decoded to sectors on open
};

enum class SectorOrder : uint32_t {
    DosOrder = 0,
    ProdosOrder = 1,
    NibbleOrder = 2,
};

// App, Nib and Woz images were converted from nibble data; the shell treats them as read-only.
inline bool isNibbleKind(ImageKind k) {
    return k == ImageKind::App || k == ImageKind::Nib || k == ImageKind::Woz;
}

const char* imageKindName(ImageKind kind);
// The kind as the image's properties describe it.
const char* imageKindText(ImageKind kind);
const char* sectorOrderName(uint32_t order);

} // namespace lk
