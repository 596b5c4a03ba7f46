#include "prodos/paste.h"

#include <algorithm>

#include "prodos/create_result.h"
#include "prodos/fork_writer.h"
#include "prodos/read_file.h"

namespace lk {

namespace {

// The mini-entry of a fork in an extended key block: at 0 for the data fork, 256 for the
// resource fork.
constexpr uint32_t kMiniStorage = 0x00;
constexpr uint32_t kMiniKeyBlock = 0x01;
constexpr uint32_t kMiniBlocksUsed = 0x03;
constexpr uint32_t kMiniEof = 0x05;

bool readFork(const DiskImage& image, uint32_t entryOffset, Fork fork, FileBytes& out,
              Outcome& outcome) {
    FileDataBuffer read;
    int32_t n = readProdosFile(image, entryOffset, fork, read, outcome);
    if (n < 0) return false;
    out = std::move(read.fileData);
    out.resize(size_t(n));
    return true;
}

// One fork: its key block, written after it, and its mini-entry. Returns the blocks it uses.
int32_t writeMiniFork(DiskImage& image, BlockAllocator& allocator, uint16_t extendedKey,
                      uint32_t mini, int kind, Bytes data) {
    int32_t key = allocator.takeCleared();
    if (key < 0) return key;
    int32_t blocks = writeFork(image, allocator, kind, uint16_t(key), data);
    if (blocks < 0) return blocks;
    uint8_t* x = blockBytesMutable(image, extendedKey).data() + mini;
    putLe16(x + kMiniKeyBlock, uint16_t(key));
    putLe16(x + kMiniBlocksUsed, uint16_t(blocks));
    putLe24(x + kMiniEof, uint32_t(data.size()));
    return blocks;
}

} // namespace

bool copyAppleFile(const DiskImage& image, uint32_t entryOffset, AppleFileCopy& copy,
                   Outcome& outcome) {
    copy = AppleFileCopy{};
    loadEntry(image, entryOffset, copy.entry);
    copy.name = copy.entry.nameText();
    copy.hasResourceFork = copy.entry.storageType() == kStorageExtended;
    bool read = (!copy.hasResourceFork ||
                 readFork(image, entryOffset, Fork::Resource, copy.resourceFork, outcome)) &&
                readFork(image, entryOffset, Fork::Data, copy.data, outcome);
    if (!read) outcome.add(MessageId::CouldNotCopyFile, copy.name);
    return read;
}

int32_t pasteExtended(DiskImage& image, BlockAllocator& allocator, FileEntry& working,
                      Bytes dataFork, Bytes resourceFork) {
    int d = storageKindForSize(uint32_t(std::min<size_t>(dataFork.size(), UINT32_MAX)));
    int r = storageKindForSize(uint32_t(std::min<size_t>(resourceFork.size(), UINT32_MAX)));
    if (d < 0 || r < 0) return kCreateTooLarge;
    int32_t x = allocator.takeCleared();
    if (x < 0) return x;
    working.keyPointer = uint16_t(x);
    working.storageTypeNameLength =
        uint8_t((kStorageExtended << 4) | (working.storageTypeNameLength & 0x0F));
    uint8_t* key = blockBytesMutable(image, uint32_t(x)).data();
    key[kMiniStorage] = uint8_t(d);
    key[256 + kMiniStorage] = uint8_t(r);
    working.blocksUsed = 1;
    working.eof = kBlockSize;
    int32_t dataBlocks = writeMiniFork(image, allocator, uint16_t(x), 0, d, dataFork);
    if (dataBlocks < 0) return dataBlocks;
    int32_t rsrcBlocks = writeMiniFork(image, allocator, uint16_t(x), 256, r, resourceFork);
    if (rsrcBlocks < 0) return rsrcBlocks;
    working.blocksUsed = uint16_t(1 + dataBlocks + rsrcBlocks);
    return 0;
}

} // namespace lk
