// The catalog tree: one node for the volume and one for every folder and file, in directory
// order. Each node's CatalogItem names the directory entry it stands for by its byte offset in
// the image buffer, the only link from the tree back to the disk. The shell's tree view shows
// this model; everything else reads and changes it here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lk {

using NodeId = uint32_t;
inline constexpr NodeId kNoNode = 0xFFFFFFFFu;
// The invisible node above the top-level items (the tree's own root level).
inline constexpr NodeId kRootLevel = 0;
// Insertion places besides "after this sibling".
inline constexpr NodeId kInsertFirst = 0xFFFFFFFEu;
inline constexpr NodeId kInsertLast = 0xFFFFFFFDu;

inline constexpr size_t kMaxItemText = 260;

// Tree icon indexes.
enum TreeIcon : int {
    kIconHardDisk = 0,
    kIconDisk35 = 1,
    kIconDisk525 = 2,
    kIconFolder = 3,
    kIconOpenFolder = 4,
    kIconBlankPage = 5,
    kIconProdos = 6,
    kIconText = 7,
    kIconApplesoft = 8,
    kIconWordProcessor = 9,
    kIconS16 = 10,
    kIconSystem = 11,
    kIconBinary = 12,
    kIconBasicSystem = 13,
    kIconDataBase = 14,
    kIconGraphicsWP = 15,
    kIconSpreadsheet = 16,
    kIconArchive = 17,
    kIconIconFile = 18,
    kTreeIconCount = 19,
};

struct CatalogItem {
    std::string text;
    int icon = 0;
    int selectedIcon = 0;
    int hasChildren = 0;
    uint32_t entryOffset = 0;
};

// Told of every change, so that a view can follow the model.
class CatalogTreeObserver {
  public:
    virtual ~CatalogTreeObserver() = default;
    virtual void aboutToInsert(NodeId parent, uint32_t row) = 0;
    virtual void inserted(NodeId node) = 0;
    virtual void aboutToRemove(NodeId node) = 0;
    virtual void removed() = 0;
    virtual void aboutToClear() = 0;
    virtual void cleared() = 0;
    virtual void itemChanged(NodeId node) = 0;
    virtual void selectionChanged(NodeId node) = 0;
};

class CatalogTree {
  public:
    CatalogTree();

    // Inserts under `parent` (kRootLevel for the top) at `after`: kInsertFirst, kInsertLast or
    // a child of `parent`. Returns the new node, or kNoNode when the place does not exist.
    NodeId insert(NodeId parent, NodeId after, CatalogItem item);
    // Removes the node and its whole subtree; the selection is cleared if it was inside.
    void remove(NodeId node);
    // Removes every node and clears the selection.
    void clear();

    bool empty() const { return nodes_[kRootLevel].children.empty(); }
    bool valid(NodeId node) const;
    // The first top-level node, or kNoNode.
    NodeId root() const { return firstChild(kRootLevel); }
    // kNoNode for a top-level node.
    NodeId parent(NodeId node) const;
    NodeId firstChild(NodeId node) const;
    NodeId lastChild(NodeId node) const;
    NodeId nextSibling(NodeId node) const;
    NodeId previousSibling(NodeId node) const;
    uint32_t childCount(NodeId node) const;
    NodeId child(NodeId node, uint32_t row) const;
    uint32_t row(NodeId node) const;
    // Depth below the top level (0 for a top-level node).
    int depth(NodeId node) const;

    const CatalogItem* item(NodeId node) const;
    // Changes a node's item in place and tells the observer.
    bool setItem(NodeId node, CatalogItem item);

    NodeId selection() const { return selected_; }
    void select(NodeId node);

    // Nodes alive in the tree, whatever treeItemCount says.
    size_t size() const { return liveCount_; }

    void setObserver(CatalogTreeObserver* observer) { observer_ = observer; }

    // Nodes inserted since the tree was last emptied; removals subtract.
    int treeItemCount = 0;
    // The icon chosen for the volume node.
    int volumeIcon = 0;
    // Where the tree builders insert next.
    NodeId currentParent = kRootLevel;
    NodeId insertAfter = kInsertLast;

  private:
    struct Node {
        CatalogItem item;
        NodeId parent = kNoNode;
        uint32_t row = 0;
        bool live = false;
        std::vector<NodeId> children;
    };
    void renumber(NodeId parent, uint32_t fromRow);
    void kill(NodeId node);

    std::vector<Node> nodes_;
    NodeId selected_ = kNoNode;
    size_t liveCount_ = 0;
    CatalogTreeObserver* observer_ = nullptr;
};

} // namespace lk
