// Opens an image in the window as a user would and saves a picture of it (the README shows one).
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include "shell/catalog_view.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

TEST_F(ShellTest, ScreenshotOfTheWindowShowingATree) {
    start("[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=760\nHigh=470\n"
          "[Tree]\nTreewide=230\n");
    openThroughDialog(writeSampler(), "SAMPLER.po");
    CatalogView* tree = window().treeView();
    tree->expand(indexOfPath({"DOCUMENTS"}));
    tree->expand(indexOfPath({"IIGS"}));
    tree->setCurrentIndex(indexOfPath({"DOCUMENTS", "LETTER"}));
    QTest::qWait(50);

    QImage shot = window().grab().toImage();
    // The file's own menu, opened by a right click at the end of its row, drawn over the
    // window as the screen shows it.
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
    popup.popup(window().mapToGlobal(at));
    QTest::qWait(50);
    QImage menu = popup.grab().toImage();
    popup.hide();
    {
        QPainter painter(&shot);
        painter.fillRect(QRect(at + QPoint(3, 3), menu.size()), QColor(0, 0, 0, 40));
        painter.drawImage(at, menu);
    }
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), window().size() * shot.devicePixelRatio());
    EXPECT_TRUE(shot.save(QStringLiteral(LARKSPOON_SCREENSHOT)));
}

} // namespace
} // namespace lk::test
