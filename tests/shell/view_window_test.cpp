// Viewing through the window as a user does, each test saving a picture of what it shows (the
// README shows them): a double-clicked program, F9 then F11, the bit map, the Apple menu of a
// DOS 3.3 disk and its Catalog.
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTest>

#include "dos33/catalog_listing.h"
#include "dos33_builder.h"
#include "sample_disks.h"
#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell/image_window.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"
#include "translate/applesoft.h"
#include "translate/block_display.h"

namespace lk::test {
namespace {

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
    bool enabled(int command) { return window().menus()->action(command)->isEnabled(); }
    QString blockText(uint32_t n) {
        BlockViewState s;
        s.block = n;
        return latin1(blockDisplay(state().image, s));
    }
    void save(const char* name, QImage shot = {}) {
        QTest::qWait(50);
        if (shot.isNull()) shot = window().grab().toImage();
        EXPECT_TRUE(shot.save(QStringLiteral(LARKSPOON_SCREENSHOT_DIR "/") + QLatin1String(name)));
    }
};

TEST_F(ViewWindowTest, DoubleClickingAnApplesoftProgramShowsItsListing) {
    openViews();
    state().shell.appleClipboard = kClipboardCopied;
    QPoint at = window().treeView()->visualRect(indexOfPath({"HELLO"})).center();
    QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    ScriptedPlatform quiet;
    EXPECT_EQ(shown(), latin1(listApplesoft(Bytes(helloProgram()), 0, kBasicBaseAddress, quiet)));
    EXPECT_TRUE(shown().contains("PRINT \"HELLO\""));
    EXPECT_TRUE(window().displayWindow()->isVisible());
    EXPECT_FALSE(window().imageWindow()->isVisible());
    EXPECT_FALSE(enabled(cmd::kPasteFile));
    EXPECT_FALSE(enabled(cmd::kExportGraphic));
    save("screenshot-listing.png");
}

TEST_F(ViewWindowTest, F9ThenF11StepsBlocks) {
    openViews();
    platform->blockAnswers = {std::string("1")};
    press(Qt::Key_F9);
    EXPECT_EQ(shown(), blockText(1));
    press(Qt::Key_F11);
    EXPECT_EQ(shown(), blockText(2));
    EXPECT_TRUE(enabled(cmd::kNextBlock));
    EXPECT_TRUE(enabled(cmd::kPreviousBlock));
    save("screenshot-block.png");
    // F9 again offers the entry typed before.
    press(Qt::Key_F9);
    EXPECT_EQ(platform->blockDialogTexts, std::vector<std::string>({"", "1"}));
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
    save("screenshot-bitmap.png");
}

TEST_F(ViewWindowTest, ADos33DiskPutsTheSectorItemsInTheAppleMenu) {
    openDos();
    window().treeView()->setCurrentIndex(indexOfPath({paddedDosName("HELLO")}));
    QMenu* apple = window().menus()->menu(kAppleMenuIndex);
    std::vector<std::string> texts;
    for (QAction* a : apple->actions()) texts.push_back(a->text().toStdString());
    ASSERT_EQ(texts.size(), 20u);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 14, texts.begin() + 18),
              std::vector<std::string>({"Display &Sector...\tF6", "Incremen&t Sector\tF8",
                                        "Decre&ment Sector\tF7", "Display &Volume Bit Map"}));
    for (int c : {cmd::kDisplaySector, cmd::kPrint, cmd::kCatalog}) EXPECT_TRUE(enabled(c)) << c;
    for (int c : {cmd::kNextSector, cmd::kPreviousSector, cmd::kSave, cmd::kSaveAs, cmd::kBitMap})
        EXPECT_FALSE(enabled(c)) << c;

    // The menu drawn open over the window, as the screen shows it.
    QImage shot = window().grab().toImage();
    QRect title = window().menuBar()->actionGeometry(apple->menuAction());
    QPoint at = window().menuBar()->mapTo(&window(), title.bottomLeft());
    apple->popup(window().mapToGlobal(at));
    QTest::qWait(50);
    QImage menu = apple->grab().toImage();
    apple->hide();
    QPainter(&shot).drawImage(at, menu);
    save("screenshot-dos33-menu.png", shot);

    platform->sectorAnswers = {TrackSectorEntry{"17", "15"}};
    press(Qt::Key_F6);
    EXPECT_TRUE(shown().contains("   17/15"));
    press(Qt::Key_F8);
    EXPECT_TRUE(shown().contains("   18/0"));
    press(Qt::Key_F9); // a block key on a DOS 3.3 disk: nothing
    EXPECT_TRUE(platform->blockDialogTexts.empty());
}

TEST_F(ViewWindowTest, CatalogShowsTheListing) {
    openDos();
    window().menus()->action(cmd::kCatalog)->trigger();
    std::string expected;
    ASSERT_EQ(catalogListing(state().image, state().tree, expected), 0);
    EXPECT_EQ(shown(), latin1(expected));
    EXPECT_TRUE(shown().startsWith("DISK VOLUME 254\n\n A 002 HELLO"));
    EXPECT_EQ(window().displayWindow()->editor()->textCursor().position(), 0);
    save("screenshot-catalog.png");
}

} // namespace
} // namespace lk::test
