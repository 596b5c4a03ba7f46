#include "shell/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include "shell/about_dialog.h"
#include "shell/help_window.h"
#include "shell/show_number_dialog.h"
#include "translate/block_view.h"

namespace lk {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string fromQString(const QString& text) {
    return text.toStdString();
}

// A message must be readable, and answerable, even while a long operation shows the wait
// cursor: the arrow comes back for as long as the box is up.
class QtPlatform::ArrowWhileAsking {
  public:
    explicit ArrowWhileAsking(QtPlatform& p) : platform_(p), wasWaiting_(p.waiting_) {
        platform_.setWaitCursor(false);
    }
    ~ArrowWhileAsking() { platform_.setWaitCursor(wasWaiting_); }

  private:
    QtPlatform& platform_;
    bool wasWaiting_;
};

QtPlatform::~QtPlatform() {
    setWaitCursor(false);
    delete help_.data();
}

void QtPlatform::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::Warning:
        qtIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Error:
        qtIcon = QMessageBox::Critical;
        break;
    case MessageIcon::Question:
        qtIcon = QMessageBox::Question;
        break;
    case MessageIcon::Information:
        qtIcon = QMessageBox::Information;
        break;
    case MessageIcon::None:
        break;
    }
    ArrowWhileAsking arrow(*this);
    QMessageBox box(qtIcon, toQString(caption), toQString(text), QMessageBox::Ok, owner_);
    box.exec();
}

bool QtPlatform::askYesNo(std::string_view text, std::string_view caption, MessageIcon icon) {
    ArrowWhileAsking arrow(*this);
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                    toQString(caption), toQString(text), QMessageBox::Yes | QMessageBox::No,
                    owner_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::setWaitCursor(bool wait) {
    if (wait == waiting_) return;
    waiting_ = wait;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

QStringList nameFilters(std::span<const FileFilter> filters) {
    QStringList list;
    for (const FileFilter& f : filters) {
        QStringList patterns;
        for (const QString& p : toQString(f.patterns).split(u';', Qt::SkipEmptyParts)) {
            patterns << p;
            if (p.toUpper() != p) patterns << p.toUpper();
        }
        if (f.patterns == "*.*") patterns = {QStringLiteral("*")};
        list << toQString(f.description) + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return list;
}

std::optional<ChosenFile> QtPlatform::chooseImageToOpen(const std::string& folder) {
    QFileDialog dialog(owner_, toQString(kOpenImageTitle), toQString(folder));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(nameFilters(kDiskImageFilters));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().front();
    return ChosenFile{fromQString(path), fromQString(QFileInfo(path).fileName())};
}

std::optional<ChosenFile> QtPlatform::chooseExportFile(const std::string& suggestedName,
                                                       const std::string& folder) {
    ArrowWhileAsking arrow(*this);
    QFileDialog dialog(owner_, toQString(kExportTitle), toQString(folder));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(kExportFilters));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // The dialog adds the extension before it asks whether to replace the file.
    dialog.setDefaultSuffix(toQString(kDefaultExtension));
    dialog.selectFile(toQString(suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().front();
    return ChosenFile{fromQString(path), fromQString(QFileInfo(path).fileName())};
}

std::optional<std::string> QtPlatform::askBlockNumber(const std::string& lastEntry) {
    ArrowWhileAsking arrow(*this);
    ShowNumberDialog dialog(owner_, kBlockDialogTitle, {{kBlockPrompt, lastEntry}});
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.text(0);
}

std::optional<TrackSectorEntry> QtPlatform::askTrackSector(const std::string& lastTrack,
                                                           const std::string& lastSector) {
    ArrowWhileAsking arrow(*this);
    ShowNumberDialog dialog(owner_, kSectorDialogTitle,
                            {{kTrackPrompt, lastTrack}, {kSectorPrompt, lastSector}});
    if (dialog.exec() != QDialog::Accepted) return {};
    return TrackSectorEntry{dialog.text(0), dialog.text(1)};
}

bool QtPlatform::shiftHeld() {
    // The modifiers of the key or mouse event that chose the command.
    return QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
}

int QtPlatform::trackPopupMenu(const std::vector<PopupItem>& items, int screenX, int screenY) {
    QMenu menu(owner_);
    for (const PopupItem& item : items) {
        if (item.command == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(toQString(item.text));
        action->setData(item.command);
        action->setEnabled(item.enabled);
    }
    QAction* chosen = menu.exec(QPoint(screenX, screenY));
    return chosen ? chosen->data().toInt() : 0;
}

void QtPlatform::showAbout() {
    AboutDialog dialog(owner_);
    dialog.exec();
}

void QtPlatform::showHelpContents() {
    if (!help_) help_ = new HelpWindow(nullptr);
    help_->showContents();
    help_->show();
    help_->raise();
    help_->activateWindow();
}

} // namespace lk
