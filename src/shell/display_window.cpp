#include "shell/display_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMimeData>
#include <QStackedLayout>
#include <QTextBlock>

#include "shell/display_editors.h"
#include "shell/text_printing.h"

namespace lk {

namespace {

constexpr int kDefaultPoints = 9;
constexpr qreal kTwipsPerInch = 1440.0;
constexpr qreal kTwipsPerPoint = 20.0;

// The program's text hand-overs cannot be undone: the editor forgets its history around them.
template <typename Editor, typename F> void withoutUndo(Editor* editor, F&& change) {
    QTextDocument* d = editor->document();
    d->setUndoRedoEnabled(false);
    change();
    d->setUndoRedoEnabled(true);
}

Qt::Alignment qtAlignment(TextAlignment a) {
    switch (a) {
    case TextAlignment::Center:
        return Qt::AlignHCenter;
    case TextAlignment::Right:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QTextCharFormat charFormatOf(const RunFormat& f, const QFont& displayFont) {
    QTextCharFormat cf;
    cf.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    cf.setFontUnderline(f.underline);
    if (f.heightTwips > 0) cf.setFontPointSize(f.heightTwips / kTwipsPerPoint);
    if (f.offsetTwips != 0) {
        qreal height =
            f.heightTwips > 0 ? f.heightTwips : displayFont.pointSizeF() * kTwipsPerPoint;
        cf.setBaselineOffset(100.0 * f.offsetTwips / height);
    }
    return cf;
}

} // namespace

QColor colorFromRef(uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

uint32_t colorRefFrom(const QColor& c) {
    return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16;
}

QFont displayFontFor(const QString& face, int points) {
    QFont font = QFontDatabase::hasFamily(face)
                     ? QFont(face)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(points > 0 ? points : kDefaultPoints);
    return font;
}

DisplayWindow::DisplayWindow(QWidget* parent)
    : QWidget(parent), plain_(new PlainDisplayEdit(this)), rich_(new RichDisplayEdit(this)),
      stack_(new QStackedLayout(this)) {
    stack_->setContentsMargins(0, 0, 0, 0);
    stack_->addWidget(plain_);
    stack_->addWidget(rich_);
    for (QAbstractScrollArea* e :
         {static_cast<QAbstractScrollArea*>(plain_), static_cast<QAbstractScrollArea*>(rich_)}) {
        // Files dropped here open as images (the main window takes them), never as text.
        e->setAcceptDrops(false);
    }
    connect(plain_, &PlainDisplayEdit::outOfSpace, this, &DisplayWindow::outOfSpace);
    connect(rich_, &RichDisplayEdit::outOfSpace, this, &DisplayWindow::outOfSpace);
    showEditor(false);
    applyFont(QStringLiteral("Courier New"), kDefaultPoints);
    applyTabStops(kTabStepTwips);
}

template <typename F> decltype(auto) DisplayWindow::withEditor(F&& f) const {
    return richShown_ ? f(rich_) : f(plain_);
}

void DisplayWindow::showEditor(bool rich) {
    richShown_ = rich;
    QWidget* e = rich ? static_cast<QWidget*>(rich_) : static_cast<QWidget*>(plain_);
    bool hadFocus = hasFocus() || (focusWidget() && isAncestorOf(focusWidget()));
    stack_->setCurrentWidget(e);
    setFocusProxy(e);
    if (hadFocus) e->setFocus();
}

QPlainTextEdit* DisplayWindow::editor() const {
    return plain_;
}

QTextEdit* DisplayWindow::richEditor() const {
    return rich_;
}

QAbstractScrollArea* DisplayWindow::activeEditor() const {
    return withEditor([](auto* e) -> QAbstractScrollArea* { return e; });
}

QTextDocument* DisplayWindow::document() const {
    return withEditor([](auto* e) { return e->document(); });
}

// --- the hand-over ---

void DisplayWindow::setText(std::string_view text) {
    showEditor(false);
    size_t fits = charactersThatFit(0, 0, text.size());
    plain_->setPlainText(QString::fromLatin1(text.data(), qsizetype(fits)));
    caretToStart();
    if (fits < text.size()) emit outOfSpace();
}

void DisplayWindow::clearText() {
    rich_->clear();
    plain_->clear();
    showEditor(false);
}

void DisplayWindow::insertText(std::string_view text) {
    insertAtCaret(QString::fromLatin1(text.data(), qsizetype(text.size())));
}

void DisplayWindow::insertAtCaret(const QString& text) {
    bool fitted = withEditor([&](auto* e) {
        bool ok = true;
        withoutUndo(e, [&] {
            QTextCursor c = e->textCursor();
            ok = insertWithinLimit(c, text);
            e->setTextCursor(c);
        });
        return ok;
    });
    if (!fitted) emit outOfSpace();
}

void DisplayWindow::insertRichText(const RichText& text) {
    if (!richShown_) {
        // The rich editor takes over, with whatever plain text was there.
        QString existing = plain_->toPlainText();
        int caret = plain_->textCursor().position();
        withoutUndo(rich_, [&] {
            rich_->setPlainText(existing);
            QTextCursor c = rich_->textCursor();
            c.setPosition(caret);
            rich_->setTextCursor(c);
        });
        plain_->clear();
        showEditor(true);
    }
    bool fitted = true;
    withoutUndo(rich_, [&] {
        QTextCursor c = rich_->textCursor();
        for (const RichRun& run : text.runs) {
            QTextBlockFormat block = c.blockFormat();
            block.setAlignment(qtAlignment(run.alignment));
            c.setBlockFormat(block);
            QString s = QString::fromLatin1(run.text.data(), qsizetype(run.text.size()));
            size_t fits =
                charactersThatFit(size_t(textLength(rich_->document())),
                                  size_t(c.selectionEnd() - c.selectionStart()), size_t(s.size()));
            c.insertText(s.left(qsizetype(fits)), charFormatOf(run.format, font_));
            if (fits < size_t(s.size())) {
                fitted = false;
                break;
            }
        }
        rich_->setTextCursor(c);
    });
    if (!fitted) emit outOfSpace();
}

void DisplayWindow::caretToStart() {
    withEditor([](auto* e) {
        e->moveCursor(QTextCursor::Start);
        e->ensureCursorVisible();
    });
}

QString DisplayWindow::text() const {
    return withEditor([](auto* e) { return e->toPlainText(); });
}

// --- format ---

void DisplayWindow::applyFont(const QString& face, int points) {
    face_ = face;
    font_ = displayFontFor(face, points);
    for (QWidget* e : {static_cast<QWidget*>(plain_), static_cast<QWidget*>(rich_)})
        e->setFont(font_);
    plain_->document()->setDefaultFont(font_);
    rich_->document()->setDefaultFont(font_);
    wrap_ = true;
    applyWrap();
}

void DisplayWindow::applyWrap() {
    int width = wrap_ ? QFontMetrics(font_).horizontalAdvance(QString(kWrapColumns, u'X')) + 1 : 0;
    plain_->setWrapWidth(width);
    rich_->setWrapWidth(width);
}

int DisplayWindow::wrapWidth() const {
    return wrap_ ? plain_->wrapWidth() : 0;
}

void DisplayWindow::setWrapAt80(bool on) {
    wrap_ = on;
    applyWrap();
}

void DisplayWindow::applyColors(uint32_t textColor, uint32_t backgroundColor) {
    textColor_ = textColor;
    for (QWidget* e : {static_cast<QWidget*>(plain_), static_cast<QWidget*>(rich_)}) {
        QPalette p = e->palette();
        p.setColor(QPalette::Text, colorFromRef(textColor));
        p.setColor(QPalette::Base, colorFromRef(backgroundColor));
        e->setPalette(p);
    }
}

qreal DisplayWindow::tabStopPixels() const {
    return tabStepTwips_ / kTwipsPerInch * logicalDpiX();
}

void DisplayWindow::applyTabStops(int stepTwips) {
    tabStepTwips_ = stepTwips;
    plain_->setTabStopDistance(tabStopPixels());
    rich_->setTabStopDistance(tabStopPixels());
}

FontChoice DisplayWindow::currentFont() const {
    FontChoice f;
    f.face = face_.toStdString();
    f.points = font_.pointSize();
    QTextCharFormat cf = withEditor([](auto* e) { return e->textCursor().charFormat(); });
    f.bold = cf.fontWeight() >= QFont::Bold;
    f.italic = cf.fontItalic();
    f.colorRef = textColor_;
    return f;
}

// --- editing ---

void DisplayWindow::edit(EditAction action) {
    withEditor([action](auto* e) {
        switch (action) {
        case EditAction::Undo:
            e->undo();
            break;
        case EditAction::Cut:
            e->cut();
            break;
        case EditAction::Copy:
            e->copy();
            break;
        case EditAction::Clear:
            e->textCursor().removeSelectedText();
            break;
        case EditAction::SelectAll:
            e->selectAll();
            break;
        }
        e->setFocus();
    });
}

EditFacts DisplayWindow::editFacts() const {
    EditFacts f;
    f.canUndo = document()->isUndoAvailable();
    TextRange s = selection();
    f.hasSelection = s.start != s.end;
    ClipboardOffer offer = clipboardOffer();
    f.clipboardHasData = offer.text || offer.bitmap || offer.richText;
    return f;
}

ClipboardOffer DisplayWindow::clipboardOffer() const {
    ClipboardOffer offer;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return offer;
    offer.text = data->hasText();
    offer.bitmap = data->hasImage();
    offer.richText = data->hasFormat(kRichTextMime);
    return offer;
}

bool DisplayWindow::paste(PasteSource source) {
    bool pasted = true;
    withEditor([&](auto* e) {
        switch (source) {
        case PasteSource::Text: {
            QTextCursor c = e->textCursor();
            if (!insertWithinLimit(c, QApplication::clipboard()->text())) emit outOfSpace();
            e->setTextCursor(c);
            e->ensureCursorVisible();
            break;
        }
        case PasteSource::RichText:
            e->paste();
            break;
        case PasteSource::Bitmap: // the pane holds text only
        case PasteSource::None:
            pasted = false;
            break;
        }
        e->setFocus();
    });
    return pasted;
}

// --- search and replace ---

TextRange DisplayWindow::selection() const {
    QTextCursor c = withEditor([](auto* e) { return e->textCursor(); });
    return {c.selectionStart(), c.selectionEnd()};
}

void DisplayWindow::select(TextRange range) {
    withEditor([&](auto* e) {
        int length = textLength(e->document());
        QTextCursor c = e->textCursor();
        c.setPosition(int(std::clamp<int64_t>(range.start, 0, length)));
        c.setPosition(int(std::clamp<int64_t>(range.end, 0, length)), QTextCursor::KeepAnchor);
        e->setTextCursor(c);
        e->ensureCursorVisible();
    });
}

std::optional<TextRange> DisplayWindow::find(std::string_view text, int64_t from, bool matchCase) {
    QTextDocument* d = document();
    if (text.empty() || from < 0 || from > textLength(d)) return std::nullopt;
    QTextDocument::FindFlags flags;
    if (matchCase) flags |= QTextDocument::FindCaseSensitively;
    QTextCursor found =
        d->find(QString::fromUtf8(text.data(), qsizetype(text.size())), int(from), flags);
    if (found.isNull()) return std::nullopt;
    return TextRange{found.selectionStart(), found.selectionEnd()};
}

void DisplayWindow::replaceSelection(std::string_view text) {
    insertAtCaret(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

// --- printing ---

std::vector<PrintProblem> DisplayWindow::print(const PrintSettings& settings,
                                               const PageSetup& setup,
                                               const std::string& documentName) {
    std::optional<TextRange> part;
    if (settings.selectionOnly) part = selection();
    TextPrintJob job{*document(),
                     part,
                     font_,
                     tabStepTwips_,
                     settings,
                     setup,
                     QString::fromStdString(documentName)};
    return printText(job);
}

} // namespace lk
