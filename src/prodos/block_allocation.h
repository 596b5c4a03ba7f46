// Changing the ProDOS volume bit map: finding a free block, taking and releasing blocks, and
// clearing them. ProDOS keeps the map MSB-first, one bit per block, a set bit for a free block.
#pragma once

#include <cstdint>
#include <vector>

#include "base/damage.h"
#include "image/disk_image.h"

namespace lk {

// What findFreeBlock gives when it finds nothing usable: the first free bit lies at or beyond
// the volume's total blocks, or no bit is set at all.
inline constexpr int32_t kFreeBitBeyondVolume = -6;
inline constexpr int32_t kNoFreeBlock = -7;

// Whether the volume can be changed: its bit map lies wholly inside the image and so does every
// block of the volume. When it cannot, the reason is noted and nothing may be written.
bool volumeWritable(const DiskImage& image, DamageReport& damage);

// The lowest free block numbered `from` or above (the caller knows every block below `from` to be
// in use), or kFreeBitBeyondVolume, or kNoFreeBlock. Does not change the map.
int32_t findFreeBlock(const DiskImage& image, uint32_t from = 0);

// Inverts the block's bit and returns 1; returns 0 and changes nothing for block 0 and for a
// block whose bit lies outside the volume. Allocation uses it on a block just found free.
int toggleBlock(DiskImage& image, uint32_t block);

// What releasing a block did. Releasing never allocates: a block already free stays free.
enum class Release : uint8_t {
    Sparse,      // block 0: a sparse place of the file, nothing to free
    Freed,       // the block was in use and is free now
    AlreadyFree, // the map already said free (a damaged volume)
    Outside,     // the block lies outside the volume
};
Release releaseBlock(DiskImage& image, uint32_t block);

// Sets the 512 bytes of the block to zero (nothing for a block outside the image).
void clearBlock(DiskImage& image, uint32_t block);

// The allocations of one operation: each block taken is the lowest free one, the search going
// on from the last block taken, and a failed operation gives every block it took back.
class BlockAllocator {
  public:
    explicit BlockAllocator(DiskImage& image) : image_(image) {}

    // The lowest free block, now in use; or kFreeBitBeyondVolume or kNoFreeBlock.
    int32_t take();
    // The same, with its 512 bytes cleared.
    int32_t takeCleared();
    // Frees every block taken, in the map only (their contents stay as written).
    void undo();
    const std::vector<uint16_t>& taken() const { return taken_; }

  private:
    DiskImage& image_;
    uint32_t from_ = 1; // block 0 is the boot block, whatever a damaged map says
    std::vector<uint16_t> taken_;
};

} // namespace lk
