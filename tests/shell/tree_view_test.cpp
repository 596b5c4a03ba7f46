#include <QAbstractItemModelTester>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>
#include <set>

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
    bool enabled(int command) { return window().menus()->action(command)->isEnabled(); }
    QPoint centreOf(const QModelIndex& index) {
        return window().treeView()->visualRect(index).center();
    }
};

TEST_F(TreeViewTest, NodesShowTheirNamesAndPictures) {
    struct Case {
        std::vector<std::string> path;
        int icon;
    } cases[] = {
        {{}, kIconDisk35},
        {{"PRODOS"}, kIconProdos},
        {{"BASIC.SYSTEM"}, kIconBasicSystem},
        {{"STARTUP"}, kIconApplesoft},
        {{"DOCUMENTS"}, kIconFolder},
        {{"DOCUMENTS", "LETTER"}, kIconWordProcessor},
        {{"GAMES", "LOADER.SYSTEM"}, kIconSystem},
        {{"IIGS", "FINDER"}, kIconS16},
        {{"MONITOR.DUMP"}, kIconBlankPage},
    };
    for (const Case& c : cases) {
        QModelIndex index = indexOfPath(c.path);
        ASSERT_TRUE(index.isValid());
        QIcon shown = index.data(Qt::DecorationRole).value<QIcon>();
        QIcon expected = treeIcon(c.icon, window().treeView()->iconSize());
        EXPECT_EQ(shown.pixmap(16).toImage(), expected.pixmap(16).toImage())
            << (c.path.empty() ? "volume" : c.path.back());
        if (!c.path.empty()) {
            EXPECT_EQ(index.data().toString().toStdString(), c.path.back());
        }
    }
    // A selected folder shows itself open.
    QModelIndex docs = indexOfPath({"DOCUMENTS"});
    window().treeView()->setCurrentIndex(docs);
    QIcon open = treeIcon(kIconOpenFolder, window().treeView()->iconSize());
    EXPECT_EQ(docs.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage(),
              open.pixmap(16).toImage());
}

TEST_F(TreeViewTest, SelectingANodeSetsTheSelectionAndTheMenus) {
    struct Case {
        std::vector<std::string> path;
        std::set<int> on, off;
    } cases[] = {
        {{"DOCUMENTS"}, {35, 36, 41, 49}, {31, 33, 34, 42}},
        {{"IIGS", "FINDER"}, {31, 33, 34, 35, 42}, {44}},
        {{"STARTUP"}, {31, 33, 35, 42}, {34}},
        {{}, {35, 49}, {31, 33, 42}},
    };
    for (const Case& c : cases) {
        QModelIndex index = indexOfPath(c.path);
        window().treeView()->setCurrentIndex(index);
        EXPECT_EQ(state().tree.selection(), window().treeModel()->nodeOf(index));
        EXPECT_EQ(state().shell.selectedEntry,
                  state().tree.item(state().tree.selection())->entryOffset);
        for (int on : c.on) EXPECT_TRUE(enabled(on)) << on;
        for (int off : c.off) EXPECT_FALSE(enabled(off)) << off;
    }
}

TEST_F(TreeViewTest, RightClickSelectsTheItemBeforeItsMenuOpens) {
    QSignalSpy dispatched(&window(), &MainWindow::commandDispatched);
    QModelIndex file = indexOfPath({"IIGS", "FINDER"});
    platform->popupAnswer = cmd::kViewResourceFork;
    QPoint at = centreOf(file);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at,
                            window().treeView()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(window().treeView()->viewport(), &click);
    EXPECT_EQ(window().treeView()->currentIndex(), file);
    EXPECT_EQ(state().tree.selection(), window().treeModel()->nodeOf(file));
    ASSERT_EQ(platform->popups.size(), 1u);
    std::set<int> on;
    for (const PopupItem& i : platform->popups[0])
        if (i.command && i.enabled) on.insert(i.command);
    EXPECT_EQ(on, std::set<int>({31, 33, 34, 35, 36, 41, 42}));

    // Right-clicking where there is no item opens nothing.
    QPoint empty(5, window().treeView()->viewport()->height() - 2);
    QContextMenuEvent none(QContextMenuEvent::Mouse, empty,
                           window().treeView()->viewport()->mapToGlobal(empty));
    QApplication::sendEvent(window().treeView()->viewport(), &none);
    EXPECT_EQ(platform->popups.size(), 1u);
}

TEST_F(TreeViewTest, PopupChoiceReachesTheDispatcher) {
    QSignalSpy dispatched(&window(), &MainWindow::commandDispatched);
    state().shell.appleClipboard = kClipboardCopied;
    platform->popupAnswer = cmd::kViewFile;
    QModelIndex file = indexOfPath({"STARTUP"});
    onTreeRightClick(window().context(), window().treeModel()->nodeOf(file), 0, 0);
    // View reuses the buffer that holds a copied file: the copy is given up.
    EXPECT_EQ(state().shell.appleClipboard, kClipboardEmpty);
    EXPECT_FALSE(enabled(cmd::kPasteFile));
}

TEST_F(TreeViewTest, DoubleClickViewsTheItemWhateverTheMenuSays) {
    QSignalSpy dispatched(&window(), &MainWindow::commandDispatched);
    for (const std::vector<std::string>& path :
         {std::vector<std::string>{"STARTUP"}, std::vector<std::string>{"DOCUMENTS"}}) {
        dispatched.clear();
        QModelIndex index = indexOfPath(path);
        QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, centreOf(index));
        QTest::mouseDClick(window().treeView()->viewport(), Qt::LeftButton, {}, centreOf(index));
        EXPECT_EQ(state().tree.selection(), window().treeModel()->nodeOf(index));
        ASSERT_EQ(dispatched.count(), 1) << path.back();
        EXPECT_EQ(dispatched[0][0].toInt(), cmd::kViewFile);
    }
    // The folder's View item is greyed; the double click went through all the same.
    EXPECT_FALSE(enabled(cmd::kViewFile));
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
    item.icon = item.selectedIcon = kIconText;
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

TEST(CatalogModel, InternalIdsAreSpreadAndGiveTheNodeBack) {
    std::set<quintptr> lowBits;
    for (NodeId n : {0u, 1u, 2u, 3u, 1000u, 65535u, 100000u, 0xFFFFFFFEu}) {
        EXPECT_EQ(unscrambleNodeId(scrambleNodeId(n)), n);
    }
    for (NodeId n = 1; n <= 4096; ++n) lowBits.insert(scrambleNodeId(n) & 0xFFF);
    // Consecutive ids land in most of 4096 hash buckets, not in a few.
    EXPECT_GT(lowBits.size(), 2400u);
}

} // namespace
} // namespace lk::test
