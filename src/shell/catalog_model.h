// The catalog tree as a Qt item model. It follows the core tree through the tree's observer,
// node by node for single changes and all at once around a whole open.
#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <QSize>
#include <vector>

#include "catalog/catalog_tree.h"

namespace lk {

class CatalogModel : public QAbstractItemModel, private CatalogTreeObserver {
    Q_OBJECT
  public:
    CatalogModel(CatalogTree& tree, QSize iconSize, QObject* parent = nullptr);
    ~CatalogModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QModelIndex indexOf(NodeId node) const;
    NodeId nodeOf(const QModelIndex& index) const;

    // Between these two the model ignores the tree's changes and then shows the new tree whole.
    void beginRebuild();
    void endRebuild();

  signals:
    // The core's selection moved (by a command, not by the view).
    void treeSelectionChanged(lk::NodeId node);

  private:
    void aboutToInsert(NodeId parent, uint32_t row) override;
    void inserted(NodeId node) override;
    void aboutToRemove(NodeId node) override;
    void removed() override;
    void aboutToClear() override;
    void cleared() override;
    void itemChanged(NodeId node) override;
    void selectionChanged(NodeId node) override;

    CatalogTree& tree_;
    std::vector<QIcon> icons_;
    int rebuilding_ = 0;
};

// Node ids are small numbers in tree order; the view hashes model indexes on their internal id,
// so ids are spread over the whole word to keep those hashes apart.
quintptr scrambleNodeId(NodeId node);
NodeId unscrambleNodeId(quintptr id);

} // namespace lk
