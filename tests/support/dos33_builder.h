// Builds DOS 3.3 volumes in memory for tests and fuzz seeds: the boot code, the VTOC with its
// free-sector maps, the catalog chain on track 17, and files laid out as DOS itself lays them out
// (data sectors named by track/sector lists of 122 pairs).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"
#include "basic_builder.h"  // withLengthWord
#include "prodos_builder.h" // patternBytes, swapSectorOrder, withTwoImgHeader

namespace lk::test {

struct TrackSector {
    uint8_t track = 0;
    uint8_t sector = 0;
};

struct DosFileLayout {
    uint32_t entry = 0; // byte offset of the catalog entry in the image
    std::vector<TrackSector> lists;
    std::vector<TrackSector> data;
};

class Dos33Builder {
  public:
    // `tracks` below 35 gives a shorter image (at least 18 tracks, to hold the catalog) whose
    // VTOC still counts 35.
    explicit Dos33Builder(uint8_t volume = 254, uint32_t tracks = 35);

    // A file of whole sectors (the data padded with zero bytes), its lists and catalog entry.
    DosFileLayout addFile(const std::string& name, uint8_t type, Bytes data, bool locked = false);
    // A raw entry in the next catalog slot; returns its offset.
    uint32_t addEntry(TrackSector list, uint8_t typeAndLock, const std::string& name,
                      uint16_t sectors);
    // Leaves the next catalog slot never used.
    void skipSlot() { ++slot_; }
    // Deletes a file as DOS does: the list track moves to the name's last byte, $FF takes its
    // place.
    void deleteFile(uint32_t entry);

    TrackSector allocate();
    uint8_t* sector(uint32_t track, uint32_t sector);
    uint8_t* at(uint32_t offset) { return data_.data() + offset; }
    uint8_t* vtoc() { return sector(17, 0); }
    std::vector<uint8_t>& bytes() { return data_; }

    static constexpr uint32_t kCatalogSectors = 15;

  private:
    void markUsed(uint32_t track, uint32_t sector);
    bool isFree(uint32_t track, uint32_t sector);

    uint32_t tracks_;
    std::vector<uint8_t> data_;
    uint32_t slot_ = 0;
};

// A binary file's bytes: the load address and length words, then the bytes.
std::vector<uint8_t> binaryFile(uint16_t address, Bytes bytes);
// A name as the catalog and the tree hold it: padded with spaces to 30 characters.
std::string paddedDosName(const std::string& name);
// Text as DOS 3.3 keeps it: every character with bit 7 set.
std::vector<uint8_t> highBitText(std::string_view text);

} // namespace lk::test
