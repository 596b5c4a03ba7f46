#include "shell/tree_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "catalog/tree_icon.h"

// Resources compiled into a static library must be registered by name from outside any
// namespace.
static void registerLarkspoonResources() {
    Q_INIT_RESOURCE(larkspoon);
}

namespace lk {

namespace {

constexpr const char* kTreeIconFiles[kTreeIconCount] = {
    "00-hard-disk",   "01-disk-35",     "02-disk-525", "03-folder",       "04-open-folder",
    "05-blank-page",  "06-prodos",      "07-text",     "08-applesoft",    "09-word-processor",
    "10-s16",         "11-system",      "12-binary",   "13-basic-system", "14-data-base",
    "15-graphics-wp", "16-spreadsheet", "17-archive",  "18-icon-file",
};

QPixmap render(const QString& resource, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

void initShellResources() {
    registerLarkspoonResources();
}

QString treeIconResource(int index) {
    if (index < 0 || index >= kTreeIconCount) return {};
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(kTreeIconFiles[index]));
}

QIcon treeIconPicture(int index, QSize size) {
    QString resource = treeIconResource(index);
    if (resource.isEmpty()) resource = treeIconResource(kIconBlankPage);
    QIcon icon;
    // Twice the size too, for screens with more pixels per point.
    for (int scale : {1, 2}) {
        QPixmap pixmap = render(resource, size * scale);
        pixmap.setDevicePixelRatio(scale);
        // The same picture while selected: no tinting by the style.
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(pixmap, QIcon::Selected);
    }
    return icon;
}

QIcon programIcon() {
    QIcon icon;
    for (int s : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(render(":/icons/larkspoon.svg", QSize(s, s)));
    return icon;
}

} // namespace lk
