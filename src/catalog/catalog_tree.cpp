#include "catalog/catalog_tree.h"

#include <algorithm>

namespace lk {

CatalogTree::CatalogTree() {
    nodes_.emplace_back();
    nodes_[kRootLevel].live = true;
}

bool CatalogTree::valid(NodeId node) const {
    return node != kRootLevel && node < nodes_.size() && nodes_[node].live;
}

NodeId CatalogTree::insert(NodeId parent, NodeId after, CatalogItem item) {
    if (parent != kRootLevel && !valid(parent)) return kNoNode;
    uint32_t at;
    const auto& siblings = nodes_[parent].children;
    if (after == kInsertLast) {
        at = uint32_t(siblings.size());
    } else if (after == kInsertFirst) {
        at = 0;
    } else {
        if (!valid(after) || nodes_[after].parent != parent) return kNoNode;
        at = nodes_[after].row + 1;
    }
    if (item.text.size() > kMaxItemText) item.text.resize(kMaxItemText);
    if (observer_) observer_->aboutToInsert(parent, at);
    NodeId id = NodeId(nodes_.size());
    Node node;
    node.item = std::move(item);
    node.parent = parent;
    node.row = at;
    node.live = true;
    nodes_.push_back(std::move(node));
    auto& children = nodes_[parent].children;
    children.insert(children.begin() + at, id);
    renumber(parent, at + 1);
    ++liveCount_;
    if (observer_) observer_->inserted(id);
    return id;
}

void CatalogTree::renumber(NodeId parent, uint32_t fromRow) {
    auto& children = nodes_[parent].children;
    for (uint32_t r = fromRow; r < children.size(); ++r) nodes_[children[r]].row = r;
}

void CatalogTree::kill(NodeId node) {
    // Iterative, so that a deep tree cannot exhaust the stack.
    std::vector<NodeId> pending{node};
    while (!pending.empty()) {
        NodeId n = pending.back();
        pending.pop_back();
        Node& dead = nodes_[n];
        dead.live = false;
        --liveCount_;
        if (selected_ == n) selected_ = kNoNode;
        pending.insert(pending.end(), dead.children.begin(), dead.children.end());
        dead.children.clear();
        dead.children.shrink_to_fit();
        dead.item = CatalogItem{};
    }
}

void CatalogTree::remove(NodeId node) {
    if (!valid(node)) return;
    // A view may move the selection on to a neighbour while the rows go; what is selected
    // after that is what goes with the subtree.
    if (observer_) observer_->aboutToRemove(node);
    NodeId selectedBefore = selected_;
    NodeId parent = nodes_[node].parent;
    uint32_t at = nodes_[node].row;
    auto& children = nodes_[parent].children;
    children.erase(children.begin() + at);
    renumber(parent, at);
    kill(node);
    if (observer_) observer_->removed();
    if (selectedBefore != kNoNode && selected_ == kNoNode && observer_)
        observer_->selectionChanged(kNoNode);
}

void CatalogTree::clear() {
    if (observer_) observer_->aboutToClear();
    nodes_.clear();
    nodes_.emplace_back();
    nodes_[kRootLevel].live = true;
    selected_ = kNoNode;
    liveCount_ = 0;
    treeItemCount = 0;
    if (observer_) observer_->cleared();
}

NodeId CatalogTree::parent(NodeId node) const {
    if (!valid(node)) return kNoNode;
    NodeId p = nodes_[node].parent;
    return p == kRootLevel ? kNoNode : p;
}

NodeId CatalogTree::firstChild(NodeId node) const {
    if (node != kRootLevel && !valid(node)) return kNoNode;
    const auto& c = nodes_[node].children;
    return c.empty() ? kNoNode : c.front();
}

NodeId CatalogTree::lastChild(NodeId node) const {
    if (node != kRootLevel && !valid(node)) return kNoNode;
    const auto& c = nodes_[node].children;
    return c.empty() ? kNoNode : c.back();
}

NodeId CatalogTree::nextSibling(NodeId node) const {
    if (!valid(node)) return kNoNode;
    const auto& c = nodes_[nodes_[node].parent].children;
    uint32_t r = nodes_[node].row + 1;
    return r < c.size() ? c[r] : kNoNode;
}

NodeId CatalogTree::previousSibling(NodeId node) const {
    if (!valid(node)) return kNoNode;
    uint32_t r = nodes_[node].row;
    return r == 0 ? kNoNode : nodes_[nodes_[node].parent].children[r - 1];
}

uint32_t CatalogTree::childCount(NodeId node) const {
    if (node != kRootLevel && !valid(node)) return 0;
    return uint32_t(nodes_[node].children.size());
}

NodeId CatalogTree::child(NodeId node, uint32_t row) const {
    if (node != kRootLevel && !valid(node)) return kNoNode;
    const auto& c = nodes_[node].children;
    return row < c.size() ? c[row] : kNoNode;
}

uint32_t CatalogTree::row(NodeId node) const {
    return valid(node) ? nodes_[node].row : 0;
}

int CatalogTree::depth(NodeId node) const {
    int d = 0;
    for (NodeId p = parent(node); p != kNoNode; p = parent(p)) ++d;
    return d;
}

const CatalogItem* CatalogTree::item(NodeId node) const {
    return valid(node) ? &nodes_[node].item : nullptr;
}

bool CatalogTree::setItem(NodeId node, CatalogItem item) {
    if (!valid(node)) return false;
    if (item.text.size() > kMaxItemText) item.text.resize(kMaxItemText);
    nodes_[node].item = std::move(item);
    if (observer_) observer_->itemChanged(node);
    return true;
}

void CatalogTree::select(NodeId node) {
    NodeId next = valid(node) ? node : kNoNode;
    if (next == selected_) return;
    selected_ = next;
    if (observer_) observer_->selectionChanged(selected_);
}

} // namespace lk
