// Builds ProDOS volumes in memory for tests and benchmarks: a formatted volume, folders, and
// files of every storage type, laid out as ProDOS itself lays them out.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"
#include "image/two_img_header.h"
#include "prodos/file_entry.h"

namespace lk::test {

class ProdosBuilder {
  public:
    explicit ProdosBuilder(uint32_t totalBlocks = 280, const std::string& volumeName = "TEST");

    static constexpr uint16_t kVolumeKey = 2;

    // A folder in the directory whose key block is `dir`; returns the folder's key block.
    uint16_t addFolder(uint16_t dir, const std::string& name);
    // A file of the storage type its size needs; returns its entry's offset in the image. With
    // `sparse`, data blocks of zero bytes are left out of the index (not the first one unless
    // `sparseFirst`).
    uint32_t addFile(uint16_t dir, const std::string& name, uint8_t type, uint16_t aux, Bytes data,
                     bool sparse = false, bool sparseFirst = false);
    // An extended file with both forks.
    uint32_t addExtended(uint16_t dir, const std::string& name, uint8_t type, uint16_t aux,
                         Bytes dataFork, Bytes resourceFork);
    // Places a raw entry in the directory's first free slot, growing the directory.
    uint32_t addEntry(uint16_t dir, const FileEntry& entry);

    uint16_t allocate();
    uint8_t* block(uint32_t n) { return data_.data() + size_t(n) * 512; }
    std::vector<uint8_t>& bytes() { return data_; }
    const std::vector<uint8_t>& bytes() const { return data_; }
    uint32_t totalBlocks() const { return total_; }
    uint32_t bitMapBlocks() const { return (total_ + 4095) / 4096; }

  private:
    struct Stored {
        uint8_t storage;
        uint16_t key;
        uint16_t blocks;
    };
    Stored store(Bytes data, bool sparse, bool sparseFirst);
    uint16_t storeIndex(Bytes data, uint32_t from, uint32_t count, bool sparse, bool sparseFirst,
                        uint16_t& blocks);
    uint32_t freeSlot(uint16_t dir);
    void markUsed(uint32_t block);

    uint32_t total_;
    std::vector<uint8_t> data_;
    uint32_t nextFree_ = 0;
    // Key block of each folder -> offset of its entry in the parent directory.
    std::map<uint16_t, uint32_t> folderEntries_;
};

FileEntry makeEntry(uint8_t storage, const std::string& name, uint8_t type = 0x04, uint16_t key = 0,
                    uint32_t eof = 0);

// The same volume in the other sector order, as the image layer reorders it (the reordering is
// its own inverse).
std::vector<uint8_t> swapSectorOrder(std::vector<uint8_t> image);
// The image behind a 64-byte 2IMG header.
std::vector<uint8_t> withTwoImgHeader(const std::vector<uint8_t>& data, SectorOrder order);
// The characters of the text as bytes.
std::vector<uint8_t> textBytes(std::string_view text);
// Bytes 0, 1, 2, ... (mod 251) as recognisable file contents.
std::vector<uint8_t> patternBytes(size_t length, uint8_t seed = 0);
// The bytes cut or filled with zero bytes to that length.
inline std::vector<uint8_t> padded(std::vector<uint8_t> bytes, size_t length) {
    bytes.resize(length, 0);
    return bytes;
}

} // namespace lk::test
