// The Qt side of the platform: the file dialogs, the block and track/sector dialogs and the Shift
// key. Modal dialogs are answered from a timer, as a user would.
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

#include "shell/file_dialogs.h"
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

// Chooses `typed` in the file dialog about to open and presses OK, which checks the name (and
// asks before replacing) as it does for the user.
void answerFileDialog(const QString& typed) {
    whenModal<QFileDialog>([typed](QFileDialog* d) {
        d->selectFile(typed);
        static_cast<QDialog*>(d)->accept();
    });
}

QString absolute(const std::string& folder) {
    return QDir(QString::fromStdString(folder)).absolutePath();
}

TEST(FileDialogs, TitlesFiltersFoldersAndTheDefaultExtension) {
    TempFolder folder;
    struct Case {
        FileDialogKind kind;
        QString title;
        QFileDialog::AcceptMode accept;
        QFileDialog::FileMode mode;
        QString firstFilter;
    } cases[] = {
        {FileDialogKind::OpenImage, "Open disk image", QFileDialog::AcceptOpen,
         QFileDialog::ExistingFile, "2IMG & DSK Files (*.2MG),(*.DSK)"},
        {FileDialogKind::SaveImage, "Save disk image as:", QFileDialog::AcceptSave,
         QFileDialog::AnyFile, "2IMG & DSK Files (*.2MG),(*.DSK)"},
        {FileDialogKind::NibbleCopy, "Save disk image as:", QFileDialog::AcceptSave,
         QFileDialog::AnyFile, "Nibble Files (*.NIB)"},
        {FileDialogKind::Import, "Import file:", QFileDialog::AcceptOpen,
         QFileDialog::ExistingFiles, "All Files (*.*)"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QFileDialog> d = makeFileDialog(c.kind, folder.path, nullptr);
        EXPECT_EQ(d->windowTitle(), c.title);
        EXPECT_EQ(d->acceptMode(), c.accept);
        EXPECT_EQ(d->fileMode(), c.mode);
        EXPECT_TRUE(d->nameFilters().front().startsWith(c.firstFilter)) << c.title.toStdString();
        EXPECT_EQ(d->directory().absolutePath(), absolute(folder.path));
        EXPECT_EQ(d->defaultSuffix(), "txt");
        EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
    }
    QStringList images =
        makeFileDialog(FileDialogKind::OpenImage, folder.path, nullptr)->nameFilters();
    ASSERT_EQ(images.size(), 2);
    // Either case, as file names on the disk may be.
    QStringList patterns = images[0].section('(', -1).chopped(1).split(' ');
    for (QString p : {"*.2mg", "*.dsk", "*.po", "*.do", "*.hdv", "*.app", "*.nib", "*.fdi"}) {
        EXPECT_TRUE(patterns.contains(p)) << p.toStdString();
        EXPECT_TRUE(patterns.contains(p.toUpper())) << p.toStdString();
    }
    EXPECT_TRUE(images[1].startsWith("All Files (*.*)"));
}

TEST(FileDialogs, ImportGivesTheFolderAndEveryNameChosen) {
    TempFolder folder;
    folder.writeText("A.TXT", "a");
    folder.writeText("B.BIN", "b");
    QtPlatform platform;
    answerFileDialog("\"A.TXT\" \"B.BIN\"");
    std::optional<ImportChoice> chosen = platform.chooseImportFiles(folder.path);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(absolute(chosen->folder), absolute(folder.path));
    std::vector<std::string> names = chosen->names;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A.TXT", "B.BIN"}));
}

TEST(FileDialogs, ExportOffersTheSuggestedNameAddsTxtAndAsksBeforeReplacing) {
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
        static_cast<QDialog*>(d)->accept();
    });
    std::optional<ChosenFile> chosen = platform.chooseExportFile("READ.ME", folder.path);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, folder.file("NOTES.txt"));
    EXPECT_EQ(chosen->fileTitle, "NOTES.txt");

    // A file that is there: the dialog asks, and No keeps the dialog open.
    folder.writeText("OLD.TXT", "old");
    std::vector<QMessageBox::StandardButton> answers = {QMessageBox::No, QMessageBox::Yes};
    whenModal<QFileDialog>([&answers](QFileDialog* d) {
        d->selectFile(QStringLiteral("OLD.TXT"));
        for (QMessageBox::StandardButton answer : answers) {
            whenModal<QMessageBox>([answer](QMessageBox* box) { box->button(answer)->click(); });
            static_cast<QDialog*>(d)->accept();
            EXPECT_EQ(d->isVisible(), answer == QMessageBox::No);
        }
    });
    chosen = platform.chooseExportFile("OLD.TXT", folder.path);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, folder.file("OLD.TXT"));

    whenModal<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(platform.chooseExportFile("X", folder.path), std::nullopt);
}

TEST(NumberDialogs, BlockAndSectorDialogsGiveWhatWasTyped) {
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
