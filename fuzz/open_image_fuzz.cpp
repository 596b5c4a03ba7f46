// Fuzz target: opens arbitrary bytes as an image under every extension, then reads every file
// of the resulting tree. Any crash, hang, sanitizer report or out-of-bounds read is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/open_image.h"
#include "prodos/catalog_tree.h"
#include "prodos/file_data.h"
#include "prodos/read_file.h"

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

constexpr uint32_t kMaxReadLength = 1 << 20;

void readEveryFile(const lk::DiskImage& image, const lk::CatalogTree& tree,
                   lk::Platform& platform) {
    lk::FileDataBuffer file;
    std::vector<lk::NodeId> pending;
    for (lk::NodeId n = tree.root(); n != lk::kNoNode; n = tree.nextSibling(n))
        pending.push_back(n);
    while (!pending.empty()) {
        lk::NodeId n = pending.back();
        pending.pop_back();
        uint32_t entry = tree.item(n)->entryOffset;
        if (!image.isDos33) {
            // Files of mutated entries often claim up to 16 MB; reading those only zero-fills
            // memory and slows the search, and the same index logic is reached below 1 MB.
            for (int fork : {lk::kDataFork, lk::kResourceFork})
                if (lk::forkEof(image, entry, fork) <= kMaxReadLength)
                    lk::readProdosFile(image, entry, fork, file, platform);
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
        if (image.bufferValid) readEveryFile(image, tree, platform);
    }
    return 0;
}
