// The window used as a user does, each test saving a picture of what it shows for the README:
// a tree with a file's menu open, a double-clicked program, F9 then F11, the bit map, the Apple
// menu of a DOS 3.3 disk and its Catalog, pictures, a decoded nibble image and the question a
// doubtful one asks.
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
#include "picture_disks.h"
#include "nibble_builder.h"
#include "sample_disks.h"
#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell/image_window.h"
#include "shell/qt_platform.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"
#include "translate/block_display.h"

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
    for (const PopupItem& item : treePopupMenu(selectionFacts(state()))) {
        if (item.command == 0)
            popup.addSeparator();
        else
            popup.addAction(QString::fromLatin1(item.text.data(), qsizetype(item.text.size())))
                ->setEnabled(item.enabled);
    }
    QPoint at =
        tree->viewport()->mapTo(&window(), tree->visualRect(letter).center() + QPoint(60, 4));
    QImage shot = grabWindow(window(), &popup, at);
    EXPECT_EQ(shot.size(), window().size() * shot.devicePixelRatio());
    save(shot, "screenshot.png");
}

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Wide enough for the 80 columns of a block or of the bit map.
constexpr const char* kWindow =
    "[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=900\nHigh=500\n"
    "[Tree]\nTreewide=200\n";

class ViewWindowTest : public ShellTest {
  protected:
    void SetUp() override {
        start(kWindow);
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    void openViews() { openThroughDialog(folder.write("VIEWS.po", viewsVolume()), "VIEWS.po"); }
    void openDos() { openThroughDialog(folder.write("DOS.dsk", dosDisk()), "DOS.dsk"); }
    QString shown() { return window().displayWindow()->text(); }
    void press(Qt::Key key) { QTest::keyClick(window().treeView(), key); }
    QString blockText(uint32_t n) {
        BlockViewState s;
        s.block = n;
        return latin1(blockDisplay(state().image, s));
    }
};

TEST_F(ViewWindowTest, DoubleClickingAnApplesoftProgramShowsItsListing) {
    openViews();
    QPoint at = window().treeView()->visualRect(indexOfPath({"HELLO"})).center();
    QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(shown().contains("\n40  PRINT \"HELLO\";I\n")) << shown().toStdString();
    EXPECT_TRUE(window().displayWindow()->isVisible());
    EXPECT_FALSE(window().imageWindow()->isVisible());
    save(grabWindow(window()), "screenshot-listing.png");
}

TEST_F(ViewWindowTest, F9ThenF11StepsBlocks) {
    openViews();
    platform->blockDialog.answers = {std::string("1")};
    press(Qt::Key_F9);
    EXPECT_EQ(shown(), blockText(1));
    press(Qt::Key_F11);
    EXPECT_EQ(shown(), blockText(2));
    save(grabWindow(window()), "screenshot-block.png");
}

TEST_F(ViewWindowTest, DisplayVolumeBitMapShowsTheMap) {
    openViews();
    window().menus()->action(cmd::kBitMap)->trigger();
    QStringList lines = shown().split(u'\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], "Volume Bit Map");
    // Blocks 0 to 16 hold the boot blocks, the directories, the map and the files.
    EXPECT_EQ(lines[5], "0000    ++++++++++++++++ +--------------- ---------------- "
                        "---------------- ");
    EXPECT_EQ(lines[9], "0100    ---------------- --------");
    save(grabWindow(window()), "screenshot-bitmap.png");
}

TEST_F(ViewWindowTest, ADos33DiskPutsTheSectorItemsInTheAppleMenu) {
    openDos();
    window().treeView()->setCurrentIndex(indexOfPath({paddedDosName("HELLO")}));
    QMenu* apple = window().menus()->menu(kAppleMenuIndex);
    EXPECT_NE(menuText(kAppleMenuIndex)
                  .find("49 Catalo&g | - | 46 Display &Sector...\tF6 | 47 Incremen&t Sector\tF8 | "
                        "48 Decre&ment Sector\tF7 | 37 Display &Volume Bit Map | - | 36"),
              std::string::npos)
        << menuText(kAppleMenuIndex);
    // A file selected: the sector item, Print and the file's items; no bit map, no stepping yet.
    EXPECT_EQ(enabledItems(), std::set<int>({10, 11, 14, 15, 17, 31, 33, 35, 46, 49, 59, 60, 61}));

    QRect title = window().menuBar()->actionGeometry(apple->menuAction());
    QPoint at = window().menuBar()->mapTo(&window(), title.bottomLeft());
    save(grabWindow(window(), apple, at), "screenshot-dos33-menu.png");

    platform->sectorDialog.answers = {TrackSectorEntry{"17", "15"}};
    press(Qt::Key_F6);
    EXPECT_TRUE(shown().contains("   17/15"));
    press(Qt::Key_F8);
    EXPECT_TRUE(shown().contains("   18/0"));
    press(Qt::Key_F9); // a block key on a DOS 3.3 disk: nothing
    EXPECT_TRUE(platform->blockDialog.shown.empty());

    // A ProDOS volume opened next gets its block items back.
    openViews();
    EXPECT_NE(menuText(kAppleMenuIndex)
                  .find("| 38 Display &Block\tF9 | 39 Incremen&t Block\tF11 | "
                        "40 Decre&ment Block\tF10 | 37 "),
              std::string::npos);
}

TEST_F(ViewWindowTest, PicturesShownByADoubleClick) {
    openThroughDialog(folder.write("PICTURES.po", picturesVolume()), "PICTURES.po");
    for (auto [file, shot] : {std::pair{"HGR", "screenshot-hires.png"},
                              {"SHR", "screenshot-super-hires.png"},
                              {"ICONS", "screenshot-icons.png"}}) {
        QPoint at = window().treeView()->visualRect(indexOfPath({file})).center();
        QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
        EXPECT_TRUE(window().imageWindow()->isVisible() && enabled(cmd::kExportGraphic)) << file;
        EXPECT_FALSE(window().displayWindow()->isVisible());
        save(grabWindow(window()), shot);
    }
    // The icon sheet is 690 rows high: the pane scrolls to it.
    EXPECT_EQ(window().imageWindow()->picture().size(), QSize(640, 690));
    EXPECT_GT(window().imageWindow()->verticalScrollBar()->maximum(), 0);
}

TEST_F(ViewWindowTest, CatalogShowsTheListing) {
    openDos();
    window().menus()->action(cmd::kCatalog)->trigger();
    EXPECT_TRUE(shown().startsWith("DISK VOLUME 254\n\n A 002 HELLO"));
    EXPECT_EQ(window().displayWindow()->editor()->textCursor().position(), 0);
    save(grabWindow(window()), "screenshot-catalog.png");

    // The same disk decoded from its nibble tracks.
    openThroughDialog(folder.write("DOS.nib", nibbleImage(Bytes(dosDisk()), SectorTable::Dos)),
                      "DOS.nib");
    window().menus()->action(cmd::kCatalog)->trigger();
    EXPECT_TRUE(shown().startsWith("DISK VOLUME 254\n\n A 002 HELLO"));
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

class AppleWorksWindowTest : public ViewWindowTest {
  protected:
    void SetUp() override {
        ViewWindowTest::SetUp();
        openThroughDialog(folder.write("WORKS.po", appleWorksVolume()), "WORKS.po");
    }
    void view(const std::string& name) {
        window().treeView()->setCurrentIndex(indexOfPath({name}));
        run(cmd::kViewFile);
    }
};

// The pane shows the runs as it shows any formatted text, and Find searches them.
TEST_F(AppleWorksWindowTest, ADocumentShowsItsFormatsAndIsSearched) {
    view("LETTER");
    ASSERT_TRUE(window().displayWindow()->showsRichText());
    QTextDocument* d = window().displayWindow()->document();
    int bold = int(shown().indexOf("bold"));
    EXPECT_EQ(d->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    QTextCursor c(d);
    c.setPosition(bold + 1);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
    save(grabWindow(window()), "screenshot-appleworks-wp.png");
    state().shell.findRecord.findText = "BOLD";
    run(cmd::kFindNext);
    EXPECT_EQ(selection(), (TextRange{bold, bold + 4}));
}

TEST_F(AppleWorksWindowTest, ATableIsShownUnwrappedAfterTheVersionQuestion) {
    platform->base.answers = {false, true};
    view("PEOPLE.V2"); // No: an empty pane
    EXPECT_EQ(shown(), "");
    view("PEOPLE.V2");
    ASSERT_EQ(platform->base.questions.size(), 2u);
    EXPECT_EQ(platform->base.questions[1].caption, "Larkspoon Warning!");
    EXPECT_TRUE(shown().startsWith("Name          City      Born       Wakes at  Notes"));
    EXPECT_EQ(window().displayWindow()->wrapWidth(), 0);
    view("PEOPLE");
    EXPECT_EQ(platform->base.questions.size(), 2u);
    save(grabWindow(window()), "screenshot-appleworks-db.png");
}

} // namespace
} // namespace lk::test
