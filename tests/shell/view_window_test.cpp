// Viewing through the window as a user does: double clicks, the block and sector keys, the Apple
// menu of a DOS 3.3 disk, Catalog, the bit map and Export As.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "basic_builder.h"
#include "dos33/catalog_listing.h"
#include "sample_disks.h"
#include "shell/catalog_model.h"
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

class ViewWindowTest : public ShellTest {
  protected:
    void SetUp() override {
        start();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    void openViews() { openThroughDialog(folder.write("VIEWS.po", viewsVolume()), "VIEWS.po"); }
    void openDos() { openThroughDialog(folder.write("DOS.dsk", dosDisk()), "DOS.dsk"); }
    QString shown() { return window().displayWindow()->text(); }
    void press(Qt::Key key) {
        window().treeView()->setFocus();
        QTest::keyClick(window().treeView(), key);
    }
    bool enabled(int command) { return window().menus()->action(command)->isEnabled(); }
    QString blockText(uint32_t n) {
        BlockViewState s;
        s.block = n;
        return latin1(blockDisplay(state().image, s));
    }
    std::vector<std::string> appleMenuTexts() {
        std::vector<std::string> texts;
        for (QAction* a : window().menus()->menu(kAppleMenuIndex)->actions())
            texts.push_back(a->isSeparator() ? "-" : a->text().toStdString());
        return texts;
    }
};

TEST_F(ViewWindowTest, DoubleClickingAnApplesoftProgramShowsItsListing) {
    openViews();
    QModelIndex hello = indexOfPath({"HELLO"});
    QPoint at = window().treeView()->visualRect(hello).center();
    QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    ScriptedPlatform quiet;
    std::string listing = listApplesoft(Bytes(helloProgram()), 0, kBasicBaseAddress, quiet);
    EXPECT_EQ(shown(), latin1(listing));
    EXPECT_TRUE(shown().contains("PRINT \"HELLO\""));
    EXPECT_TRUE(window().displayWindow()->isVisible());
    EXPECT_FALSE(window().imageWindow()->isVisible());
    EXPECT_FALSE(enabled(cmd::kPasteFile));
    EXPECT_FALSE(enabled(cmd::kExportGraphic));
}

TEST_F(ViewWindowTest, F9ThenF11AndF10StepThroughTheBlocks) {
    openViews();
    platform->blockAnswers = {std::string("2")};
    press(Qt::Key_F9);
    EXPECT_EQ(platform->blockDialogTexts, std::vector<std::string>{""});
    EXPECT_EQ(shown(), blockText(2));
    EXPECT_TRUE(enabled(cmd::kNextBlock));
    EXPECT_TRUE(enabled(cmd::kPreviousBlock));
    press(Qt::Key_F11);
    EXPECT_EQ(shown(), blockText(3));
    press(Qt::Key_F11);
    press(Qt::Key_F10);
    EXPECT_EQ(shown(), blockText(3));
    // F9 again offers the entry typed before.
    press(Qt::Key_F9);
    EXPECT_EQ(platform->blockDialogTexts.back(), "2");
    EXPECT_EQ(shown(), blockText(3));
}

TEST_F(ViewWindowTest, DisplayVolumeBitMapShowsTheMap) {
    openViews();
    window().menus()->action(cmd::kBitMap)->trigger();
    QStringList lines = shown().split(u'\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], "Volume Bit Map");
    EXPECT_EQ(lines[3], "$       0123456789ABCDEF 0123456789ABCDEF 0123456789ABCDEF "
                        "0123456789ABCDEF");
    // Blocks 0 to 16 hold the boot blocks, the directories, the map and the files.
    EXPECT_EQ(lines[5], "0000    ++++++++++++++++ +--------------- ---------------- "
                        "---------------- ");
    EXPECT_EQ(lines[9], "0100    ---------------- --------");
    EXPECT_TRUE(state().shell.bitMapShown);
}

TEST_F(ViewWindowTest, ADos33DiskPutsTheSectorItemsInTheAppleMenu) {
    openDos();
    std::vector<std::string> texts = appleMenuTexts();
    std::vector<std::string> steps(texts.begin() + 14, texts.begin() + 18);
    EXPECT_EQ(steps,
              std::vector<std::string>({"Display &Sector...\tF6", "Incremen&t Sector\tF8",
                                        "Decre&ment Sector\tF7", "Display &Volume Bit Map"}));
    EXPECT_EQ(texts.size(), 20u);
    EXPECT_TRUE(enabled(cmd::kDisplaySector));
    EXPECT_TRUE(enabled(cmd::kPrint));
    for (int c : {cmd::kNextSector, cmd::kPreviousSector, cmd::kSave, cmd::kSaveAs, cmd::kBitMap})
        EXPECT_FALSE(enabled(c)) << c;

    platform->sectorAnswers = {TrackSectorEntry{"17", "15"}};
    press(Qt::Key_F6);
    EXPECT_TRUE(shown().startsWith("$    00 01"));
    EXPECT_TRUE(shown().contains("   17/15"));
    press(Qt::Key_F8);
    EXPECT_TRUE(shown().contains("   18/0"));
    press(Qt::Key_F9); // a block key on a DOS 3.3 disk: nothing
    EXPECT_TRUE(platform->blockDialogTexts.empty());
    EXPECT_TRUE(shown().contains("   18/0"));
}

TEST_F(ViewWindowTest, CatalogShowsTheListingOfADos33Disk) {
    openDos();
    window().menus()->action(cmd::kCatalog)->trigger();
    std::string expected;
    ASSERT_EQ(catalogListing(state().image, state().tree, expected), 0);
    EXPECT_EQ(shown(), latin1(expected));
    EXPECT_TRUE(shown().startsWith("DISK VOLUME 254\n\n A 002 HELLO"));
    EXPECT_EQ(window().displayWindow()->editor()->textCursor().position(), 0);
}

TEST_F(ViewWindowTest, ExportAsFromTheTreesMenuWritesTheFile) {
    openDos();
    QModelIndex node = indexOfPath({dosName("LOADER")});
    platform->popupAnswer = cmd::kExportAs;
    platform->exportAnswers = {ChosenFile{folder.file("LOADER"), "LOADER"}};
    onTreeRightClick(window().context(), window().treeModel()->nodeOf(node), 0, 0);
    std::vector<uint8_t> loader = loaderBytes();
    EXPECT_EQ(folder.readText("LOADER.txt"), std::string(loader.begin(), loader.end()));
    EXPECT_EQ(platform->exportDialogs.back().folder, folder.path);
}

} // namespace
} // namespace lk::test
