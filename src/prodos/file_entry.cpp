#include "prodos/file_entry.h"

#include <cstring>

namespace lk {

FileEntry entryFromBytes(Bytes e) {
    FileEntry f;
    if (e.size() < kEntryLength) return f;
    const uint8_t* p = e.data();
    f.storageTypeNameLength = p[entry::kStorageAndLength];
    std::memcpy(f.name.data(), p + entry::kName, 15);
    f.fileType = p[entry::kFileType];
    f.keyPointer = le16(p + entry::kKeyPointer);
    f.blocksUsed = le16(p + entry::kBlocksUsed);
    f.eof = le24(p + entry::kEof);
    std::memcpy(f.creation.data(), p + entry::kCreation, 4);
    f.version = p[entry::kVersion];
    f.minVersion = p[entry::kMinVersion];
    f.access = p[entry::kAccess];
    f.auxType = le16(p + entry::kAuxType);
    std::memcpy(f.lastModified.data(), p + entry::kLastModified, 4);
    f.headerPointer = le16(p + entry::kHeaderPointer);
    return f;
}

void entryToBytes(const FileEntry& f, uint8_t* p) {
    p[entry::kStorageAndLength] = f.storageTypeNameLength;
    std::memcpy(p + entry::kName, f.name.data(), 15);
    p[entry::kFileType] = f.fileType;
    putLe16(p + entry::kKeyPointer, f.keyPointer);
    putLe16(p + entry::kBlocksUsed, f.blocksUsed);
    putLe24(p + entry::kEof, f.eof);
    std::memcpy(p + entry::kCreation, f.creation.data(), 4);
    p[entry::kVersion] = f.version;
    p[entry::kMinVersion] = f.minVersion;
    p[entry::kAccess] = f.access;
    putLe16(p + entry::kAuxType, f.auxType);
    std::memcpy(p + entry::kLastModified, f.lastModified.data(), 4);
    putLe16(p + entry::kHeaderPointer, f.headerPointer);
}

Bytes entryBytes(const DiskImage& image, uint32_t entryOffset) {
    return bufferBytes(image, entryOffset, kEntryLength);
}

int loadEntry(const DiskImage& image, uint32_t entryOffset, FileEntry& working) {
    Bytes e = entryBytes(image, entryOffset);
    working = entryFromBytes(e);
    return e.empty() ? -1 : 0;
}

void clearEntry(FileEntry& working) {
    working = FileEntry{};
}

int storeEntry(DiskImage& image, uint32_t entryOffset, const FileEntry& working) {
    MutableBytes e = bufferBytesMutable(image, entryOffset, kEntryLength);
    if (e.empty()) return -1;
    entryToBytes(working, e.data());
    return 0;
}

} // namespace lk
