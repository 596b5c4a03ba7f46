#include "dos33/dos_entry.h"

namespace lk {

namespace {

struct TypeInfo {
    uint8_t code;
    char letter;
    uint8_t prodosType;
};

constexpr TypeInfo kTypes[] = {
    {0x00, 'T', 0x04}, {0x01, 'I', 0xFA}, {0x02, 'A', 0xFC}, {0x04, 'B', 0x06},
    {0x08, 'S', 0x00}, {0x10, 'R', 0x00}, {0x20, 'A', 0x00}, {0x40, 'B', 0x00},
};

const TypeInfo* typeInfo(uint8_t type) {
    for (const TypeInfo& t : kTypes) {
        if (t.code == type) return &t;
    }
    return nullptr;
}

} // namespace

bool dosEntryAt(const DiskImage& image, uint32_t entryOffset, DosEntry& out) {
    out = DosEntry{};
    Bytes e = bufferBytes(image, entryOffset, dos::kEntryLength);
    if (e.empty()) return false;
    out.listTrack = e[dos::kListTrack];
    out.listSector = e[dos::kListSector];
    out.type = e[dos::kTypeAndLock] & 0x7F;
    out.locked = (e[dos::kTypeAndLock] & dos::kLocked) != 0;
    // The name is used as a C string: a zero byte (once bit 7 is cleared) ends it.
    for (uint32_t i = 0; i < dos::kNameLength; ++i) {
        char c = char(e[dos::kName + i] & 0x7F);
        if (c == 0) break;
        out.name += c;
    }
    out.sectors = le16(e.data() + dos::kSectorCount);
    return true;
}

uint32_t dosEntryOffset(const DiskImage& image, uint32_t track, uint32_t sector, uint32_t k) {
    return image.header.dataOffset + kTrackSize * track + kSectorSize * sector + dos::kFirstEntry +
           dos::kEntryLength * k;
}

char dosTypeLetter(uint8_t type) {
    const TypeInfo* t = typeInfo(type);
    return t ? t->letter : ' ';
}

uint8_t prodosTypeForDos(uint8_t type) {
    const TypeInfo* t = typeInfo(type);
    return t ? t->prodosType : 0;
}

std::string trimmedDosName(const std::string& name) {
    size_t end = name.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

} // namespace lk
