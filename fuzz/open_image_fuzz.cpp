// Fuzz target: opens arbitrary bytes as an image under every extension, then reads, exports
// and lists every node of the resulting tree. Any crash, hang, sanitizer report or out-of-bounds
// read is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "dos33/catalog_listing.h"
#include "dos33/dos_entry.h"
#include "dos33/export_file.h"
#include "dos33/read_dos_file.h"
#include "dos33/vtoc.h"
#include "image/open_image.h"
#include "prodos/catalog_tree.h"
#include "prodos/file_data.h"
#include "prodos/read_file.h"
#include "settings/settings.h"

namespace {

class SilentPlatform : public lk::Platform {
  public:
    void showMessage(std::string_view, std::string_view, lk::MessageIcon) override {}
    bool askYesNo(std::string_view, std::string_view, lk::MessageIcon) override { return false; }
    void beep() override {}
    void setWaitCursor(bool) override {}
};

struct Name {
    const char* path;
    bool floppy; // padded to a floppy's size, so the DOS-order paths are reached too
};
constexpr Name kNames[] = {{"fuzz.PO", false},  {"fuzz.dsk", true},  {"fuzz.Do", true},
                           {"fuzz.2mg", false}, {"fuzz.hdv", false}, {"fuzz", false}};

// Files of mutated entries often claim up to 16 MB; reading those only zero-fills memory and
// slows the search, and the same index and list logic is reached below 1 MB.
constexpr uint32_t kMaxReadLength = 1 << 20;

bool smallEnough(const lk::DiskImage& image, const lk::CatalogItem& item) {
    if (image.isDos33) {
        lk::DosEntry e;
        return !lk::dosEntryAt(image, item.entryOffset, e) || e.sectors * 256u <= kMaxReadLength;
    }
    return lk::forkEof(image, item.entryOffset, lk::kDataFork) <= kMaxReadLength &&
           lk::forkEof(image, item.entryOffset, lk::kResourceFork) <= kMaxReadLength;
}

// Reads every node as the View, Export As and Catalog commands would, with the export
// preferences both ways.
void readEveryFile(const lk::DiskImage& image, lk::CatalogTree& tree, lk::Platform& platform) {
    lk::FileDataBuffer file;
    lk::Settings on, off;
    off.dosTxt = off.dosInt = off.dosApsft = off.dosBin = "FALSE";
    on.dosInt = "TRUE";
    std::string listing;
    if (image.isDos33) lk::countFreeSectors(image);
    std::vector<lk::NodeId> pending;
    for (lk::NodeId n = tree.root(); n != lk::kNoNode; n = tree.nextSibling(n))
        pending.push_back(n);
    while (!pending.empty()) {
        lk::NodeId n = pending.back();
        pending.pop_back();
        const lk::CatalogItem& item = *tree.item(n);
        tree.select(n);
        lk::catalogListing(image, tree, listing);
        for (lk::NodeId c = tree.firstChild(n); c != lk::kNoNode; c = tree.nextSibling(c))
            pending.push_back(c);
        if (!smallEnough(image, item)) continue;
        if (image.isDos33) {
            lk::readDosFile(image, item.entryOffset, item.icon, file, platform);
        } else {
            lk::readProdosFile(image, item.entryOffset, lk::kDataFork, file, platform);
            lk::readProdosFile(image, item.entryOffset, lk::kResourceFork, file, platform);
        }
        lk::prepareExport(image, tree, on, file, platform);
        lk::prepareExport(image, tree, off, file, platform);
        lk::suggestedExportName(image, item.entryOffset);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SilentPlatform platform;
    for (const Name& name : kNames) {
        lk::DiskImage image;
        lk::CatalogTree tree;
        image.path = name.path;
        image.fileTitle = name.path;
        std::vector<uint8_t> bytes(data, data + size);
        if (name.floppy && bytes.size() < lk::kFloppySize) bytes.resize(lk::kFloppySize, 0);
        lk::openImageFromMemory(image, tree, platform, std::move(bytes));
        if (image.bufferValid) readEveryFile(image, tree, platform);
    }
    return 0;
}
