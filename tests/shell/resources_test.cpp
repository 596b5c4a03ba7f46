#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <set>

#include "catalog/catalog_tree.h"
#include "catalog/tree_icon.h"
#include "shell/help_window.h"
#include "shell/tree_icons.h"

namespace lk {
namespace {

double coverage(const QImage& image) {
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) > 128;
    return double(opaque) / (image.width() * image.height());
}

TEST(TreeIcons, EveryPictureIsDrawnAtSixteenAndThirtyTwoPixels) {
    std::set<QByteArray> seen;
    for (int i = 0; i < kTreeIconCount; ++i) {
        for (int size : {16, 32}) {
            QImage image = treeIconPicture(i, QSize(size, size)).pixmap(size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size)) << i;
            EXPECT_GT(coverage(image), 0.2) << "icon " << i << " at " << size;
            if (size == 16) {
                QByteArray bytes(reinterpret_cast<const char*>(image.constBits()),
                                 image.sizeInBytes());
                EXPECT_TRUE(seen.insert(bytes).second) << "icon " << i << " looks like another";
            }
        }
    }
    EXPECT_TRUE(treeIconResource(kTreeIconCount).isEmpty());
    EXPECT_TRUE(treeIconResource(-1).isEmpty());
    // An index the tree does not know still shows a picture.
    EXPECT_FALSE(treeIconPicture(99, QSize(16, 16)).pixmap(16).isNull());
    for (int size : {16, 32, 256})
        EXPECT_GT(coverage(programIcon().pixmap(size).toImage()), 0.5) << size;
}

TEST(HelpPages, OpenAtTheContentsAndEveryLinkLeadsToAPage) {
    HelpWindow help;
    help.showContents();
    EXPECT_EQ(help.browser()->source(), HelpWindow::contentsUrl());
    EXPECT_EQ(help.browser()->documentTitle(), "Larkspoon Help");

    QDir dir(QStringLiteral(":/help"));
    QStringList pages = dir.entryList({QStringLiteral("*.html")});
    EXPECT_GE(pages.size(), 4);
    QRegularExpression links(QStringLiteral("(?:href|src)=\"([^\"#]+)"));
    for (const QString& page : pages) {
        QFile file(dir.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << page.toStdString();
        for (auto m = links.globalMatch(html); m.hasNext();) {
            QString target = m.next().captured(1);
            QString resource = target.startsWith(QStringLiteral("qrc:"))
                                   ? target.mid(3)
                                   : QStringLiteral(":/help/") + target;
            EXPECT_TRUE(QFile::exists(resource))
                << page.toStdString() << " -> " << target.toStdString();
        }
        help.showPage(page);
        EXPECT_FALSE(help.browser()->toPlainText().isEmpty()) << page.toStdString();
    }
}

} // namespace
} // namespace lk
