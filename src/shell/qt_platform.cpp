#include "shell/qt_platform.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "app/block_view.h"
#include "shell/about_dialog.h"
#include "shell/display_window.h"
#include "shell/file_dialogs.h"
#include "shell/help_window.h"
#include "shell/name_dialog.h"
#include "shell/new_image_dialog.h"
#include "shell/preferences_sheet.h"
#include "shell/show_number_dialog.h"
#include "shell/text_printing.h"

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

QtPlatform::QtPlatform() = default;

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
    QMessageBox box(qtIcon, toQString(caption), toQString(text), QMessageBox::Ok, boxOwner());
    box.exec();
}

bool QtPlatform::askYesNo(std::string_view text, std::string_view caption, MessageIcon icon) {
    ArrowWhileAsking arrow(*this);
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                    toQString(caption), toQString(text), QMessageBox::Yes | QMessageBox::No,
                    boxOwner());
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

std::optional<ChosenFile> QtPlatform::chosenFile(QFileDialog& dialog) {
    ArrowWhileAsking arrow(*this);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().front();
    return ChosenFile{fromQString(path), fromQString(QFileInfo(path).fileName())};
}

std::optional<ChosenFile> QtPlatform::chooseOneFile(int kind, const std::string& folder) {
    return chosenFile(*makeFileDialog(FileDialogKind(kind), folder, owner_));
}

std::optional<ChosenFile> QtPlatform::chooseExportFile(const std::string& suggestedName,
                                                       const std::string& folder) {
    std::unique_ptr<QFileDialog> dialog = makeFileDialog(FileDialogKind::Export, folder, owner_);
    dialog->selectFile(toQString(suggestedName));
    return chosenFile(*dialog);
}

