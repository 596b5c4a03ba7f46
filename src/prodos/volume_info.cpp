#include "prodos/volume_info.h"

#include "prodos/file_entry.h"

namespace lk {

VolumeInfo readVolumeInfo(Bytes block) {
    VolumeInfo v;
    size_t n = byteAt(block, 4) & 0x0F;
    for (size_t i = 0; i < n; ++i) v.volumeName += char(byteAt(block, 5 + i));
    for (size_t i = 0; i < 4; ++i) v.creationDateTime[i] = byteAt(block, 0x1C + i);
    v.volumeVersion = byteAt(block, 0x20);
    v.minVersion = byteAt(block, 0x21);
    v.volumeAccess = byteAt(block, 0x22);
    v.entryLength = byteAt(block, 0x23);
    v.entriesPerBlock = byteAt(block, 0x24);
    v.fileCount = le16At(block, 0x25);
    v.bitMapPointer = le16At(block, 0x27);
    v.totalBlocks = le16At(block, 0x29);
    return v;
}

VolumeInfo readVolumeInfo(const DiskImage& image) {
    return readVolumeInfo(blockBytes(image, kVolumeDirectoryBlock));
}

} // namespace lk
