#include "shell/catalog_model.h"

#include "shell/tree_icons.h"

#include "catalog/tree_icon.h"

namespace lk {

namespace {

// A multiplicative hash of the id for the low half; the id itself in the high half, so the
// mapping is reversible without a table.
uint32_t mix(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

} // namespace

static_assert(sizeof(quintptr) >= 8, "node ids are kept in the upper half of a 64-bit id");

quintptr scrambleNodeId(NodeId node) {
    return (quintptr(node) << 32) | quintptr(mix(node));
}

NodeId unscrambleNodeId(quintptr id) {
    return NodeId(id >> 32);
}

CatalogModel::CatalogModel(CatalogTree& tree, QSize iconSize, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree) {
    for (int i = 0; i < kTreeIconCount; ++i) icons_.push_back(treeIconPicture(i, iconSize));
    tree_.setObserver(this);
}

CatalogModel::~CatalogModel() {
    tree_.setObserver(nullptr);
}

NodeId CatalogModel::nodeOf(const QModelIndex& index) const {
    return index.isValid() ? unscrambleNodeId(index.internalId()) : kRootLevel;
}

QModelIndex CatalogModel::indexOf(NodeId node) const {
    if (!tree_.valid(node)) return {};
    return createIndex(int(tree_.row(node)), 0, scrambleNodeId(node));
}

QModelIndex CatalogModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column != 0 || rebuilding_) return {};
    NodeId child = tree_.child(nodeOf(parent), uint32_t(row));
    if (child == kNoNode) return {};
    return createIndex(row, 0, scrambleNodeId(child));
}

QModelIndex CatalogModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    NodeId p = tree_.parent(nodeOf(child));
    return p == kNoNode ? QModelIndex() : indexOf(p);
}

int CatalogModel::rowCount(const QModelIndex& parent) const {
    if (rebuilding_ || parent.column() > 0) return 0;
    return int(tree_.childCount(nodeOf(parent)));
}

int CatalogModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool CatalogModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant CatalogModel::data(const QModelIndex& index, int role) const {
    const CatalogItem* item = tree_.item(nodeOf(index));
    if (!item) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return QString::fromLatin1(item->text.data(), qsizetype(item->text.size()));
    if (role == Qt::DecorationRole) {
        bool selected = tree_.selection() == nodeOf(index);
        int icon = selected ? selectedTreeIcon(*item) : treeIcon(*item);
        return icon >= 0 && size_t(icon) < icons_.size() ? icons_[size_t(icon)] : QVariant();
    }
    return {};
}

Qt::ItemFlags CatalogModel::flags(const QModelIndex& index) const {
    const CatalogItem* item = tree_.item(nodeOf(index));
    if (!item) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // A file can be dragged out to the desktop; a folder or the volume cannot.
    return isFile(item->kind) ? f | Qt::ItemIsDragEnabled : f;
}

void CatalogModel::beginRebuild() {
    if (rebuilding_++ == 0) beginResetModel();
}

void CatalogModel::endRebuild() {
    if (rebuilding_ > 0 && --rebuilding_ == 0) endResetModel();
}

void CatalogModel::aboutToInsert(NodeId parent, uint32_t row) {
    if (!rebuilding_)
        beginInsertRows(parent == kRootLevel ? QModelIndex() : indexOf(parent), int(row), int(row));
}

void CatalogModel::inserted(NodeId) {
    if (!rebuilding_) endInsertRows();
}

void CatalogModel::aboutToRemove(NodeId node) {
    if (rebuilding_) return;
    NodeId p = tree_.parent(node);
    int row = int(tree_.row(node));
    beginRemoveRows(p == kNoNode ? QModelIndex() : indexOf(p), row, row);
}

void CatalogModel::removed() {
    if (!rebuilding_) endRemoveRows();
}

void CatalogModel::aboutToClear() {
    if (!rebuilding_) beginResetModel();
}

void CatalogModel::cleared() {
    if (!rebuilding_) endResetModel();
}

void CatalogModel::itemChanged(NodeId node) {
    if (rebuilding_) return;
    QModelIndex i = indexOf(node);
    emit dataChanged(i, i);
}

void CatalogModel::selectionChanged(NodeId node) {
    if (!rebuilding_) emit treeSelectionChanged(node);
}

} // namespace lk
