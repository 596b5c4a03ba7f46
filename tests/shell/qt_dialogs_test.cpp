// The Qt side of the platform: the file dialogs, the block and track/sector dialogs and the Shift
// key. Modal dialogs are answered from a timer, as a user would.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "shell/file_dialogs.h"
#include "shell/qt_platform.h"
#include "shell/show_number_dialog.h"
#include "shell_fixture.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

QString absolute(const std::string& folder) {
    return QDir(QString::fromStdString(folder)).absolutePath();
}

// Image names are matched in either case, as file names on the disk may be.
TEST(FileDialogs, OpenImageStartsInTheFolderAndFindsImagesInEitherCase) {
    TempFolder folder;
    std::unique_ptr<QFileDialog> d =
        makeFileDialog(FileDialogKind::OpenImage, folder.path, nullptr);
    EXPECT_EQ(d->directory().absolutePath(), absolute(folder.path));
    QStringList filters = d->nameFilters();
    ASSERT_EQ(filters.size(), 2);
    QStringList patterns = filters[0].section('(', -1).chopped(1).split(' ');
    for (QString p : {"*.2mg", "*.dsk", "*.po", "*.do", "*.hdv", "*.nib", "*.woz"}) {
        EXPECT_TRUE(patterns.contains(p)) << p.toStdString();
        EXPECT_TRUE(patterns.contains(p.toUpper())) << p.toStdString();
    }
    EXPECT_TRUE(filters[1].startsWith("All Files (*.*)"));
}

// A host file without an extension ("PRODOS", an exported "NAME#TTAAAA") is taken as it is named.
TEST(FileDialogs, ImportGivesTheFolderAndEveryNameChosen) {
    TempFolder folder;
    folder.writeText("A.TXT", "a");
    folder.writeText("TOOL", "b");
    QtPlatform platform;
    whenModal<QFileDialog>([](QFileDialog* d) {
        d->selectFile("\"A.TXT\" \"TOOL\"");
        static_cast<QDialog*>(d)->accept();
    });
    std::optional<ImportChoice> chosen = platform.chooseImportFiles(folder.path);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(absolute(chosen->folder), absolute(folder.path));
    std::vector<std::string> names = chosen->names;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A.TXT", "TOOL"}));
}

TEST(FileDialogs, ExportOffersTheSuggestedNameAddsTxtAndAsksBeforeReplacing) {
    TempFolder folder;
    QtPlatform platform;
    whenModal<QFileDialog>([&folder](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Export Apple ][ file as:");
        EXPECT_EQ(d->directory().absolutePath().toStdString(), folder.path);
        EXPECT_TRUE(d->selectedFiles().value(0).endsWith("/READ.ME"));
        d->selectFile(QStringLiteral("NOTES"));
        static_cast<QDialog*>(d)->accept();
    });
    std::optional<ChosenFile> chosen = platform.chooseExportFile("READ.ME", folder.path);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, folder.file("NOTES.txt"));
    // A file that is there: the dialog asks before it is replaced.
    EXPECT_FALSE(makeFileDialog(FileDialogKind::Export, folder.path, nullptr)
                     ->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(NumberDialogs, BlockAndSectorDialogsGiveWhatWasTyped) {
    QtPlatform platform;
    whenModal<ShowNumberDialog>([](ShowNumberDialog* d) {
        EXPECT_EQ(d->entry(0)->text(), "7"); // the last entry
        EXPECT_EQ(d->entry(0)->maxLength(), 10);
        d->entry(0)->setText("$117");
        d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(platform.askBlockNumber("7"), std::optional<std::string>("$117"));
    whenModal<ShowNumberDialog>([](ShowNumberDialog* d) { d->reject(); });
    EXPECT_EQ(platform.askBlockNumber("7"), std::nullopt);

    whenModal<ShowNumberDialog>([](ShowNumberDialog* d) {
        EXPECT_EQ(d->entry(1)->text(), "15");
        d->entry(0)->setText("h22");
        d->accept();
    });
    std::optional<TrackSectorEntry> ts = platform.askTrackSector("3", "15");
    ASSERT_TRUE(ts);
    EXPECT_EQ(ts->track + "/" + ts->sector, "h22/15");
}

TEST(ShiftKey, IsReadFromTheEventThatChoseTheCommand) {
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
