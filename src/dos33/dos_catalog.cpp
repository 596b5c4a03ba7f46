#include "dos33/dos_catalog.h"

#include <cstring>
#include <vector>

#include "dos33/dos_entry.h"
#include "dos33/vtoc.h"
#include "base/format.h"

namespace lk {

namespace {

bool standardBootSector(const DiskImage& image) {
    Bytes boot = bufferBytes(image, image.header.dataOffset, sizeof kDos33BootCode);
    return !boot.empty() && std::memcmp(boot.data(), kDos33BootCode, sizeof kDos33BootCode) == 0;
}

NodeId insertVolumeNode(const Vtoc& v, CatalogTree& tree) {
    CatalogItem item;
    item.text = format("DISK VOLUME %03u", unsigned(v.volumeNumber));
    item.kind = NodeKind::DosVolume;
    item.entryOffset = kDosVolumeEntry;
    ++tree.treeItemCount;
    return tree.insert(kRootLevel, kInsertLast, std::move(item));
}

// The files of one catalog sector; deleted and never-used entries show nothing, and neither
// ends the catalog.
void insertFiles(const DiskImage& image, CatalogTree& tree, NodeId volume, uint32_t t, uint32_t s) {
    for (uint32_t k = 0; k < dos::kEntriesPerSector; ++k) {
        uint32_t offset = dosEntryOffset(image, t, s, k);
        DosEntry e;
        if (!dosEntryAt(image, offset, e)) continue;
        if (e.listTrack == dos::kDeleted || e.listTrack == dos::kNeverUsed) continue;
        CatalogItem item;
        item.text = e.name;
        item.kind = NodeKind::DosFile;
        item.fileType = e.type;
        item.entryOffset = offset;
        if (tree.insert(volume, kInsertLast, std::move(item)) != kNoNode) ++tree.treeItemCount;
    }
}

} // namespace

int buildDosCatalog(const DiskImage& image, CatalogTree& tree, DamageReport& damage) {
    if (!standardBootSector(image)) return kDosNotStandard;
    Vtoc v;
    readVtoc(image, v);
    if (v.tracksPerDisk != kDosTracks) return kDosVtocError;
    NodeId volume = insertVolumeNode(v, tree);
    uint32_t t = v.catalogTrack, s = v.catalogSector;
    if (t >= kDosTracks) return kDosCatalogTrack;
    if (t == 0) return kDosCatalogTrackZero;
    if (s >= kDosSectors) return kDosCatalogSector;
    // Each sector of the disk is read at most once, so a chain that loops ends.
    std::vector<bool> visited(kDosTracks * kDosSectors, false);
    while (t != 0) {
        if (visited[t * kDosSectors + s]) {
            damage.note(MessageId::NoteCatalogLoop, t, s);
            break;
        }
        visited[t * kDosSectors + s] = true;
        Bytes sector = sectorBytes(image, t, s);
        if (sector.empty()) {
            damage.note(MessageId::NoteCatalogOutside, t, s);
            break;
        }
        uint32_t nextT = sector[dos::kNextTrack], nextS = sector[dos::kNextSector];
        if (nextT >= kDosTracks) return kDosCatalogTrack;
        if (nextS >= kDosSectors) return kDosCatalogSector;
        insertFiles(image, tree, volume, t, s);
        t = nextT;
        s = nextS;
    }
    return 0;
}

} // namespace lk
