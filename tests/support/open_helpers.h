// Opening images built by the tests, with the scripted platform.
#pragma once

#include <string>
#include <vector>

#include "base/file_data.h"
#include "catalog/catalog_tree.h"
#include "image/disk_image.h"
#include "scripted_platform.h"
#include "volume/open_image.h"

namespace lk::test {

struct Opened {
    Opened() = default;
    // Opened from the bytes as openBytes opens them.
    Opened(const std::string& name, std::vector<uint8_t> bytes, const OpenOptions& options = {});

    DiskImage image;
    CatalogTree tree;
    ScriptedPlatform platform;
    FileDataBuffer file;
};

// Opens the bytes as if read from a file of that name; what the open reported is shown on the
// scripted platform.
inline OpenReport openBytes(Opened& o, const std::string& name, std::vector<uint8_t> bytes,
                            const OpenOptions& options = {}) {
    o.image.path = name;
    o.image.fileTitle = name;
    Outcome outcome;
    OpenReport report = openImageFromMemory(o.image, o.tree, std::move(bytes), options, outcome);
    present(o.platform, outcome);
    return report;
}

inline Opened::Opened(const std::string& name, std::vector<uint8_t> bytes,
                      const OpenOptions& options) {
    openBytes(*this, name, std::move(bytes), options);
}

// The bytes as an image held in memory, with the spare zero bytes every image keeps after them.
inline DiskImage memoryImage(std::vector<uint8_t> bytes, bool dos33 = false) {
    DiskImage image;
    image.buffer = std::move(bytes);
    image.buffer.resize(image.buffer.size() + kSpareBytes, 0);
    image.bufferValid = true;
    image.isDos33 = dos33;
    return image;
}

// Opens the host file at the path as File > Open does, showing what the open reported.
void openFile(Opened& o, const std::string& path);

// Runs a core operation that reports into an outcome, and shows the outcome on the platform.
template <typename Operation> auto reported(Platform& platform, Operation operation) {
    Outcome outcome;
    if constexpr (std::is_void_v<decltype(operation(outcome))>) {
        operation(outcome);
        present(platform, outcome);
    } else {
        auto result = operation(outcome);
        present(platform, outcome);
        return result;
    }
}

// Reads a fork of the ProDOS file whose entry is at that offset into o.file, showing what the
// read reported on the platform; its length, or below 0 when it could not be read.
int32_t readFork(Opened& o, uint32_t entry, Fork fork = Fork::Data);

// The bytes a read of n bytes left in the file buffer, having checked what every read keeps:
// the length, and four zero bytes after the data. None for a failed read (n below 0).
std::vector<uint8_t> readBytes(const FileDataBuffer& file, int32_t n);

// The texts of all nodes in tree order, each indented by two spaces per level.
std::vector<std::string> treeLines(const CatalogTree& tree);
// The node with that text under the parent (kRootLevel for the top), or kNoNode.
NodeId childWithText(const CatalogTree& tree, NodeId parent, const std::string& text);

} // namespace lk::test
