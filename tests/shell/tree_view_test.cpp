// The tree: its model, its pictures (every one drawn, and the program's icon), the right click
// and the double click; and the user guide's pages.
#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

#include "catalog/catalog_tree.h"
#include "catalog/tree_icon.h"
#include "open_helpers.h"
#include "shell/catalog_model.h"
#include "shell/catalog_view.h"
#include "shell/help_window.h"
#include "shell/shell_menus.h"
#include "shell/tree_icons.h"
#include "shell_fixture.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

class TreeViewTest : public ShellTest {
  protected:
    void SetUp() override {
        start();
        openThroughDialog(writeSampler(), "SAMPLER.po");
        window().treeView()->expandAll();
    }
};

// A selected folder shows itself open.
TEST_F(TreeViewTest, ASelectedFolderShowsItselfOpen) {
    QModelIndex docs = indexOfPath({"DOCUMENTS"});
    window().treeView()->setCurrentIndex(docs);
    QImage open =
        treeIconPicture(kIconOpenFolder, window().treeView()->iconSize()).pixmap(16).toImage();
    EXPECT_EQ(docs.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage(), open);
}

TEST_F(TreeViewTest, RightClickSelectsTheItemBeforeItsMenuOpensAndRunsTheChoice) {
    QSignalSpy dispatched(&window(), &MainWindow::commandDispatched);
    QModelIndex file = indexOfPath({"IIGS", "FINDER"});
    platform->popupAnswer = cmd::kViewResourceFork;
    QWidget* viewport = window().treeView()->viewport();
    rightClick(viewport, window().treeView()->visualRect(file).center());
    EXPECT_EQ(window().treeView()->currentIndex(), file);
    EXPECT_EQ(state().tree.selection(), window().treeModel()->nodeOf(file));
    ASSERT_EQ(platform->popups.size(), 1u);
    ASSERT_EQ(dispatched.count(), 1);
    EXPECT_EQ(dispatched[0][0].toInt(), cmd::kViewResourceFork);

    // Right-clicking where there is no item opens nothing.
    rightClick(viewport, QPoint(5, viewport->height() - 2));
    EXPECT_EQ(platform->popups.size(), 1u);
}

TEST_F(TreeViewTest, DoubleClickViewsTheItemWhateverTheMenuSays) {
    QSignalSpy dispatched(&window(), &MainWindow::commandDispatched);
    QModelIndex folder = indexOfPath({"DOCUMENTS"});
    clickItem({"DOCUMENTS"}, true);
    EXPECT_EQ(state().tree.selection(), window().treeModel()->nodeOf(folder));
    // The folder's View item is greyed; the double click goes through all the same.
    EXPECT_FALSE(enabled(cmd::kViewFile));
    ASSERT_EQ(dispatched.count(), 1);
    EXPECT_EQ(dispatched[0][0].toInt(), cmd::kViewFile);
}

// After a delete the tree shows, selected, the item the commands now act on.
TEST_F(TreeViewTest, TheItemShownSelectedAfterADeleteIsTheOneCommandsUse) {
    clickItem({"DOCUMENTS"});
    platform->answers = {true};
    run(cmd::kDeleteFile);
    NodeId selected = state().tree.selection();
    ASSERT_NE(selected, kNoNode);
    QModelIndex shown = window().treeView()->currentIndex();
    EXPECT_EQ(shown, window().treeModel()->indexOf(selected));
    EXPECT_TRUE(window().treeView()->selectionModel()->isSelected(shown));
}

// A click beside the items, or a Ctrl+click on the selected one, leaves it selected: the tree
// never shows nothing while the commands act on an item.
TEST_F(TreeViewTest, TheSelectedItemStaysShownWhereAClickSelectsNothing) {
    QTreeView* view = window().treeView();
    view->collapseAll();
    view->expand(view->model()->index(0, 0));
    clickItem({"DOCUMENTS"});
    QModelIndex docs = indexOfPath({"DOCUMENTS"});
    QWidget* viewport = view->viewport();
    QPoint beside(5, viewport->height() - 2);
    ASSERT_FALSE(view->indexAt(beside).isValid());
    for (auto [at, keys] :
         {std::pair{beside, Qt::KeyboardModifiers()},
          std::pair{view->visualRect(docs).center(), Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
        QTest::mouseClick(viewport, Qt::LeftButton, keys, at);
        EXPECT_TRUE(view->selectionModel()->isSelected(docs));
        EXPECT_EQ(state().tree.selection(), window().treeModel()->nodeOf(docs));
    }
}

TEST(CatalogModel, FollowsSingleChangesAndWholeRebuilds) {
    Opened o;
    CatalogModel model(o.tree, QSize(16, 16));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.beginRebuild();
    openBytes(o, "SAMPLER.po", samplerVolume());
    model.endRebuild();
    ASSERT_EQ(model.rowCount(), 1);
    QModelIndex root = model.index(0, 0);
    EXPECT_EQ(model.rowCount(root), 7);

    NodeId games = childWithText(o.tree, o.tree.root(), "GAMES");
    CatalogItem item;
    item.text = "NEW.FILE";
    item.kind = NodeKind::File;
    item.fileType = 0x04;
    NodeId added = o.tree.insert(games, kInsertFirst, item);
    EXPECT_EQ(model.rowCount(model.indexOf(games)), 4);
    EXPECT_EQ(model.indexOf(added).row(), 0);
    item.text = "RENAMED";
    o.tree.setItem(added, item);
    EXPECT_EQ(model.indexOf(added).data().toString(), "RENAMED");
    o.tree.remove(childWithText(o.tree, o.tree.root(), "DOCUMENTS"));
    EXPECT_EQ(model.rowCount(root), 6);
    EXPECT_EQ(model.indexOf(added).parent(), model.indexOf(games));
    o.tree.clear();
    EXPECT_EQ(model.rowCount(), 0);
    // The ids inside model indexes give the node back.
    for (NodeId n : {0u, 65535u, 0xFFFFFFFEu}) EXPECT_EQ(unscrambleNodeId(scrambleNodeId(n)), n);
}

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
    // An index the tree does not know still shows a picture.
    EXPECT_FALSE(treeIconPicture(99, QSize(16, 16)).pixmap(16).isNull());
    for (int size : {16, 256})
        EXPECT_GT(coverage(programIcon().pixmap(size).toImage()), 0.5) << size;
}

TEST(HelpPages, OpenAtTheContentsAndEveryLinkLeadsToAPage) {
    HelpWindow help;
    help.showContents();
    EXPECT_EQ(help.browser()->documentTitle(), "Larkspoon Help");
    QDir dir(QStringLiteral(":/help"));
    QRegularExpression links(QStringLiteral("(?:href|src)=\"([^\"#]+)"));
    for (const QString& page : dir.entryList({QStringLiteral("*.html")})) {
        QFile file(dir.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        QString html = QString::fromUtf8(file.readAll());
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

// An installed guide (share/larkspoon/help beside the program's bin folder) is shown before the
// one built in.
TEST(HelpPages, TheGuideInstalledBesideTheProgramComesFirst) {
    TempFolder install;
    std::filesystem::create_directories(install.path + "/bin");
    std::filesystem::create_directories(install.path + "/share/larkspoon/help");
    install.writeText("share/larkspoon/help/index.html",
                      "<html><head><title>Installed</title></head></html>");
    HelpWindow help(nullptr, QString::fromStdString(install.path + "/bin"));
    help.showContents();
    EXPECT_EQ(help.browser()->documentTitle(), "Installed");
}

} // namespace
} // namespace lk::test
