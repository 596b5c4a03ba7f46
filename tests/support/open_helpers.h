// Opening images built by the tests, with the scripted platform.
#pragma once

#include <string>
#include <vector>

#include "image/disk_image.h"
#include "volume/open_image.h"
#include "catalog/catalog_tree.h"
#include "base/file_data.h"
#include "scripted_platform.h"

namespace lk::test {

struct Opened {
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

// The texts of all nodes in tree order, each indented by two spaces per level.
std::vector<std::string> treeLines(const CatalogTree& tree);
// The node with that text under the parent (kRootLevel for the top), or kNoNode.
NodeId childWithText(const CatalogTree& tree, NodeId parent, const std::string& text);

} // namespace lk::test
