#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "shell/file_dialogs.h"
#include "shell/qt_platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace lk::test {
namespace {

// Answers the modal file dialog that is about to open: selects `names` and presses OK.
void answerNextDialog(const QStringList& names) {
    QTimer::singleShot(0, [names] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QString typed = names.size() == 1 ? names.front() : "\"" + names.join("\" \"") + "\"";
        dialog->selectFile(typed);
        static_cast<QDialog*>(dialog)->accept();
    });
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
        {FileDialogKind::Import, "Import file:", QFileDialog::AcceptOpen,
         QFileDialog::ExistingFiles, "All Files (*.*)"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QFileDialog> d = makeFileDialog(c.kind, folder.path, nullptr);
        EXPECT_EQ(d->windowTitle(), c.title);
        EXPECT_EQ(d->acceptMode(), c.accept);
        EXPECT_EQ(d->fileMode(), c.mode);
        EXPECT_TRUE(d->nameFilters().front().startsWith(c.firstFilter)) << c.title.toStdString();
        EXPECT_EQ(d->directory().absolutePath(),
                  QDir(QString::fromStdString(folder.path)).absolutePath());
        EXPECT_EQ(d->defaultSuffix(), "txt");
        EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
    }
    QStringList images =
        makeFileDialog(FileDialogKind::OpenImage, folder.path, nullptr)->nameFilters();
    ASSERT_EQ(images.size(), 2);
    for (const char* p : {"*.2mg", "*.dsk", "*.po", "*.do", "*.hdv", "*.app", "*.nib", "*.fdi"})
        EXPECT_TRUE(images[0].contains(p)) << p;
    EXPECT_TRUE(images[1].startsWith("All Files (*.*)"));
}

TEST(FileDialogs, ANameTypedWithoutExtensionIsSavedAsTxt) {
    TempFolder folder;
    QtPlatform platform;
    answerNextDialog({"HELLO"});
    std::optional<ChosenFile> chosen = platform.chooseImageToSave(folder.path);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, folder.file("HELLO.txt"));
    EXPECT_EQ(chosen->fileTitle, "HELLO.txt");

    answerNextDialog({"DISK.po"});
    chosen = platform.chooseImageToSave(folder.path);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->fileTitle, "DISK.po");
}

TEST(FileDialogs, ImportGivesTheFolderAndEveryNameChosen) {
    TempFolder folder;
    folder.writeText("A.TXT", "a");
    folder.writeText("B.BIN", "b");
    QtPlatform platform;
    answerNextDialog({"A.TXT", "B.BIN"});
    std::optional<ImportChoice> chosen = platform.chooseImportFiles(folder.path);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QDir(QString::fromStdString(chosen->folder)).absolutePath(),
              QDir(QString::fromStdString(folder.path)).absolutePath());
    std::vector<std::string> names = chosen->names;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A.TXT", "B.BIN"}));
}

} // namespace
} // namespace lk::test
