#include "dos33/read_dos_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "dos33/dos_entry.h"
#include "dos33/dos_error.h"

namespace lk {

namespace {

struct Reader {
    const DiskImage& image;
    FileDataBuffer& out;
    uint32_t length;
    std::string name;
    DamageReport damage;
    uint32_t p = 0;

    bool done() const { return p >= length; }

    // Copies one data sector to the current position; one that lies outside the image stays
    // zero but still takes its place.
    void copySector(uint32_t t, uint32_t s) {
        uint32_t n = std::min<uint32_t>(kSectorSize, length - p);
        Bytes data = sectorBytes(image, t, s);
        if (data.empty())
            damage.note(MessageId::NoteDosSectorOutside, name, t, s);
        else
            std::memcpy(out.fileData.data() + p, data.data(), n);
        p += n;
    }

    // The pairs of one list sector, up to the first track-0 pair. 0 or a negative error.
    int32_t copyPairs(const uint8_t* list) {
        for (uint32_t j = 0; j < tslist::kPairs; ++j) {
            uint32_t dt = list[tslist::kFirstPair + 2 * j];
            uint32_t ds = list[tslist::kFirstPair + 2 * j + 1];
            if (dt >= kDosTracks) return -kDosTrackOutOfRange;
            if (ds >= kDosSectors) return -kDosSectorOutOfRange;
            if (dt == 0) return 0;
            copySector(dt, ds);
            if (done()) return 0;
        }
        return 0;
    }

    // Follows the list chain from (t, s) until the length is reached or the chain ends.
    int32_t readChain(uint32_t t, uint32_t s) {
        // Each list sector is read once, so a chain that loops ends even when it copies nothing.
        std::vector<bool> visited(kDosTracks * kDosSectors, false);
        while (t != 0 && !done()) {
            if (visited[t * kDosSectors + s]) {
                damage.note(MessageId::NoteDosListLoop, name, t, s);
                return 0;
            }
            visited[t * kDosSectors + s] = true;
            Bytes sector = sectorBytes(image, t, s);
            if (sector.empty()) {
                damage.note(MessageId::NoteDosListOutside, name, t, s);
                return 0;
            }
            uint8_t list[kSectorSize];
            std::memcpy(list, sector.data(), kSectorSize);
            t = list[tslist::kNextTrack];
            s = list[tslist::kNextSector];
            if (t >= kDosTracks) return -kDosTrackOutOfRange;
            if (s >= kDosSectors) return -kDosSectorOutOfRange;
            if (int32_t e = copyPairs(list); e < 0) return e;
        }
        return 0;
    }
};

} // namespace

int32_t readDosFile(const DiskImage& image, const CatalogItem& node, FileDataBuffer& out,
                    Outcome& outcome) {
    DosEntry e;
    bool inImage = dosEntryAt(image, node.entryOffset, e);
    out.dosFileType = e.type;
    if (node.kind == NodeKind::DosVolume) return -kDosVolumeSelected;
    if (!inImage || e.listTrack == 0) return -kDosNoList;
    if (e.listTrack == dos::kDeleted) return -kDosDeletedFile;
    if (e.listTrack >= kDosTracks) return -kDosTrackOutOfRange;
    if (e.listSector >= kDosSectors) return -kDosSectorOutOfRange;
    uint32_t length = uint32_t(e.sectors) * kSectorSize;
    if (!out.allocate(length)) return -kDosNoMemory;
    out.fileLength = int32_t(length);
    Reader r{image, out, length, trimmedDosName(e.name), {}};
    int32_t result = r.readChain(e.listTrack, e.listSector);
    outcome.addDamage(r.damage, MessageId::PartsLeftAsZero);
    return result < 0 ? result : int32_t(length);
}

} // namespace lk
