// DOS 3.3 disk layout: 35 tracks of 16 sectors, the boot sector's signature, and the 35-byte
// file entries of the catalog sectors.
#pragma once

#include <cstdint>
#include <string>

#include "image/disk_image.h"

namespace lk {

inline constexpr uint32_t kDosTracks = 35;
inline constexpr uint32_t kDosSectors = 16;
inline constexpr uint32_t kVtocTrack = 17;
inline constexpr uint32_t kVtocSector = 0;
// The volume node's entry offset: the VTOC's place counted from the start of the volume data.
inline constexpr uint32_t kDosVolumeEntry = kVtocTrack * kTrackSize;

// The first 32 bytes of a DOS 3.3 boot sector (track 0, sector 0).
inline constexpr uint8_t kDos33BootCode[32] = {
    0x01, 0xA5, 0x27, 0xC9, 0x09, 0xD0, 0x18, 0xA5, 0x2B, 0x4A, 0x4A, 0x4A, 0x4A, 0x09, 0xC0, 0x85,
    0x3F, 0xA9, 0x5C, 0x85, 0x3E, 0x18, 0xAD, 0xFE, 0x08, 0x6D, 0xFF, 0x08, 0x8D, 0xFE, 0x08, 0xAE};

// Catalog sectors: the link to the next one, then seven file entries.
namespace dos {
inline constexpr uint32_t kNextTrack = 0x01;
inline constexpr uint32_t kNextSector = 0x02;
inline constexpr uint32_t kFirstEntry = 0x0B;
inline constexpr uint32_t kEntryLength = 35;
inline constexpr uint32_t kEntriesPerSector = 7;

// Offsets within a file entry.
inline constexpr uint32_t kListTrack = 0x00;
inline constexpr uint32_t kListSector = 0x01;
inline constexpr uint32_t kTypeAndLock = 0x02;
inline constexpr uint32_t kName = 0x03;
inline constexpr uint32_t kNameLength = 30;
inline constexpr uint32_t kSectorCount = 0x21;

// First-byte values that mark an entry without a file.
inline constexpr uint8_t kDeleted = 0xFF;
inline constexpr uint8_t kNeverUsed = 0x00;
inline constexpr uint8_t kLocked = 0x80;
} // namespace dos

// DOS 3.3 file type codes (the entry's type byte without the lock bit).
enum DosFileType : uint8_t {
    kDosText = 0x00,
    kDosInteger = 0x01,
    kDosApplesoft = 0x02,
    kDosBinary = 0x04,
};

// One catalog entry, field by field.
struct DosEntry {
    uint8_t listTrack = 0;
    uint8_t listSector = 0;
    uint8_t type = 0; // the code, lock bit cleared
    bool locked = false;
    std::string name;     // 30 characters with bit 7 cleared, cut at a zero byte
    uint16_t sectors = 0; // the file's sectors, its track/sector lists included
};

// The entry at a buffer offset; false (and an empty entry) when it lies outside the image.
bool dosEntryAt(const DiskImage& image, uint32_t entryOffset, DosEntry& out);
// The buffer offset of entry k of the catalog sector at track t, sector s.
uint32_t dosEntryOffset(const DiskImage& image, uint32_t track, uint32_t sector, uint32_t k);

// The CATALOG command's letter for a type code: T I A B S R A B, or a space.
char dosTypeLetter(uint8_t type);
// The ProDOS file type by which a DOS 3.3 file is translated: 0 when there is none.
uint8_t prodosTypeForDos(uint8_t type);

// A name without the spaces that pad it to 30 characters.
std::string trimmedDosName(const std::string& name);

} // namespace lk
