// The tree pane: shows the catalog model and reports what the user does with it as node ids.
#pragma once

#include <QPoint>
#include <QTreeView>

#include "catalog/catalog_tree.h"

namespace lk {

class CatalogModel;

class CatalogView : public QTreeView {
    Q_OBJECT
  public:
    explicit CatalogView(CatalogModel* model, QWidget* parent = nullptr);

    // Moves the view's current item to the node without reporting it as the user's choice.
    void showSelection(NodeId node);
    void expandNode(NodeId node);

  signals:
    void nodeSelected(lk::NodeId node);
    void nodeDoubleClicked();
    void nodeRightClicked(lk::NodeId node, QPoint screenPos);
    // A file is being dragged out of the tree.
    void nodeDragged(lk::NodeId node);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

  private:
    void onCurrentChanged(const QModelIndex& current);

    CatalogModel* model_;
    bool syncing_ = false;
};

} // namespace lk
