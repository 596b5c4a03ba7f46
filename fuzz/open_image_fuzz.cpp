// Fuzz target: opens arbitrary bytes as an image under every extension, then reads every file
// of the resulting tree and views it every way, and shows the bit map and some blocks. Any
// crash, hang, sanitizer report or out-of-bounds read is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/open_image.h"
#include "prodos/catalog_tree.h"
#include "prodos/file_data.h"
#include "prodos/read_file.h"
#include "prodos/volume_bit_map.h"
#include "translate/applesoft.h"
#include "translate/block_display.h"
#include "translate/integer_basic.h"
#include "translate/view_file.h"

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
constexpr Name kNames[] = {{"fuzz.po", false},  {"fuzz.PO", false}, {"fuzz.dsk", true},
                           {"fuzz.do", true},   {"fuzz.2mg", false}, {"fuzz.hdv", false},
                           {"fuzz.img", true},  {"fuzz", false}};

// The chosen view, and both listers from both start offsets whatever the file's type.
void viewEveryWay(const lk::DiskImage& image, uint32_t entry, bool resourceFork,
                  lk::FileDataBuffer& file, lk::Platform& platform) {
    lk::ViewRequest request;
    if (!lk::readForView(image, entry, resourceFork, file, platform, request)) return;
    lk::viewFile(request, lk::Settings(), platform);
    for (uint32_t start : {0u, 2u}) {
        lk::listApplesoft(request.data, start, lk::kBasicBaseAddress, platform);
        lk::listInteger(request.data, start, lk::kBasicBaseAddress, platform);
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

void readEveryFile(const lk::DiskImage& image, const lk::CatalogTree& tree,
                   lk::Platform& platform) {
    lk::FileDataBuffer file;
    std::vector<lk::NodeId> pending;
    for (lk::NodeId n = tree.root(); n != lk::kNoNode; n = tree.nextSibling(n)) pending.push_back(n);
    while (!pending.empty()) {
        lk::NodeId n = pending.back();
        pending.pop_back();
        uint32_t entry = tree.item(n)->entryOffset;
        if (!image.isDos33) {
            lk::readProdosFile(image, entry, lk::kDataFork, file, platform);
            lk::readProdosFile(image, entry, lk::kResourceFork, file, platform);
            viewEveryWay(image, entry, false, file, platform);
            viewEveryWay(image, entry, true, file, platform);
        }
        for (lk::NodeId c = tree.firstChild(n); c != lk::kNoNode; c = tree.nextSibling(c))
            pending.push_back(c);
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
        if (!image.bufferValid) continue;
        readEveryFile(image, tree, platform);
        showBlocks(image);
    }
    return 0;
}
