#include "prodos/format_volume.h"

#include <algorithm>

#include "prodos/file_entry.h"

namespace lk {

namespace {

// Block 0: a boot block of Larkspoon's own. The machine loads it at $800 and runs it from $801;
// it clears the screen, says that the disk holds no system to start and waits there.
//   $801 JSR $FC58 (HOME)   $804 LDY #0   $806 LDA $814,Y   $809 BEQ $811
//   $80B JSR $FDED (COUT)   $80E INY      $80F BNE $806     $811 JMP $811   $814 the text
constexpr uint8_t kBootCode[] = {0x01, 0x20, 0x58, 0xFC, 0xA0, 0x00, 0xB9, 0x14, 0x08, 0xF0,
                                 0x06, 0x20, 0xED, 0xFD, 0xC8, 0xD0, 0xF5, 0x4C, 0x11, 0x08};
constexpr std::string_view kBootText = "NO SYSTEM TO START ON THIS DISK";

void writeBootBlock(MutableBytes block) {
    std::copy(std::begin(kBootCode), std::end(kBootCode), block.begin());
    size_t at = std::size(kBootCode);
    // The screen shows characters with their high bit set as normal text.
    for (char c : kBootText) block[at++] = uint8_t(uint8_t(c) | 0x80);
    block[at] = 0;
}

void linkBlock(MutableBytes block, uint16_t previous, uint16_t next) {
    putLe16(&block[0], previous);
    putLe16(&block[2], next);
}

void writeVolumeHeader(MutableBytes block, std::string_view name, uint32_t blocks,
                       const ProdosDateTime& created) {
    name = name.substr(0, 15);
    block[4] = uint8_t((kStorageVolumeHeader << 4) | name.size());
    std::copy(name.begin(), name.end(), block.begin() + 5);
    std::copy(created.begin(), created.end(), block.begin() + dirHeader::kCreation);
    block[4 + entry::kAccess] = kDefaultAccess;
    block[dirHeader::kEntryLength] = uint8_t(kEntryLength);
    block[dirHeader::kEntriesPerBlock] = uint8_t(kEntriesPerBlock);
    putLe16(&block[dirHeader::kBitMapPointer], kNewBitMapBlock);
    putLe16(&block[dirHeader::kTotalBlocks], uint16_t(blocks));
}

// ProDOS keeps the map MSB-first, a set bit for a free block; bits past the volume stay clear.
void writeBitMap(DiskImage& image, uint32_t blocks) {
    uint32_t mapBlocks = (blocks + 4095) / 4096;
    uint32_t firstFree = kNewBitMapBlock + mapBlocks;
    for (uint32_t b = firstFree; b < blocks; ++b) {
        MutableBytes map = blockBytesMutable(image, kNewBitMapBlock + b / 4096);
        if (map.empty()) return;
        map[(b % 4096) / 8] |= uint8_t(0x80 >> (b % 8));
    }
}

} // namespace

void formatProdosVolume(DiskImage& image, std::string_view volumeName, uint32_t blocks,
                        const ProdosDateTime& created) {
    if (MutableBytes boot = blockBytesMutable(image, 0); !boot.empty()) writeBootBlock(boot);
    for (uint16_t b = kVolumeDirectoryBlock; b <= 5; ++b) {
        MutableBytes block = blockBytesMutable(image, b);
        if (block.empty()) return;
        linkBlock(block, b == kVolumeDirectoryBlock ? 0 : uint16_t(b - 1), b == 5 ? 0 : b + 1);
    }
    writeVolumeHeader(blockBytesMutable(image, kVolumeDirectoryBlock), volumeName, blocks, created);
    writeBitMap(image, blocks);
}

int32_t createNewImage(DiskImage& image, const NewImageSpec& shape, std::string_view volumeName,
                       const LocalDateTime& now) {
    int32_t length = makeNewImage(image, shape);
    if (length < 0) return length;
    formatProdosVolume(image, volumeName, shape.dataBytes / kBlockSize, prodosDateTime(now));
    return length;
}

} // namespace lk
