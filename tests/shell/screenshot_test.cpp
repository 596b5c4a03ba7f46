// Opens images in the window as a user would and saves pictures of it (the README shows them).
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <variant>

#include "basic_builder.h"
#include "prodos_builder.h"
#include "sample_disks.h"
#include "shell/catalog_view.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

constexpr const char* kSmallWindow =
    "[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=760\nHigh=470\n"
    "[Tree]\nTreewide=230\n";
// Wide enough for the 80 columns of a block or of the bit map.
constexpr const char* kWideWindow =
    "[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=900\nHigh=500\n"
    "[Tree]\nTreewide=200\n";

// The window with an open menu drawn over it at `at` (window coordinates), as the screen
// shows it.
QImage withMenu(MainWindow& window, QMenu& menu, QPoint at) {
    QImage shot = window.grab().toImage();
    menu.popup(window.mapToGlobal(at));
    QTest::qWait(50);
    QImage picture = menu.grab().toImage();
    menu.hide();
    QPainter painter(&shot);
    painter.fillRect(QRect(at + QPoint(3, 3), picture.size()), QColor(0, 0, 0, 40));
    painter.drawImage(at, picture);
    return shot;
}

void save(MainWindow& window, const QImage& shot, const char* name) {
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), window.size() * shot.devicePixelRatio());
    EXPECT_TRUE(shot.save(QStringLiteral(LARKSPOON_SCREENSHOT_DIR "/") + QLatin1String(name)));
}

// A short program worth looking at: a loop that counts.
std::vector<uint8_t> countingProgram() {
    auto body = [](std::initializer_list<std::variant<uint8_t, const char*>> parts) {
        std::vector<uint8_t> out;
        for (const auto& p : parts) {
            if (std::holds_alternative<uint8_t>(p))
                out.push_back(std::get<uint8_t>(p));
            else
                for (const char* c = std::get<const char*>(p); *c; ++c) out.push_back(uint8_t(*c));
        }
        return out;
    };
    constexpr uint8_t kHome = 0x97, kPrint = 0xBA, kFor = 0x81, kTo = 0xC1, kNext = 0x82,
                      kEnd = 0x80, kEquals = 0xD0, kRem = 0xB2;
    return applesoftProgram({
        {10, body({kRem, " COUNT TO TEN"})},
        {20, body({kHome})},
        {30, body({kPrint, "\"LARKSPOON COUNTS:\""})},
        {40, body({kFor, "I", kEquals, "1", kTo, "10"})},
        {50, body({kPrint, "I;\" \";"})},
        {60, body({kNext})},
        {70, body({kPrint})},
        {80, body({kEnd})},
    });
}

class ScreenshotTest : public ShellTest {
  protected:
    void openViews() {
        ProdosBuilder b(280, "VIEWS");
        std::vector<uint8_t> program = countingProgram(), notes = notesText();
        b.addFile(ProdosBuilder::kVolumeKey, "COUNT", 0xFC, 0x0801, Bytes(program));
        b.addFile(ProdosBuilder::kVolumeKey, "HELLO", 0xFC, 0x0801, Bytes(helloProgram()));
        b.addFile(ProdosBuilder::kVolumeKey, "NOTES", 0x04, 0, Bytes(notes));
        openThroughDialog(folder.write("VIEWS.po", b.bytes()), "VIEWS.po");
    }
    void openDos() { openThroughDialog(folder.write("DOS.dsk", dosDisk()), "DOS.dsk"); }
    void settle() { QTest::qWait(50); }
};

TEST_F(ScreenshotTest, TheWindowShowingATree) {
    start(kSmallWindow);
    openThroughDialog(writeSampler(), "SAMPLER.po");
    CatalogView* tree = window().treeView();
    tree->expand(indexOfPath({"DOCUMENTS"}));
    tree->expand(indexOfPath({"IIGS"}));
    tree->setCurrentIndex(indexOfPath({"DOCUMENTS", "LETTER"}));
    settle();
    // The file's own menu, opened by a right click at the end of its row.
    QRect row = tree->visualRect(indexOfPath({"DOCUMENTS", "LETTER"}));
    QPoint at = tree->viewport()->mapTo(&window(), row.center() + QPoint(60, 4));
    QMenu popup;
    for (const PopupItem& item : treePopupMenu(selectionFacts(state()))) {
        if (item.command == 0)
            popup.addSeparator();
        else
            popup.addAction(QString::fromLatin1(item.text.data(), qsizetype(item.text.size())))
                ->setEnabled(item.enabled);
    }
    QImage shot = withMenu(window(), popup, at);
    EXPECT_TRUE(shot.save(QStringLiteral(LARKSPOON_SCREENSHOT)));
}

TEST_F(ScreenshotTest, DoubleClickingAnApplesoftProgramShowsItsListing) {
    start(kSmallWindow);
    openViews();
    QModelIndex count = indexOfPath({"COUNT"});
    QPoint at = window().treeView()->visualRect(count).center();
    QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    settle();
    save(window(), window().grab().toImage(), "screenshot-listing.png");
}

TEST_F(ScreenshotTest, F9ThenF11StepsBlocks) {
    start(kWideWindow);
    openViews();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    platform->blockAnswers = {std::string("1")};
    QTest::keyClick(window().treeView(), Qt::Key_F9);
    QTest::keyClick(window().treeView(), Qt::Key_F11);
    EXPECT_EQ(state().shell.blockView.block, 2u);
    settle();
    save(window(), window().grab().toImage(), "screenshot-block.png");
}

TEST_F(ScreenshotTest, DisplayVolumeBitMapShowsTheMap) {
    start(kWideWindow);
    openViews();
    window().menus()->action(cmd::kBitMap)->trigger();
    settle();
    save(window(), window().grab().toImage(), "screenshot-bitmap.png");
}

TEST_F(ScreenshotTest, ADos33DiskHasTheSectorItemsInItsAppleMenu) {
    start(kSmallWindow);
    openDos();
    window().treeView()->setCurrentIndex(indexOfPath({dosName("HELLO")}));
    settle();
    QMenu* apple = window().menus()->menu(kAppleMenuIndex);
    QRect title = window().menuBar()->actionGeometry(apple->menuAction());
    QPoint at = window().menuBar()->mapTo(&window(), title.bottomLeft());
    save(window(), withMenu(window(), *apple, at), "screenshot-dos33-menu.png");
}

TEST_F(ScreenshotTest, CatalogShowsTheListing) {
    start(kSmallWindow);
    openDos();
    window().menus()->action(cmd::kCatalog)->trigger();
    settle();
    save(window(), window().grab().toImage(), "screenshot-catalog.png");
}

} // namespace
} // namespace lk::test