std::optional<ChosenFile> QtPlatform::chooseGraphicFile(const std::string& folder) {
    return chooseOneFile(int(FileDialogKind::Graphic), folder);
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

std::optional<ChosenFile> QtPlatform::chooseImageToOpen(const std::string& folder) {
    return chooseOneFile(int(FileDialogKind::OpenImage), folder);
}

std::optional<ChosenFile> QtPlatform::chooseImageToSave(const std::string& folder) {
    return chooseOneFile(int(FileDialogKind::SaveImage), folder);
}

std::optional<ChosenFile> QtPlatform::chooseNibbleCopy(const std::string& folder,
                                                       const std::string& proposedPath) {
    std::unique_ptr<QFileDialog> dialog =
        makeFileDialog(FileDialogKind::NibbleCopy, folder, owner_);
    dialog->selectFile(toQString(proposedPath));
    return chosenFile(*dialog);
}

std::optional<ImportChoice> QtPlatform::chooseImportFiles(const std::string& folder) {
    ArrowWhileAsking arrow(*this);
    std::unique_ptr<QFileDialog> dialog = makeFileDialog(FileDialogKind::Import, folder, owner_);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    ImportChoice choice;
    choice.folder = fromQString(QFileInfo(dialog->selectedFiles().front()).absolutePath());
    for (const QString& path : dialog->selectedFiles())
        choice.names.push_back(fromQString(QFileInfo(path).fileName()));
    return choice;
}

bool QtPlatform::chooseFont(FontChoice& font) {
    ArrowWhileAsking arrow(*this);
    bool ok = false;
    QFont initial = displayFontFor(toQString(font.face), font.points);
    initial.setBold(font.bold);
    initial.setItalic(font.italic);
    QFont chosen = QFontDialog::getFont(&ok, initial, owner_);
    // The dialog's font is kept whatever the answer; Cancel gives back the one it started with.
    if (ok) {
        font.face = fromQString(chosen.family());
        font.points = chosen.pointSize() > 0 ? chosen.pointSize() : font.points;
    }
    return ok;
}

QPrinter& QtPlatform::printer(const PageSetup& setup) {
    if (!printer_) printer_ = printerFor(PrintSettings{}, setup, QString());
    return *printer_;
}

// The shared printer's paper and name as the page setup keeps them.
static void takePaper(const QPrinter& printer, PageSetup& setup) {
    QSizeF inches = printer.pageLayout().pageSize().size(QPageSize::Inch);
    setup.paperWidth = int(inches.width() * 1000 + 0.5);
    setup.paperHeight = int(inches.height() * 1000 + 0.5);
    setup.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    setup.printerName = fromQString(printer.printerName());
}

bool QtPlatform::runPageSetup(PageSetup& setup) {
    ArrowWhileAsking arrow(*this);
    QPrinter& p = printer(setup);
    p.setFullPage(false);
    const Margins& m = setup.margins;
    p.setPageMargins(
        QMarginsF(m.left / 1000.0, m.top / 1000.0, m.right / 1000.0, m.bottom / 1000.0),
        QPageLayout::Inch);
    QPageSetupDialog dialog(&p, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    QMarginsF chosen = p.pageLayout().margins(QPageLayout::Inch);
    setup.margins = {int(chosen.left() * 1000 + 0.5), int(chosen.top() * 1000 + 0.5),
                     int(chosen.right() * 1000 + 0.5), int(chosen.bottom() * 1000 + 0.5)};
    takePaper(p, setup);
    return true;
}

bool QtPlatform::choosePrintJob(PageSetup& setup, PrintSettings& settings, bool hasSelection) {
    ArrowWhileAsking arrow(*this);
    QPrinter& p = printer(setup);
    p.setCopyCount(settings.copies);
    p.setCollateCopies(settings.collate);
    if (settings.pageRange && settings.fromPage != kNoPage)
        p.setFromTo(settings.fromPage, settings.toPage);
    else
        p.setFromTo(0, 0);
    QPrintDialog dialog(&p, owner_);
    dialog.setMinMax(1, kNoPage);
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
        QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize;
    if (hasSelection) options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted) return false;
    settings.selectionOnly = p.printRange() == QPrinter::Selection;
    settings.pageRange = p.printRange() == QPrinter::PageRange;
    settings.fromPage = settings.pageRange ? p.fromPage() : kNoPage;
    settings.toPage = settings.pageRange ? p.toPage() : kNoPage;
    settings.copies = std::max(1, p.copyCount());
    settings.collate = p.collateCopies();
    settings.outputFile =
        p.outputFormat() == QPrinter::PdfFormat ? fromQString(p.outputFileName()) : std::string();
    takePaper(p, setup);
    return true;
}

void fillPopupMenu(QMenu& menu, const std::vector<PopupItem>& items) {
    for (const PopupItem& item : items) {
        if (item.command == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(toQString(item.text));
        action->setData(item.command);
        action->setEnabled(item.enabled);
    }
}

int QtPlatform::trackPopupMenu(const std::vector<PopupItem>& items, int screenX, int screenY) {
    QMenu menu(owner_);
    fillPopupMenu(menu, items);
    QAction* chosen = menu.exec(QPoint(screenX, screenY));
    return chosen ? chosen->data().toInt() : 0;
}

void QtPlatform::showAbout() {
    AboutDialog dialog(owner_);
    dialog.exec();
}

HelpWindow& QtPlatform::openHelp() {
    if (!help_) help_ = new HelpWindow(nullptr);
    help_->show();
    help_->raise();
    help_->activateWindow();
    return *help_;
}

void QtPlatform::showHelpContents() {
    openHelp().showContents();
}

void QtPlatform::showHelpTopic(std::string_view page, std::string_view anchor) {
    QString where = toQString(page);
    if (!anchor.empty()) where += u'#' + toQString(anchor);
    openHelp().showPage(where);
}

bool QtPlatform::runNewImageDialog(NewImageChoice& choice) {
    ArrowWhileAsking arrow(*this);
    NewImageDialog dialog(owner_, choice, *this);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice = dialog.choice();
    return true;
}

bool QtPlatform::runPreferences(PreferenceChoices& choices, PreferenceActions& actions) {
    ArrowWhileAsking arrow(*this);
    PreferencesSheet sheet(owner_, choices, actions, *this);
    if (sheet.exec() != QDialog::Accepted) return false;
    choices = sheet.choices();
    return true;
}

bool QtPlatform::chooseColor(uint32_t& colorRef, CustomColorSet& customColors) {
    ArrowWhileAsking arrow(*this);
    // Qt keeps one set of custom colours for every colour dialog: each dialog brings its own.
    for (size_t i = 0; i < customColors.size(); ++i)
        QColorDialog::setCustomColor(int(i), colorFromRef(customColors[i]));
    QColorDialog dialog(colorFromRef(colorRef), owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    for (size_t i = 0; i < customColors.size(); ++i)
        customColors[i] = colorRefFrom(QColorDialog::customColor(int(i)));
    colorRef = colorRefFrom(dialog.selectedColor());
    return true;
}

QWidget* QtPlatform::boxOwner() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : owner_.data();
}

bool QtPlatform::runNameDialog(NameDialogState& state) {
    ArrowWhileAsking arrow(*this);
    NameDialog dialog(state, *this, owner_);
    // Modal to the main window only, so that the guide opened from it can be read and scrolled.
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted) return false;
    state.fields = dialog.fields();
    return true;
}

SaveChoice QtPlatform::askSaveDiscardCancel(std::string_view text, std::string_view caption) {
    ArrowWhileAsking arrow(*this);
    QMessageBox box(QMessageBox::Warning, toQString(caption), toQString(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, boxOwner());
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

} // namespace lk
