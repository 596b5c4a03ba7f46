#include "shell/catalog_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>

#include "shell/catalog_model.h"

namespace lk {

CatalogView::CatalogView(CatalogModel* model, QWidget* parent) : QTreeView(parent), model_(model) {
    setModel(model);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true); // keeps a tree of thousands of files quick to lay out
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Files are dragged out to the desktop as Export As would write them; nothing is dropped in.
    setDragDropMode(QAbstractItemView::DragOnly);
    setAcceptDrops(false);
    setAnimated(false);
    setFrameShape(QFrame::StyledPanel);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onCurrentChanged(current); });
    connect(model, &CatalogModel::treeSelectionChanged, this,
            [this](NodeId node) { showSelection(node); });
}

void CatalogView::showSelection(NodeId node) {
    syncing_ = true;
    QModelIndex index = model_->indexOf(node);
    if (index.isValid()) {
        setCurrentIndex(index);
        scrollTo(index);
    } else {
        selectionModel()->clear();
    }
    syncing_ = false;
}

void CatalogView::expandNode(NodeId node) {
    QModelIndex index = model_->indexOf(node);
    if (index.isValid()) expand(index);
}

QItemSelectionModel::SelectionFlags CatalogView::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    // The commands act on the current item, so the tree never stops showing it selected: a
    // click beside the items, or a Ctrl+click on the selected one, changes nothing.
    QItemSelectionModel::SelectionFlags flags = QTreeView::selectionCommand(index, event);
    if (!index.isValid() || (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)))
        return QItemSelectionModel::NoUpdate;
    return flags;
}

void CatalogView::onCurrentChanged(const QModelIndex& current) {
    if (syncing_) return;
    emit nodeSelected(current.isValid() ? model_->nodeOf(current) : kNoNode);
}

void CatalogView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // The menu key opens the menu of the current item, just below it.
        QModelIndex index = currentIndex();
        if (!index.isValid()) return;
        QPoint at = viewport()->mapToGlobal(visualRect(index).bottomLeft());
        emit nodeRightClicked(model_->nodeOf(index), at);
        return;
    }
    QModelIndex index = indexAt(event->pos());
    if (index.isValid()) emit nodeRightClicked(model_->nodeOf(index), event->globalPos());
}

void CatalogView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit nodeDoubleClicked();
}

void CatalogView::startDrag(Qt::DropActions) {
    QModelIndex index = currentIndex();
    if (index.isValid() && (model_->flags(index) & Qt::ItemIsDragEnabled))
        emit nodeDragged(model_->nodeOf(index));
}

} // namespace lk
