// The window used as a user does, saving a picture of what it shows for the README: a tree with
// a file's menu open, a double-clicked program, F9 then F11, the bit map, the Apple menu of a
// DOS 3.3 disk and its Catalog, pictures, AppleWorks files, a decoded nibble image and the
// question a doubtful one asks. What the views show is tested on the commands.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "appleworks_builder.h"
#include "dos33_builder.h"
#include "nibble_builder.h"
#include "picture_disks.h"
#include "sample_disks.h"
#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell/image_window.h"
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
    clickItem({"HELLO"}, true);
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
    QPoint at = window().menuBar()->mapTo(&window(), title.bottomLeft());
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

// The views that show what a file holds: a decoded nibble image, pictures, AppleWorks files.
class FileViewShots : public ShellTest {
  protected:
    void SetUp() override { start(kWindow); }
    void open(const std::string& name, const std::vector<uint8_t>& bytes) {
        openThroughDialog(folder.write(name, bytes), name);
    }
    void view(const std::vector<std::string>& path) { clickItem(path, true); }
};

TEST_F(FileViewShots, ADecodedNibbleImage) {
    open("DOS.nib", nibbleImage(Bytes(dosDisk()), SectorTable::Dos));
    window().menus()->action(cmd::kCatalog)->trigger();
    EXPECT_EQ(shownText().rfind("DISK VOLUME 254\n\n A 002 HELLO", 0), 0u);
    save(grabWindow(window()), "screenshot-nib-catalog.png");
}

// The question a doubtful nibble image asks, in the box the desktop program shows.
TEST(NibbleQuestion, ScreenshotOfTheBox) {
    QtPlatform platform;
    QImage shot;
    QTimer::singleShot(0, [&shot] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        QTest::qWait(50);
        shot = box->grab().toImage();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(ask(platform, message(MessageId::NibbleNotStandard)));
    save(shot, "screenshot-nib-question.png");
}

TEST_F(FileViewShots, PicturesShownByADoubleClick) {
    open("PICTURES.po", picturesVolume());
    for (auto [file, shot] : {std::pair{"HGR", "screenshot-hires.png"},
                              {"SHR", "screenshot-super-hires.png"},
                              {"ICONS", "screenshot-icons.png"}}) {
        view({file});
        EXPECT_TRUE(window().imageWindow()->isVisible() && enabled(cmd::kExportGraphic)) << file;
        EXPECT_FALSE(window().displayWindow()->isVisible());
        save(grabWindow(window()), shot);
    }
    // The icon sheet is 690 rows high: the pane scrolls to it.
    EXPECT_EQ(window().imageWindow()->picture().size(), QSize(640, 690));
    EXPECT_GT(window().imageWindow()->verticalScrollBar()->maximum(), 0);
}

// The pane shows the runs as it shows any formatted text, and Find searches them; a data base
// of another version asks first and is shown unwrapped.
TEST_F(FileViewShots, AppleWorksFiles) {
    open("WORKS.po", appleWorksVolume());
    view({"LETTER"});
    ASSERT_TRUE(window().displayWindow()->showsRichText());
    QTextDocument* d = window().displayWindow()->document();
    int64_t bold = int64_t(shownText().find("bold"));
    EXPECT_EQ(d->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    QTextCursor c(d);
    c.setPosition(int(bold) + 1);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
    save(grabWindow(window()), "screenshot-appleworks-wp.png");
    state().shell.findRecord.findText = "BOLD";
    run(cmd::kFindNext);
    EXPECT_EQ(selection(), (TextRange{bold, bold + 4}));

    platform->answers = {false, true};
    view({"PEOPLE.V2"}); // No: an empty pane
    EXPECT_EQ(shownText(), "");
    view({"PEOPLE.V2"});
    ASSERT_EQ(platform->questions.size(), 2u);
    EXPECT_EQ(platform->questions[1].caption, "Larkspoon Warning!");
    EXPECT_EQ(shownText().rfind("Name          City      Born       Wakes at  Notes", 0), 0u);
    EXPECT_EQ(window().displayWindow()->wrapWidth(), 0);
    view({"PEOPLE"});
    EXPECT_EQ(platform->questions.size(), 2u);
    save(grabWindow(window()), "screenshot-appleworks-db.png");
}

} // namespace
} // namespace lk::test
