#include "shell/display_editors.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QTextDocumentFragment>

#include "app/display_pane.h"

namespace lk {

namespace {

// QPlainTextEdit wraps at the width of its viewport only. Its layout can wrap at any width but
// keeps that setter private; an explicit instantiation may name a private member, which lets
// this one function reach it.
using SetTextWidth = void (QPlainTextDocumentLayout::*)(qreal);
SetTextWidth layoutWidthSetter();
template <SetTextWidth Setter> struct LayoutWidthAccess {
    friend SetTextWidth layoutWidthSetter() { return Setter; }
};
template struct LayoutWidthAccess<&QPlainTextDocumentLayout::setTextWidth>;

int selectedLength(const QTextCursor& cursor) {
    return cursor.selectionEnd() - cursor.selectionStart();
}

// A key that would add a character to a full text is refused, and the user told.
template <typename Editor> bool refuseTypingWhenFull(Editor* editor, QKeyEvent* event) {
    if (event->text().isEmpty() || !event->text().front().isPrint()) return false;
    QTextCursor c = editor->textCursor();
    if (charactersThatFit(size_t(textLength(editor->document())), size_t(selectedLength(c)), 1) > 0)
        return false;
    emit editor->outOfSpace();
    return true;
}

// The pane shows text only: a picture on the clipboard is not its to take.
bool offersText(const QMimeData* source) {
    return source && (source->hasText() || source->hasFormat(kRichTextMime));
}

} // namespace

int textLength(const QTextDocument* document) {
    return document->characterCount() - 1;
}

bool insertWithinLimit(QTextCursor& cursor, const QString& text) {
    size_t fits = charactersThatFit(size_t(textLength(cursor.document())),
                                    size_t(selectedLength(cursor)), size_t(text.size()));
    if (fits == size_t(text.size())) {
        cursor.insertText(text);
        return true;
    }
    cursor.insertText(text.left(qsizetype(fits)));
    return false;
}

// --- plain text ---

PlainDisplayEdit::PlainDisplayEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void PlainDisplayEdit::setWrapWidth(int pixels) {
    wrapWidth_ = pixels;
    setLineWrapMode(pixels > 0 ? WidgetWidth : NoWrap);
    applyWrapWidth();
}

void PlainDisplayEdit::applyWrapWidth() {
    if (wrapWidth_ <= 0) return;
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document()->documentLayout());
    if (!layout) return;
    // The layout's width includes the document's margin on either side.
    qreal width = wrapWidth_ + 2 * document()->documentMargin();
    if (layout->documentSize().width() != width) (layout->*layoutWidthSetter())(width);
}

void PlainDisplayEdit::resizeEvent(QResizeEvent* event) {
    // The editor gives its layout the viewport's width on every resize; the wrap width is put
    // back at once.
    QPlainTextEdit::resizeEvent(event);
    applyWrapWidth();
}

void PlainDisplayEdit::keyPressEvent(QKeyEvent* event) {
    if (!refuseTypingWhenFull(this, event)) QPlainTextEdit::keyPressEvent(event);
}

bool PlainDisplayEdit::canInsertFromMimeData(const QMimeData* source) const {
    return offersText(source);
}

void PlainDisplayEdit::insertFromMimeData(const QMimeData* source) {
    if (!offersText(source)) return;
    QString text =
        source->hasText()
            ? source->text()
            : QTextDocumentFragment::fromHtml(QString::fromUtf8(source->data(kRichTextMime)))
                  .toPlainText();
    QTextCursor c = textCursor();
    if (!insertWithinLimit(c, text)) emit outOfSpace();
    setTextCursor(c);
    ensureCursorVisible();
}

// --- formatted text ---

RichDisplayEdit::RichDisplayEdit(QWidget* parent) : QTextEdit(parent) {
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setAcceptRichText(true);
}

void RichDisplayEdit::setWrapWidth(int pixels) {
    wrapWidth_ = pixels;
    if (pixels <= 0) {
        setLineWrapMode(NoWrap);
        return;
    }
    setLineWrapMode(FixedPixelWidth);
    setLineWrapColumnOrWidth(pixels + int(2 * document()->documentMargin()));
}

void RichDisplayEdit::keyPressEvent(QKeyEvent* event) {
    if (!refuseTypingWhenFull(this, event)) QTextEdit::keyPressEvent(event);
}

bool RichDisplayEdit::canInsertFromMimeData(const QMimeData* source) const {
    return offersText(source);
}

void RichDisplayEdit::insertFromMimeData(const QMimeData* source) {
    if (!offersText(source)) return;
    QTextCursor c = textCursor();
    if (source->hasFormat(kRichTextMime)) {
        auto fragment =
            QTextDocumentFragment::fromHtml(QString::fromUtf8(source->data(kRichTextMime)));
        size_t length = size_t(fragment.toPlainText().size());
        if (charactersThatFit(size_t(textLength(document())), size_t(selectedLength(c)), length) ==
            length) {
            c.insertFragment(fragment);
            setTextCursor(c);
            ensureCursorVisible();
            return;
        }
    }
    if (!insertWithinLimit(c, source->text())) emit outOfSpace();
    setTextCursor(c);
    ensureCursorVisible();
}

QMimeData* RichDisplayEdit::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    QTextDocumentFragment fragment(textCursor());
    data->setText(fragment.toPlainText());
    data->setData(kRichTextMime, fragment.toHtml().toUtf8());
    return data;
}

} // namespace lk
