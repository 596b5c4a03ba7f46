#include <QAbstractItemModelTester>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>
#include <set>

#include "catalog/tree_icon.h"
#include "open_helpers.h"
#include "shell/catalog_model.h"
#include "shell/catalog_view.h"
#include "shell/shell_menus.h"
#include "shell/tree_icons.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

class TreeViewTest : public ShellTest {
  protected:
    void SetUp() override {
        start();
        openThroughDialog(writeSampler(), "SAMPLER.po");
        window().treeView()->expandAll();
    }
    QPoint centreOf(const QModelIndex& index) {
        return window().treeView()->visualRect(index).center();
    }
};

QImage pictureOf(const QModelIndex& index) {
    return index.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
}

TEST_F(TreeViewTest, NodesShowTheirNamesAndPictures) {
    struct Case {
        std::vector<std::string> path;
        int icon;
    } cases[] = {
        {{}, kIconDisk35},
        {{"STARTUP"}, kIconApplesoft},
        {{"DOCUMENTS"}, kIconFolder},
        {{"IIGS", "FINDER"}, kIconS16},
    };
    QSize size = window().treeView()->iconSize();
    for (const Case& c : cases) {
        QModelIndex index = indexOfPath(c.path);
        ASSERT_TRUE(index.isValid());
        EXPECT_EQ(pictureOf(index), treeIconPicture(c.icon, size).pixmap(16).toImage()) << c.icon;
        EXPECT_EQ(index.data().toString().toStdString(),
                  c.path.empty() ? "SAMPLER" : c.path.back());
    }
    // A selected folder shows itself open.
    QModelIndex docs = indexOfPath({"DOCUMENTS"});
    window().treeView()->setCurrentIndex(docs);
    EXPECT_EQ(pictureOf(docs), treeIconPicture(kIconOpenFolder, size).pixmap(16).toImage());
}

TEST_F(TreeViewTest, RightClickSelectsTheItemBeforeItsMenuOpensAndRunsTheChoice) {
    QSignalSpy dispatched(&window(), &MainWindow::commandDispatched);
    QModelIndex file = indexOfPath({"IIGS", "FINDER"});
    platform->popupAnswer = cmd::kViewResourceFork;
    auto rightClick = [this](QPoint at) {
        QWidget* viewport = window().treeView()->viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &click);
    };
    rightClick(centreOf(file));
    EXPECT_EQ(window().treeView()->currentIndex(), file);
    EXPECT_EQ(state().tree.selection(), window().treeModel()->nodeOf(file));
    ASSERT_EQ(platform->popups.size(), 1u);
    std::set<int> on;
    for (const PopupItem& i : platform->popups[0])
        if (i.command && i.enabled) on.insert(i.command);
    EXPECT_EQ(on, std::set<int>({31, 33, 34, 35, 36, 41, 42}));
    ASSERT_EQ(dispatched.count(), 1);
    EXPECT_EQ(dispatched[0][0].toInt(), cmd::kViewResourceFork);

    // Right-clicking where there is no item opens nothing.
    rightClick(QPoint(5, window().treeView()->viewport()->height() - 2));
    EXPECT_EQ(platform->popups.size(), 1u);
}

TEST_F(TreeViewTest, DoubleClickViewsTheItemWhateverTheMenuSays) {
    QSignalSpy dispatched(&window(), &MainWindow::commandDispatched);
    QModelIndex folder = indexOfPath({"DOCUMENTS"});
    QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, centreOf(folder));
    QTest::mouseDClick(window().treeView()->viewport(), Qt::LeftButton, {}, centreOf(folder));
    EXPECT_EQ(state().tree.selection(), window().treeModel()->nodeOf(folder));
    // The folder's View item is greyed; the double click goes through all the same.
    EXPECT_FALSE(enabled(cmd::kViewFile));
    ASSERT_EQ(dispatched.count(), 1);
    EXPECT_EQ(dispatched[0][0].toInt(), cmd::kViewFile);
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
}

TEST(CatalogModel, InternalIdsGiveTheNodeBack) {
    for (NodeId n : {0u, 1u, 2u, 1000u, 65535u, 100000u, 0xFFFFFFFEu})
        EXPECT_EQ(unscrambleNodeId(scrambleNodeId(n)), n);
}

} // namespace
} // namespace lk::test
