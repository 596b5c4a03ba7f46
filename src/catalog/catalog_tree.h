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

// What a node stands for. Its icon and whether it can hold children follow from it.
enum class NodeKind : uint8_t {
    Volume,    // a ProDOS volume directory header
    Folder,    // a ProDOS subdirectory entry
    File,      // a ProDOS file entry (seedling, sapling, tree or extended)
    DosVolume, // the VTOC of a DOS 3.3 disk
    DosFile,   // a DOS 3.3 catalog entry
};

// The size class of the image a ProDOS volume node stands for, which its icon shows.
enum class Medium : uint8_t { Floppy525, Floppy35, HardDisk };

struct CatalogItem {
    std::string text;
    NodeKind kind = NodeKind::File;
    // The ProDOS file type of a File, the DOS 3.3 type code (lock bit cleared) of a DosFile.
    uint8_t fileType = 0;
    Medium medium = Medium::Floppy525; // of a Volume
    uint32_t entryOffset = 0;
};

inline bool isVolume(NodeKind kind) {
    return kind == NodeKind::Volume || kind == NodeKind::DosVolume;
}
inline bool isFile(NodeKind kind) {
    return kind == NodeKind::File || kind == NodeKind::DosFile;
}
// The volume and folder nodes hold the nodes below them.
inline bool canHaveChildren(NodeKind kind) {
    return !isFile(kind);
}

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
