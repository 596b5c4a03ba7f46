#include "shell/file_dialogs.h"

#include "graphics/picture_file.h"
#include "platform/shell_platform.h"
#include "shell/qt_platform.h"

namespace lk {

std::unique_ptr<QFileDialog> makeFileDialog(FileDialogKind kind, const std::string& folder,
                                            QWidget* owner) {
    auto dialog = std::make_unique<QFileDialog>(owner);
    dialog->setDirectory(toQString(folder));
    // A name typed without an extension is given ".txt" when it names a file to write. Qt would
    // add it to every name without one, even to a file picked from the list, so the dialogs that
    // open files take names as they are: a host file called "PRODOS" can be imported.
    if (kind != FileDialogKind::OpenImage && kind != FileDialogKind::Import)
        dialog->setDefaultSuffix(toQString(kDefaultExtension));
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    switch (kind) {
    case FileDialogKind::OpenImage:
        dialog->setWindowTitle(toQString(kOpenImageTitle));
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilters(nameFilters(kDiskImageFilters));
        break;
    case FileDialogKind::SaveImage:
        // Replacing a file is asked about first.
        dialog->setWindowTitle(toQString(kSaveImageTitle));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilters(nameFilters(kDiskImageFilters));
        break;
    case FileDialogKind::NibbleCopy:
        dialog->setWindowTitle(toQString(kSaveImageTitle));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilters(nameFilters(kNibbleCopyFilters));
        break;
    case FileDialogKind::Import:
        dialog->setWindowTitle(toQString(kImportTitle));
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFiles);
        dialog->setNameFilters(nameFilters(kAllFilesFilter));
        break;
    case FileDialogKind::Export:
        // The default extension is added before the dialog asks whether to replace the file.
        dialog->setWindowTitle(toQString(kExportTitle));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilters(nameFilters(kExportFilters));
        break;
    case FileDialogKind::Graphic:
        dialog->setWindowTitle(toQString(kGraphicTitle));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilters(nameFilters(kGraphicFilters));
        dialog->setDefaultSuffix(toQString(kGraphicExtension)); // over the ".txt" set above
        break;
    }
    return dialog;
}

} // namespace lk
