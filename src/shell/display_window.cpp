#include "shell/display_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lk {

QColor colorFromRef(uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

DisplayWindow::DisplayWindow(QWidget* parent) : QWidget(parent), editor_(new QPlainTextEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Files dropped here open as images (the main window takes them), never as text.
    editor_->setAcceptDrops(false);
    setFocusProxy(editor_);
}

void DisplayWindow::setText(std::string_view text) {
    editor_->setPlainText(QString::fromLatin1(text.data(), qsizetype(text.size())));
    editor_->moveCursor(QTextCursor::Start);
}

void DisplayWindow::clearText() {
    editor_->clear();
}

void DisplayWindow::insertText(std::string_view text) {
    editor_->insertPlainText(QString::fromLatin1(text.data(), qsizetype(text.size())));
}

void DisplayWindow::caretToStart() {
    editor_->moveCursor(QTextCursor::Start);
    editor_->ensureCursorVisible();
}

QString DisplayWindow::text() const {
    return editor_->toPlainText();
}

void DisplayWindow::applyFont(const QString& face, int points) {
    QFont font(face);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(points > 0 ? points : 9);
    // A face that is not installed falls back to the system's fixed-width font.
    if (!QFontInfo(font).fixedPitch()) {
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSize(font.pointSize());
        font = fixed;
    }
    editor_->setFont(font);
}

void DisplayWindow::applyColors(uint32_t textColor, uint32_t backgroundColor) {
    QPalette p = editor_->palette();
    p.setColor(QPalette::Text, colorFromRef(textColor));
    p.setColor(QPalette::Base, colorFromRef(backgroundColor));
    editor_->setPalette(p);
}

void DisplayWindow::edit(EditAction action) {
    switch (action) {
    case EditAction::Undo:
        editor_->undo();
        break;
    case EditAction::Cut:
        editor_->cut();
        break;
    case EditAction::Copy:
        editor_->copy();
        break;
    case EditAction::Paste:
        editor_->paste();
        break;
    case EditAction::Clear:
        editor_->textCursor().removeSelectedText();
        break;
    case EditAction::SelectAll:
        editor_->selectAll();
        break;
    }
    editor_->setFocus();
}

EditFacts DisplayWindow::editFacts() const {
    EditFacts f;
    f.canUndo = editor_->document()->isUndoAvailable();
    f.hasSelection = editor_->textCursor().hasSelection();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    f.clipboardHasData = data && (data->hasText() || data->hasImage() || data->hasHtml());
    return f;
}

} // namespace lk
