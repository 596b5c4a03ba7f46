#include "catalog/find_path.h"

#include <cctype>

namespace lk {

namespace {

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    a = trimRight(a);
    b = trimRight(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper((unsigned char)a[i]) != std::toupper((unsigned char)b[i])) return false;
    }
    return true;
}

NodeId childNamed(const CatalogTree& tree, NodeId parent, std::string_view name) {
    for (NodeId c = tree.firstChild(parent); c != kNoNode; c = tree.nextSibling(c)) {
        if (sameName(tree.item(c)->text, name)) return c;
    }
    return kNoNode;
}

// Follows the names of `path` down from `node`. DOS 3.3 names may themselves hold a "/", so the
// whole rest of the path is tried as one name before it is split.
NodeId descend(const CatalogTree& tree, NodeId node, std::string_view path) {
    while (node != kNoNode) {
        while (!path.empty() && path.front() == '/') path.remove_prefix(1);
        if (path.empty()) return node;
        if (NodeId whole = childNamed(tree, node, path); whole != kNoNode) return whole;
        size_t slash = path.find('/');
        node = childNamed(tree, node, path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash);
    }
    return kNoNode;
}

} // namespace

NodeId findNodeByPath(const CatalogTree& tree, std::string_view path) {
    NodeId node = tree.root();
    if (node == kNoNode) return kNoNode;
    if (!path.empty() && path.front() == '/') {
        path.remove_prefix(1);
        size_t slash = path.find('/');
        if (!sameName(tree.item(node)->text, path.substr(0, slash))) return kNoNode;
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash);
    }
    return descend(tree, node, path);
}

std::string nodePath(const CatalogTree& tree, NodeId node) {
    std::string path;
    for (NodeId n = node; n != kNoNode; n = tree.parent(n))
        path = "/" + std::string(trimRight(tree.item(n)->text)) + path;
    return path;
}

} // namespace lk
