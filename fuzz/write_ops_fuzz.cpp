// Fuzz target: opens arbitrary bytes as a ProDOS image and changes it as the Apple file commands
// do — imports of every storage kind, folders, pastes, renames and deletes on nodes picked from
// its tree — checking and listing the volume between the changes. The operations are drawn from
// a generator seeded by the input's last eight bytes. Any crash, hang, sanitizer report or access
// outside the image is a finding.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/volume_changes.h"
#include "prodos/check_volume.h"
#include "prodos/delete_file.h"
#include "prodos/read_file.h"
#include "prodos/volume_bit_map.h"
#include "volume/open_image.h"

namespace {

constexpr int kOperations = 12;
// Sizes around the storage kinds' edges; larger files only slow the search.
constexpr uint32_t kSizes[] = {0, 1, 512, 513, 4096, 131073, 200000};

struct Draw {
    uint64_t state;
    uint32_t next(uint32_t n) {
        state += 0x9E3779B97F4A7C15ull; // splitmix64
        uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return uint32_t((z ^ (z >> 31)) % n);
    }
};

std::vector<lk::NodeId> nodes(const lk::CatalogTree& tree) {
    std::vector<lk::NodeId> out, pending{tree.root()};
    while (!pending.empty() && out.size() < 4096) {
        lk::NodeId n = pending.back();
        pending.pop_back();
        if (!tree.valid(n)) continue;
        out.push_back(n);
        for (lk::NodeId c = tree.firstChild(n); c != lk::kNoNode; c = tree.nextSibling(c))
            pending.push_back(c);
    }
    return out;
}

void change(lk::DiskImage& image, lk::CatalogTree& tree, Draw& draw, int step) {
    std::vector<lk::NodeId> all = nodes(tree);
    if (all.empty()) return;
    tree.select(all[draw.next(uint32_t(all.size()))]);
    std::string name = "F" + std::to_string(step);
    lk::ChangeAnswers yes{true};
    lk::Outcome outcome;
    switch (draw.next(5)) {
    case 0: {
        lk::TransferBuffer t;
        t.length = kSizes[draw.next(7)];
        t.bytes.assign(t.length + 4, uint8_t(step));
        lk::FileEntry working;
        lk::ImportRequest request{{name, "BIN", "0", 0xC3},
                                  &t,
                                  draw.next(3) == 0,
                                  lk::Bytes(t.bytes.data(), t.length / 2)};
        lk::importFile(image, tree, working, request, yes, outcome);
        break;
    }
    case 1:
        lk::newFolder(image, tree, name, 0xC3, {2000, 1, 1, 0, 0, 0}, yes, outcome);
        break;
    case 2:
        lk::renameFile(image, tree, {name, "$04", "0", 0xC3}, yes, outcome);
        break;
    case 3:
        lk::deleteSelected(image, tree, {false, true}, outcome);
        break;
    default: {
        lk::AppleFileCopy copy;
        const lk::CatalogItem* item = tree.item(tree.selection());
        if (lk::forkEof(image, item->entryOffset, lk::Fork::Data) > (1u << 20) ||
            lk::forkEof(image, item->entryOffset, lk::Fork::Resource) > (1u << 20) ||
            !lk::copyAppleFile(image, item->entryOffset, copy, outcome))
            break;
        copy.name = name;
        copy.entry.storageTypeNameLength = uint8_t(name.size());
        std::memcpy(copy.entry.name.data(), name.data(), name.size());
        tree.select(tree.root());
        lk::pasteFile(image, tree, copy, yes, outcome);
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lk::DiskImage image;
    lk::CatalogTree tree;
    image.path = image.fileTitle = "fuzz.po";
    lk::Outcome opened;
    lk::openImageFromMemory(image, tree, std::vector<uint8_t>(data, data + size), opened);
    if (!image.bufferValid || image.isDos33) return 0;
    Draw draw{size};
    for (size_t i = 0; i < 8 && i < size; ++i) draw.state = (draw.state << 8) ^ data[size - 1 - i];
    for (int step = 0; step < kOperations; ++step) {
        change(image, tree, draw, step);
        lk::checkVolume(image);
        lk::countFreeBlocks(image);
    }
    return 0;
}
