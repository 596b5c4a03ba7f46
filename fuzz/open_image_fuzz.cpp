// Fuzz target: opens arbitrary bytes as an image under every extension, then reads, views,
// exports and lists every node of the resulting tree, and shows the bit map and some blocks.
// Any crash, hang, sanitizer report or out-of-bounds read is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/block_view.h"
#include "app/export_file.h"
#include "app/view_file.h"
#include "base/file_data.h"
#include "catalog/catalog_tree.h"
#include "dos33/dos_entry.h"
#include "dos33/vtoc.h"
#include "prodos/read_file.h"
#include "prodos/volume_bit_map.h"
#include "settings/settings.h"
#include "translate/applesoft.h"
#include "translate/integer_basic.h"
#include "volume/catalog_listing.h"
#include "volume/open_image.h"

namespace {

struct Name {
    const char* path;
    bool floppy; // padded to a floppy's size, so the DOS-order paths are reached too
};
constexpr Name kNames[] = {{"fuzz.PO", false},  {"fuzz.dsk", true},  {"fuzz.Do", true},
                           {"fuzz.2mg", false}, {"fuzz.hdv", false}, {"fuzz", false}};

// Files of mutated entries often claim up to 16 MB; reading those only zero-fills memory and
// slows the search, and the same index and list logic is reached below 1 MB. Translating is
// linear in the file's length, so a smaller limit keeps many runs a second.
constexpr uint32_t kMaxReadLength = 1 << 20;
constexpr uint32_t kMaxViewLength = 1 << 16;
// The catalog listing walks the tree below the node: listing a few nodes reaches its code
// without making each run quadratic in the number of entries.
constexpr int kListedNodes = 4;

bool smallEnough(const lk::DiskImage& image, const lk::CatalogItem& item, uint32_t limit) {
    if (image.isDos33) {
        lk::DosEntry e;
        return !lk::dosEntryAt(image, item.entryOffset, e) || e.sectors * 256u <= limit;
    }
    return lk::forkEof(image, item.entryOffset, lk::Fork::Data) <= limit &&
           lk::forkEof(image, item.entryOffset, lk::Fork::Resource) <= limit;
}

// The chosen view, and both listers from both start offsets whatever the file's type.
void viewEveryWay(const lk::DiskImage& image, const lk::CatalogItem& item, lk::Fork fork,
                  lk::FileDataBuffer& file, lk::Outcome& outcome) {
    lk::ViewRequest request;
    if (!lk::readForView(image, item, fork, file, request, outcome)) return;
    lk::viewFile(request, lk::Settings(), outcome);
    for (uint32_t start : {0u, 2u}) {
        lk::listApplesoft(request.data, start, lk::kBasicBaseAddress, outcome);
        lk::listInteger(request.data, start, lk::kBasicBaseAddress, outcome);
    }
}

void showBlocks(const lk::DiskImage& image) {
    lk::DamageReport damage;
    lk::bitMapText(image, damage);
    lk::countFreeBlocks(image);
    lk::BlockViewState state;
    uint32_t count = lk::imageBlockCount(image);
    for (uint32_t block : {0u, 2u, count - 1, count}) {
        state.block = block;
        state.half = block & 1;
        lk::blockDisplay(image, state);
    }
}

// Reads every node as the View, Export As and Catalog commands would, with the export
// preferences both ways.
void readEveryFile(const lk::DiskImage& image, lk::CatalogTree& tree, lk::Outcome& outcome) {
    lk::FileDataBuffer file;
    lk::Settings on, off;
    off.dosTxt = off.dosInt = off.dosApsft = off.dosBin = false;
    on.dosInt = true;
    std::string listing;
    int listed = 0;
    if (image.isDos33) lk::countFreeSectors(image);
    std::vector<lk::NodeId> pending;
    for (lk::NodeId n = tree.root(); n != lk::kNoNode; n = tree.nextSibling(n))
        pending.push_back(n);
    while (!pending.empty()) {
        lk::NodeId n = pending.back();
        pending.pop_back();
        const lk::CatalogItem item = *tree.item(n);
        tree.select(n);
        if (listed++ < kListedNodes) lk::catalogListing(image, tree, listing);
        for (lk::NodeId c = tree.firstChild(n); c != lk::kNoNode; c = tree.nextSibling(c))
            pending.push_back(c);
        lk::suggestedExportName(image, item);
        if (!smallEnough(image, item, kMaxReadLength)) continue;
        if (!smallEnough(image, item, kMaxViewLength)) {
            lk::prepareExport(image, tree, on, file, outcome);
            continue;
        }
        viewEveryWay(image, item, lk::Fork::Data, file, outcome);
        viewEveryWay(image, item, lk::Fork::Resource, file, outcome);
        lk::prepareExport(image, tree, on, file, outcome);
        lk::prepareExport(image, tree, off, file, outcome);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const Name& name : kNames) {
        lk::Outcome outcome;
        lk::DiskImage image;
        lk::CatalogTree tree;
        image.path = name.path;
        image.fileTitle = name.path;
        std::vector<uint8_t> bytes(data, data + size);
        if (name.floppy && bytes.size() < lk::kFloppySize) bytes.resize(lk::kFloppySize, 0);
        lk::openImageFromMemory(image, tree, std::move(bytes), outcome);
        if (!image.bufferValid) continue;
        readEveryFile(image, tree, outcome);
        for (const lk::Message& m : outcome.messages) lk::messageText(m);
        showBlocks(image);
    }
    return 0;
}
