#include "open_helpers.h"

#include <gtest/gtest.h>

#include "base/host_file.h"
#include "prodos/read_file.h"

namespace lk::test {

namespace {
void collect(const CatalogTree& tree, NodeId node, int depth, std::vector<std::string>& out) {
    for (NodeId c = tree.firstChild(node); c != kNoNode; c = tree.nextSibling(c)) {
        out.push_back(std::string(size_t(2 * depth), ' ') + tree.item(c)->text);
        collect(tree, c, depth + 1, out);
    }
}
} // namespace

void openFile(Opened& o, const std::string& path) {
    o.image.path = path;
    o.image.fileTitle = splitPath(path).fileName;
    reported(o.platform, [&](Outcome& out) { openImage(o.image, o.tree, out); });
}

int32_t readFork(Opened& o, uint32_t entry, Fork fork) {
    return reported(o.platform, [&](Outcome& out) {
        return readProdosFile(o.image, entry, fork, o.file, out);
    });
}

std::vector<uint8_t> readBytes(const FileDataBuffer& file, int32_t n) {
    EXPECT_EQ(file.fileLength, n);
    if (n < 0) return {};
    EXPECT_EQ(file.fileData.size(), size_t(n) + 4);
    if (file.fileData.size() != size_t(n) + 4) return {};
    EXPECT_EQ(le32(file.fileData.data() + n), 0u);
    return std::vector<uint8_t>(file.fileData.begin(), file.fileData.begin() + n);
}

std::vector<std::string> treeLines(const CatalogTree& tree) {
    std::vector<std::string> out;
    collect(tree, kRootLevel, 0, out);
    return out;
}

NodeId childWithText(const CatalogTree& tree, NodeId parent, const std::string& text) {
    for (NodeId c = tree.firstChild(parent); c != kNoNode; c = tree.nextSibling(c)) {
        if (tree.item(c)->text == text) return c;
    }
    return kNoNode;
}

} // namespace lk::test
