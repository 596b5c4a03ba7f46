// The text pane on the right: every listing, dump and catalog is shown here, in one font, one
// colour and one background, with tab stops every 20 points and lines wrapped at the width of
// 80 capital X. The user may edit the text; nothing typed here is ever written back to an
// image. Plain text is held by a plain-text editor, formatted text by a rich one; the pane
// shows one of them.
#pragma once

#include <QFont>
#include <QWidget>
#include <cstdint>
#include <string_view>

#include "app/display_pane.h"
#include "app/menu_state.h"
#include "app/shell_view.h"

class QAbstractScrollArea;
class QPlainTextEdit;
class QStackedLayout;
class QTextDocument;
class QTextEdit;

namespace lk {

class PlainDisplayEdit;
class RichDisplayEdit;

class DisplayWindow : public QWidget, public DisplayPane {
    Q_OBJECT
  public:
    explicit DisplayWindow(QWidget* parent = nullptr);

    // --- the hand-over of text: 8-bit characters (shown as Latin-1), "\n" line ends ---

    // Replaces the whole text with plain text, the caret at the start. Neither this nor an
    // insertion can be undone.
    void setText(std::string_view text);
    // Empties the pane and goes back to plain text.
    void clearText();
    // Inserts plain text at the caret.
    void insertText(std::string_view text);
    void caretToStart();
    QString text() const;

    // --- format ---

    // The font of all the text; a face that is not installed gives the system's fixed-pitch
    // font. Also turns wrapping at 80 columns on.
    void applyFont(const QString& face, int points);
    // Colours as COLORREF values (0x00BBGGRR).
    void applyColors(uint32_t textColor, uint32_t backgroundColor);
    // Tab stops every `stepTwips`.
    void applyTabStops(int stepTwips);
    // The width lines wrap at: 80 capital X of the font plus one pixel; 0 when not wrapping.
    int wrapWidth() const;
    // The pixels of one tab step on the screen.
    qreal tabStopPixels() const;
    QFont displayFont() const { return font_; }

    // --- editing ---

    void edit(EditAction action);
    // Undo, the clipboard and the selection, as the Edit menu needs them.
    EditFacts editFacts() const;

    bool showsRichText() const { return richShown_; }
    QPlainTextEdit* editor() const;
    QTextEdit* richEditor() const;
    QAbstractScrollArea* activeEditor() const;
    QTextDocument* document() const;

    // --- DisplayPane ---
    TextRange selection() const override;
    void select(TextRange range) override;
    std::optional<TextRange> find(std::string_view text, int64_t from, bool matchCase) override;
    void replaceSelection(std::string_view text) override;
    ClipboardOffer clipboardOffer() const override;
    bool paste(PasteSource source) override;
    void insertRichText(const RichText& text) override;
    void setWrapAt80(bool on) override;
    FontChoice currentFont() const override;
    std::vector<PrintProblem> print(const PrintSettings& settings, const PageSetup& setup,
                                    const std::string& documentName) override;

  signals:
    // Text was cut to the pane's limit.
    void outOfSpace();

  private:
    template <typename F> decltype(auto) withEditor(F&& f) const;
    void showEditor(bool rich);
    // Puts the text in place of the selection, beyond undo, cut to the text limit.
    void insertAtCaret(const QString& text);
    void applyWrap();

    PlainDisplayEdit* plain_;
    RichDisplayEdit* rich_;
    QStackedLayout* stack_;
    bool richShown_ = false;
    bool wrap_ = true;
    QFont font_;
    QString face_; // the face asked for, installed or not
    uint32_t textColor_ = 0;
    int tabStepTwips_ = kTabStepTwips;
};

// A COLORREF value (0x00BBGGRR) as a Qt colour.
QColor colorFromRef(uint32_t colorRef);
uint32_t colorRefFrom(const QColor& color);
// The display font for a face and size: the system's fixed-pitch font when the face is missing.
QFont displayFontFor(const QString& face, int points);

} // namespace lk
