#include "open_helpers.h"

namespace lk::test {

namespace {
void collect(const CatalogTree& tree, NodeId node, int depth, std::vector<std::string>& out) {
    for (NodeId c = tree.firstChild(node); c != kNoNode; c = tree.nextSibling(c)) {
        out.push_back(std::string(size_t(2 * depth), ' ') + tree.item(c)->text);
        collect(tree, c, depth + 1, out);
    }
}
} // namespace

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
