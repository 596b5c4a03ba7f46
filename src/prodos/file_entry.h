// ProDOS directory entries: 13 entries of 39 bytes follow the two link words of each directory
// block. FileEntry is the in-memory copy of one entry, field for field.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/disk_image.h"

namespace lk {

inline constexpr uint32_t kEntryLength = 39;
inline constexpr uint32_t kEntriesPerBlock = 13;
inline constexpr uint32_t kFirstEntryOffset = 4;
inline constexpr uint32_t kVolumeDirectoryBlock = 2;

// Storage types (the high four bits of an entry's first byte).
enum StorageType : uint8_t {
    kStorageFree = 0x0,
    kStorageSeedling = 0x1,
    kStorageSapling = 0x2,
    kStorageTree = 0x3,
    kStoragePascal = 0x4,
    kStorageExtended = 0x5,
    kStorageSubdirectory = 0xD,
    kStorageSubdirectoryHeader = 0xE,
    kStorageVolumeHeader = 0xF,
};

// Offsets of the fields within an entry.
namespace entry {
inline constexpr uint32_t kStorageAndLength = 0x00;
inline constexpr uint32_t kName = 0x01;
inline constexpr uint32_t kFileType = 0x10;
inline constexpr uint32_t kKeyPointer = 0x11;
inline constexpr uint32_t kBlocksUsed = 0x13;
inline constexpr uint32_t kEof = 0x15;
inline constexpr uint32_t kCreation = 0x18;
inline constexpr uint32_t kVersion = 0x1C;
inline constexpr uint32_t kMinVersion = 0x1D;
inline constexpr uint32_t kAccess = 0x1E;
inline constexpr uint32_t kAuxType = 0x1F;
inline constexpr uint32_t kLastModified = 0x21;
inline constexpr uint32_t kHeaderPointer = 0x25;
} // namespace entry

// Fields of a directory's header as offsets in its key block (the header entry's offsets + 4).
namespace dirHeader {
inline constexpr uint32_t kCreation = 0x1C;
inline constexpr uint32_t kEntryLength = 0x23;
inline constexpr uint32_t kEntriesPerBlock = 0x24;
inline constexpr uint32_t kFileCount = 0x25;
inline constexpr uint32_t kBitMapPointer = 0x27; // of the volume directory
inline constexpr uint32_t kTotalBlocks = 0x29;
inline constexpr uint32_t kParentPointer = 0x27; // of a subdirectory
inline constexpr uint32_t kParentEntry = 0x29;
inline constexpr uint32_t kParentEntryLength = 0x2A;
} // namespace dirHeader

inline constexpr uint8_t kAccessDestroy = 0x80;
inline constexpr uint8_t kAccessRename = 0x40;
inline constexpr uint8_t kAccessBackup = 0x20;
inline constexpr uint8_t kAccessInvisible = 0x04;
inline constexpr uint8_t kAccessWrite = 0x02;
inline constexpr uint8_t kAccessRead = 0x01;
inline constexpr uint8_t kDefaultAccess = 0xC3;

struct FileEntry {
    uint8_t storageTypeNameLength = 0;
    std::array<char, 15> name{};
    uint8_t fileType = 0;
    uint16_t keyPointer = 0;
    uint16_t blocksUsed = 0;
    uint32_t eof = 0; // 24 bits on disk
    std::array<uint8_t, 4> creation{};
    uint8_t version = 0;
    uint8_t minVersion = 0;
    uint8_t access = 0;
    uint16_t auxType = 0;
    std::array<uint8_t, 4> lastModified{};
    uint16_t headerPointer = 0;

    uint8_t storageType() const { return storageTypeNameLength >> 4; }
    uint8_t nameLength() const { return storageTypeNameLength & 0x0F; }
    std::string nameText() const { return std::string(name.data(), nameLength()); }
};

FileEntry entryFromBytes(Bytes entry39);
void entryToBytes(const FileEntry& entry, uint8_t* out39);

// Copies the 39 bytes at the offset into `working`; -1 (and a cleared entry) when they are not
// inside the image.
int loadEntry(const DiskImage& image, uint32_t entryOffset, FileEntry& working);
void clearEntry(FileEntry& working);
// Writes `working` back as 39 bytes; -1 when the offset is not inside the image.
int storeEntry(DiskImage& image, uint32_t entryOffset, const FileEntry& working);

// The 39 bytes of the entry at a buffer offset, or an empty span.
Bytes entryBytes(const DiskImage& image, uint32_t entryOffset);

} // namespace lk
