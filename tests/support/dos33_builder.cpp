#include "dos33_builder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "dos33/dos_entry.h"
#include "dos33/read_dos_file.h"
#include "dos33/vtoc.h"

namespace lk::test {

Dos33Builder::Dos33Builder(uint8_t volume, uint32_t tracks)
    : tracks_(std::clamp<uint32_t>(tracks, 18, 35)), data_(size_t(tracks_) * 4096, 0) {
    std::memcpy(sector(0, 0), kDos33BootCode, sizeof kDos33BootCode);
    uint8_t* v = vtoc();
    v[vtoc::kCatalogTrack] = 17;
    v[vtoc::kCatalogSector] = 15;
    v[vtoc::kDosRelease] = 3;
    v[vtoc::kVolumeNumber] = volume;
    v[vtoc::kPairsPerList] = tslist::kPairs;
    v[vtoc::kLastTrackAllocated] = 17;
    v[vtoc::kAllocationDirection] = 1;
    v[vtoc::kTracksPerDisk] = 35;
    v[vtoc::kSectorsPerTrack] = 16;
    putLe16(v + vtoc::kBytesPerSector, 256);
    // Tracks 0 - 2 hold DOS itself and track 17 the VTOC and catalog; tracks beyond a short
    // image are never offered.
    for (uint32_t t = 3; t < tracks_; ++t) {
        if (t == 17) continue;
        v[vtoc::kFreeMap + 4 * t] = 0xFF;
        v[vtoc::kFreeMap + 4 * t + 1] = 0xFF;
    }
    for (uint32_t s = kCatalogSectors; s >= 1; --s) {
        uint8_t* c = sector(17, s);
        c[dos::kNextTrack] = s > 1 ? 17 : 0;
        c[dos::kNextSector] = uint8_t(s > 1 ? s - 1 : 0);
    }
}

uint8_t* Dos33Builder::sector(uint32_t track, uint32_t s) {
    return data_.data() + size_t(track) * 4096 + size_t(s) * 256;
}

bool Dos33Builder::isFree(uint32_t t, uint32_t s) {
    const uint8_t* map = vtoc() + vtoc::kFreeMap + 4 * t;
    return s >= 8 ? (map[0] >> (s - 8)) & 1 : (map[1] >> s) & 1;
}

void Dos33Builder::markUsed(uint32_t t, uint32_t s) {
    uint8_t* map = vtoc() + vtoc::kFreeMap + 4 * t;
    if (s >= 8)
        map[0] &= uint8_t(~(1 << (s - 8)));
    else
        map[1] &= uint8_t(~(1 << s));
}

// DOS works outward from the catalog track: 18 and up, then 16 and down.
TrackSector Dos33Builder::allocate() {
    std::vector<uint32_t> order;
    for (uint32_t t = 18; t < tracks_; ++t) order.push_back(t);
    for (uint32_t t = 16; t >= 3; --t) order.push_back(t);
    for (uint32_t t : order) {
        for (int s = 15; s >= 0; --s) {
            if (!isFree(t, uint32_t(s))) continue;
            markUsed(t, uint32_t(s));
            std::memset(sector(t, uint32_t(s)), 0, 256);
            return {uint8_t(t), uint8_t(s)};
        }
    }
    throw std::runtime_error("test disk is full");
}

uint32_t Dos33Builder::addEntry(TrackSector list, uint8_t typeAndLock, const std::string& name,
                                uint16_t sectors) {
    if (slot_ >= kCatalogSectors * dos::kEntriesPerSector)
        throw std::runtime_error("test catalog is full");
    uint32_t s = kCatalogSectors - slot_ / dos::kEntriesPerSector;
    uint32_t offset = 17 * 4096 + s * 256 + dos::kFirstEntry +
                      dos::kEntryLength * (slot_ % dos::kEntriesPerSector);
    ++slot_;
    uint8_t* e = at(offset);
    e[dos::kListTrack] = list.track;
    e[dos::kListSector] = list.sector;
    e[dos::kTypeAndLock] = typeAndLock;
    for (uint32_t i = 0; i < dos::kNameLength; ++i)
        e[dos::kName + i] = uint8_t((i < name.size() ? name[i] : ' ') | 0x80);
    putLe16(e + dos::kSectorCount, sectors);
    return offset;
}

DosFileLayout Dos33Builder::addFile(const std::string& name, uint8_t type, Bytes data,
                                    bool locked) {
    DosFileLayout f;
    size_t dataSectors = (data.size() + 255) / 256;
    size_t lists = std::max<size_t>(1, (dataSectors + tslist::kPairs - 1) / tslist::kPairs);
    for (size_t i = 0; i < lists; ++i) {
        f.lists.push_back(allocate());
        if (i > 0) {
            uint8_t* previous = sector(f.lists[i - 1].track, f.lists[i - 1].sector);
            previous[tslist::kNextTrack] = f.lists[i].track;
            previous[tslist::kNextSector] = f.lists[i].sector;
        }
    }
    for (size_t d = 0; d < dataSectors; ++d) {
        TrackSector ts = allocate();
        f.data.push_back(ts);
        size_t from = d * 256;
        std::memcpy(sector(ts.track, ts.sector), data.data() + from,
                    std::min<size_t>(256, data.size() - from));
        uint8_t* list =
            sector(f.lists[d / tslist::kPairs].track, f.lists[d / tslist::kPairs].sector);
        list[tslist::kFirstPair + 2 * (d % tslist::kPairs)] = ts.track;
        list[tslist::kFirstPair + 2 * (d % tslist::kPairs) + 1] = ts.sector;
    }
    f.entry = addEntry(f.lists[0], uint8_t(type | (locked ? dos::kLocked : 0)), name,
                       uint16_t(lists + dataSectors));
    return f;
}

void Dos33Builder::deleteFile(uint32_t entry) {
    uint8_t* e = at(entry);
    e[dos::kName + dos::kNameLength - 1] = e[dos::kListTrack];
    e[dos::kListTrack] = dos::kDeleted;
}

std::vector<uint8_t> binaryFile(uint16_t address, Bytes bytes) {
    std::vector<uint8_t> out(4 + bytes.size());
    putLe16(out.data(), address);
    putLe16(out.data() + 2, uint16_t(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), out.begin() + 4);
    return out;
}

std::string paddedDosName(const std::string& name) {
    return name + std::string(name.size() < 30 ? 30 - name.size() : 0, ' ');
}

std::vector<uint8_t> highBitText(std::string_view text) {
    std::vector<uint8_t> out;
    for (char c : text) out.push_back(uint8_t(c | 0x80));
    return out;
}

} // namespace lk::test
