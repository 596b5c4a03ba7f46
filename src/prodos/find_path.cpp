#include "prodos/find_path.h"

#include <cctype>
#include <vector>

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

std::vector<std::string_view> components(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        size_t slash = path.find('/');
        std::string_view part = path.substr(0, slash);
        if (!part.empty()) parts.push_back(part);
        if (slash == std::string_view::npos) break;
        path.remove_prefix(slash + 1);
    }
    return parts;
}

NodeId childNamed(const CatalogTree& tree, NodeId parent, std::string_view name) {
    for (NodeId c = tree.firstChild(parent); c != kNoNode; c = tree.nextSibling(c)) {
        if (sameName(tree.item(c)->text, name)) return c;
    }
    return kNoNode;
}

} // namespace

NodeId findNodeByPath(const CatalogTree& tree, std::string_view path) {
    NodeId node = tree.root();
    if (node == kNoNode) return kNoNode;
    std::vector<std::string_view> parts = components(path);
    size_t first = 0;
    if (!path.empty() && path.front() == '/') {
        if (parts.empty() || !sameName(tree.item(node)->text, parts[0])) return kNoNode;
        first = 1;
    }
    for (size_t i = first; i < parts.size() && node != kNoNode; ++i)
        node = childNamed(tree, node, parts[i]);
    return node;
}

std::string nodePath(const CatalogTree& tree, NodeId node) {
    std::string path;
    for (NodeId n = node; n != kNoNode; n = tree.parent(n))
        path = "/" + std::string(trimRight(tree.item(n)->text)) + path;
    return path;
}

} // namespace lk
