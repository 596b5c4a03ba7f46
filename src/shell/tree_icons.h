// The pictures of the tree's nodes and the program's own icon, drawn from the SVG resources at
// the size asked for, so that they stay sharp at 16, 32 or any other size.
#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

namespace lk {

// The resource holding tree picture `index` (0 - 18); empty for an index out of range.
QString treeIconResource(int index);
// The tree picture at that size; a node's picture shows the same when selected (a folder's
// open picture is its own index).
QIcon treeIconPicture(int index, QSize size);
QIcon programIcon();

// Makes the resources of the shell library known to Qt (needed once, before the first use).
void initShellResources();

} // namespace lk
