// New blank images: the sizes File > New offers and the container of one, its header and its
// zeroed data. What the data holds is laid down by the volume's format (prodos/format_volume.h).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "image/disk_image.h"

namespace lk {

struct NewImageSize {
    std::string_view name;
    uint32_t bytes; // of volume data, header not counted
};

// The sizes in the order the New dialog lists them; a size's index is its place here.
inline constexpr NewImageSize kNewImageSizes[] = {
    {"143Kb", 143360}, {"800Kb", 819200},  {"1.44Mb", 1457664}, {"1.6Mb", 1638400},
    {"5Mb", 5242880},  {"10Mb", 10485760}, {"20Mb", 20971520},  {"32Mb", 33553920},
};
inline constexpr size_t kNewImageSizeCount = std::size(kNewImageSizes);

// More volume data than this is refused; no listed size reaches it.
inline constexpr uint32_t kNewImageLimit = 33554432;
inline constexpr std::array<char, 4> kLarkspoonCreator{'L', 'K', 'S', 'P'};

// What a new image is to be: its kind (TwoImg, Dsk or Po), the bytes of its volume data, the
// order of its file, and the 2IMG write-protect flag.
struct NewImageSpec {
    ImageKind kind = ImageKind::TwoImg;
    uint32_t dataBytes = 819200;
    SectorOrder order = SectorOrder::ProdosOrder;
    bool locked = false;
};

// The index in kNewImageSizes of a size name, or -1.
int newImageSizeIndex(std::string_view name);
// ".2MG", ".DSK" or ".PO".
const char* newImageExtension(ImageKind kind);

// What makeNewImage gives for more volume data than kNewImageLimit.
inline constexpr int32_t kNewImageTooLarge = -2;

// Makes `image` a new image of `shape`, every data byte zero: the buffer (held in ProDOS block
// order, as the volume to come needs), a 64-byte 2IMG header in front for TwoImg, and a header
// that tells the truth for every kind (data offset, data length, blocks and order), so that the
// first save restores the file's order from this image's values. The path is left to the
// caller. Returns the length of the whole file.
int32_t makeNewImage(DiskImage& image, const NewImageSpec& shape);

} // namespace lk
