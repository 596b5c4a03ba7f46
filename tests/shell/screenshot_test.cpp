// The window used as a user does, saving a picture of what it shows for the README: a tree with
// a file's menu open, a double-clicked program, F9 then F11, the bit map, the Apple menu of a
// DOS 3.3 disk and its Catalog. What the views show is tested on the commands.
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTest>

#include "dos33_builder.h"
#include "sample_disks.h"
#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell/qt_platform.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

// The window as the screen shows it, with `menu` (when given) drawn open at `at`.
QImage grabWindow(QWidget& window, QMenu* menu = nullptr, QPoint at = {}) {
    QTest::qWait(50);
    QImage shot = window.grab().toImage();
    if (menu) {
        menu->popup(window.mapToGlobal(at));
        QTest::qWait(50);
        QImage picture = menu->grab().toImage();
        menu->hide();
        QPainter painter(&shot);
        painter.fillRect(QRect(at + QPoint(3, 3), picture.size()), QColor(0, 0, 0, 40));
        painter.drawImage(at, picture);
    }
    return shot;
}

void save(const QImage& shot, const char* name) {
    EXPECT_TRUE(shot.save(QStringLiteral(LARKSPOON_SCREENSHOT_DIR "/") + QLatin1String(name)));
}

TEST_F(ShellTest, ScreenshotOfTheWindowShowingATree) {
    start("[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=760\nHigh=470\n"
          "[Tree]\nTreewide=230\n");
    openThroughDialog(writeSampler(), "SAMPLER.po");
    CatalogView* tree = window().treeView();
    tree->expand(indexOfPath({"DOCUMENTS"}));
    tree->expand(indexOfPath({"IIGS"}));
    QModelIndex letter = indexOfPath({"DOCUMENTS", "LETTER"});
    tree->setCurrentIndex(letter);
    // The file's own menu, as a right click at the end of its row opens it.
    QMenu popup;
    fillPopupMenu(popup, treePopupMenu(selectionFacts(state())));
    QPoint at =
        tree->viewport()->mapTo(&window(), tree->visualRect(letter).center() + QPoint(60, 4));
    QImage shot = grabWindow(window(), &popup, at);
    EXPECT_EQ(shot.size(), window().size() * shot.devicePixelRatio());
    save(shot, "screenshot.png");
}

// Wide enough for the 80 columns of a block or of the bit map.
constexpr const char* kWindow =
    "[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=900\nHigh=500\n"
    "[Tree]\nTreewide=200\n";

// Double-clicking a program, F9 then F11, the bit map; then a DOS 3.3 disk, whose Apple menu
// holds the sector items in place of the block ones until a ProDOS volume is opened, and its
// Catalog.
TEST_F(ShellTest, ScreenshotsOfTheViews) {
    start(kWindow);
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    auto shown = [this] { return window().displayWindow()->text(); };
    auto press = [this](Qt::Key key) { QTest::keyClick(window().treeView(), key); };
    auto inAppleMenu = [this](int command) {
        QMenu* apple = window().menus()->menu(kAppleMenuIndex);
        return apple->actions().contains(window().menus()->action(command));
    };
    openThroughDialog(folder.write("VIEWS.po", viewsVolume()), "VIEWS.po");
    QPoint at = window().treeView()->visualRect(indexOfPath({"HELLO"})).center();
    QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(shown().contains("\n40  PRINT \"HELLO\";I\n")) << shown().toStdString();
    save(grabWindow(window()), "screenshot-listing.png");
    platform->blockDialog.answers = {std::string("1")};
    press(Qt::Key_F9);
    press(Qt::Key_F11);
    EXPECT_TRUE(shown().contains("   2\n")) << shown().toStdString(); // the block number
    save(grabWindow(window()), "screenshot-block.png");
    window().menus()->action(cmd::kBitMap)->trigger();
    EXPECT_TRUE(shown().startsWith("Volume Bit Map\n"));
    save(grabWindow(window()), "screenshot-bitmap.png");

    openThroughDialog(folder.write("DOS.dsk", dosDisk()), "DOS.dsk");
    window().treeView()->setCurrentIndex(indexOfPath({paddedDosName("HELLO")}));
    EXPECT_TRUE(inAppleMenu(cmd::kDisplaySector) && !inAppleMenu(cmd::kDisplayBlock));
    QMenu* apple = window().menus()->menu(kAppleMenuIndex);
    QRect title = window().menuBar()->actionGeometry(apple->menuAction());
    at = window().menuBar()->mapTo(&window(), title.bottomLeft());
    save(grabWindow(window(), apple, at), "screenshot-dos33-menu.png");
    platform->sectorDialog.answers = {TrackSectorEntry{"17", "15"}};
    press(Qt::Key_F6);
    press(Qt::Key_F8);
    EXPECT_TRUE(shown().contains("   18/0")) << shown().toStdString();
    window().treeView()->setCurrentIndex(indexOfPath({}));
    window().menus()->action(cmd::kCatalog)->trigger();
    EXPECT_TRUE(shown().startsWith("DISK VOLUME 254\n\n A 002 HELLO"));
    EXPECT_EQ(window().displayWindow()->editor()->textCursor().position(), 0);
    save(grabWindow(window()), "screenshot-catalog.png");

    openThroughDialog(folder.write("VIEWS.po", viewsVolume()), "VIEWS.po");
    EXPECT_TRUE(inAppleMenu(cmd::kDisplayBlock) && !inAppleMenu(cmd::kDisplaySector));
}

} // namespace
} // namespace lk::test
