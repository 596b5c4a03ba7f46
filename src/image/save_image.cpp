#include "image/save_image.h"

#include <algorithm>
#include <cctype>

#include "base/host_file.h"
#include "image/write_image.h"

namespace lk {

namespace {

// Where block 2 of the volume keeps the bit map's first block and the volume's size.
constexpr uint64_t kBitMapPointerAt = 2 * kBlockSize + 0x27;
constexpr uint64_t kTotalBlocksAt = 2 * kBlockSize + 0x29;

bool endsWith(const std::string& path, std::string_view extension) {
    if (path.size() < extension.size()) return false;
    std::string tail = path.substr(path.size() - extension.size());
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return tail == extension;
}

} // namespace

int32_t trimmedSize(const DiskImage& image) {
    Bytes data(image.buffer.data(), dataEnd(image));
    uint32_t total = le16At(data, kTotalBlocksAt);
    uint64_t map = uint64_t(le16At(data, kBitMapPointerAt)) * kBlockSize;
    // Only the part of the map inside the image is read; a byte with a block in use is not $FF.
    size_t bytes = map < data.size() ? std::min<size_t>(total / 8, data.size() - map) : 0;
    size_t used = 0;
    for (size_t i = 0; i < bytes; ++i)
        if (data[map + i] != 0xFF) used = i + 1;
    return used == 0 ? -1 : int32_t(std::min<size_t>(used * kTrackSize, data.size()));
}

bool saveImage(DiskImage& image, Outcome& outcome) {
    if (image.hdvExtended) {
        int32_t trimmed = trimmedSize(image);
        if (trimmed < 0) return false;
        image.fileSize = trimmed;
    }
    if (writeImage(image, image.path, image.fileSize) == 0) {
        outcome.add(MessageId::CouldNotSaveImage);
        return false;
    }
    return true;
}

bool saveAsKeepsKind(ImageKind kind, const std::string& path) {
    switch (kind) {
    case ImageKind::TwoImg:
        return endsWith(path, ".2MG");
    case ImageKind::Dsk:
    case ImageKind::App:
    case ImageKind::Nib:
    case ImageKind::Woz:
        return endsWith(path, ".DSK");
    case ImageKind::Do:
        return endsWith(path, ".DO");
    case ImageKind::Po:
        return endsWith(path, ".PO");
    default:
        return true;
    }
}

bool saveImageAs(DiskImage& image, const std::string& path, Outcome& outcome) {
    if (!saveAsKeepsKind(image.kind, path)) {
        outcome.add(MessageId::SaveAsChangesImageType);
        return false;
    }
    PathParts parts = splitPath(path);
    image.path = path;
    image.fileTitle = parts.fileName;
    image.folder = parts.folder;
    image.baseName = parts.baseName;
    image.extension = parts.extension;
    bool saved = saveImage(image, outcome);
    const char* nibble = image.kind == ImageKind::App   ? "APP"
                         : image.kind == ImageKind::Nib ? "NIB"
                                                        : nullptr;
    if (nibble && image.fileTitle.size() >= 3)
        image.fileTitle.replace(image.fileTitle.size() - 3, 3, nibble);
    return saved;
}

} // namespace lk
