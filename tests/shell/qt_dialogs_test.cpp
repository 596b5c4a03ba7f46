// The Qt side of the platform for viewing and exporting: the block and track/sector dialogs, the
// export dialog and the Shift key. Modal dialogs are answered from a timer, as a user would.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "shell/qt_platform.h"
#include "shell/show_number_dialog.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

// Runs `answer` on the modal window once it is up.
template <typename W> void whenModal(std::function<void(W*)> answer) {
    QTimer::singleShot(0, [answer] {
        W* w = qobject_cast<W*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        answer(w);
    });
}

// OK as the user presses it: the file dialog checks the name (and asks) in its accept.
void pressOk(QDialog* d) {
    d->accept();
}

TEST(QtPlatformDialogs, BlockAndSectorDialogsGiveWhatWasTyped) {
    QtPlatform platform;
    whenModal<ShowNumberDialog>([](ShowNumberDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Larkspoon -  Show Block:");
        ASSERT_EQ(d->fieldCount(), 1);
        EXPECT_EQ(d->prompt(0)->text(), "Enter Block Number: ");
        EXPECT_EQ(d->hint()->text(), "Use decimal or hex (with leading $).");
        EXPECT_EQ(d->entry(0)->text(), "7");
        EXPECT_EQ(d->entry(0)->maxLength(), 10);
        d->entry(0)->setText("$117");
        d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(platform.askBlockNumber("7"), std::optional<std::string>("$117"));

    whenModal<ShowNumberDialog>([](ShowNumberDialog* d) { d->reject(); });
    EXPECT_EQ(platform.askBlockNumber("7"), std::nullopt);

    whenModal<ShowNumberDialog>([](ShowNumberDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Larkspoon -  Show Track/Sector:");
        EXPECT_EQ(d->prompt(0)->text(), "Enter Track Number: ");
        EXPECT_EQ(d->prompt(1)->text(), "Enter Sector Number: ");
        EXPECT_EQ(d->entry(1)->text(), "15");
        d->entry(0)->setText("h22");
        d->accept();
    });
    std::optional<TrackSectorEntry> ts = platform.askTrackSector("3", "15");
    ASSERT_TRUE(ts);
    EXPECT_EQ(ts->track, "h22");
    EXPECT_EQ(ts->sector, "15");
}

TEST(QtPlatformDialogs, ExportOffersTheSuggestedNameAddsTxtAndAsksBeforeReplacing) {
    TempFolder folder;
    QtPlatform platform;
    whenModal<QFileDialog>([&folder](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Export Apple ][ file as:");
        EXPECT_EQ(d->directory().absolutePath().toStdString(), folder.path);
        EXPECT_TRUE(d->selectedFiles().value(0).endsWith("/READ.ME"));
        QStringList filters = d->nameFilters();
        ASSERT_EQ(filters.size(), 3);
        EXPECT_TRUE(filters[0].startsWith("All Files (*.*)"));
        EXPECT_TRUE(filters[1].startsWith("Text Files (*.TXT) (*.txt"));
        EXPECT_TRUE(filters[2].startsWith("ASCII Files (*.ASC) (*.asc"));
        d->selectFile(QStringLiteral("NOTES"));
        pressOk(d);
    });
    std::optional<ChosenFile> chosen = platform.chooseExportFile("READ.ME", folder.path);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, folder.file("NOTES.txt"));
    EXPECT_EQ(chosen->fileTitle, "NOTES.txt");

    // A file that is there: the dialog asks, and No keeps the dialog open.
    folder.writeText("OLD.TXT", "old");
    int asked = 0;
    whenModal<QFileDialog>([&asked](QFileDialog* d) {
        d->selectFile(QStringLiteral("OLD.TXT"));
        whenModal<QMessageBox>([&asked](QMessageBox* box) {
            ++asked;
            box->button(QMessageBox::No)->click();
        });
        pressOk(d);
        EXPECT_TRUE(d->isVisible());
        whenModal<QMessageBox>([&asked](QMessageBox* box) {
            ++asked;
            box->button(QMessageBox::Yes)->click();
        });
        pressOk(d);
    });
    chosen = platform.chooseExportFile("OLD.TXT", folder.path);
    EXPECT_EQ(asked, 2);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, folder.file("OLD.TXT"));

    whenModal<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(platform.chooseExportFile("X", folder.path), std::nullopt);
}

TEST(QtPlatformDialogs, ShiftIsReadFromTheEventThatChoseTheCommand) {
    QtPlatform platform;
    QWidget target;
    target.show();
    QTest::mouseClick(&target, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(platform.shiftHeld());
    QTest::mouseClick(&target, Qt::LeftButton, Qt::NoModifier);
    EXPECT_FALSE(platform.shiftHeld());
}

} // namespace
} // namespace lk::test
