// The two editors behind the text pane. Plain text, which is nearly everything shown, goes to a
// QPlainTextEdit, which lays out only what is on screen and so stays quick with 16 MB of text;
// formatted text (AppleWorks documents, with centred paragraphs) goes to a QTextEdit. Both keep
// to the pane's text limit, paste only text, and wrap at a width of their own rather than at
// the window's.
#pragma once

#include <QPlainTextEdit>
#include <QTextEdit>

namespace lk {

// The clipboard form in which the pane hands formatted text to itself.
inline constexpr char kRichTextMime[] = "application/x-qrichtext";

class PlainDisplayEdit : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit PlainDisplayEdit(QWidget* parent = nullptr);
    // Lines wrap at this many pixels of text whatever the window's width; 0 wraps nowhere.
    void setWrapWidth(int pixels);
    int wrapWidth() const { return wrapWidth_; }

  signals:
    void outOfSpace();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    void applyWrapWidth();
    int wrapWidth_ = 0;
};

class RichDisplayEdit : public QTextEdit {
    Q_OBJECT
  public:
    explicit RichDisplayEdit(QWidget* parent = nullptr);
    void setWrapWidth(int pixels);
    int wrapWidth() const { return wrapWidth_; }

  signals:
    void outOfSpace();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

  private:
    int wrapWidth_ = 0;
};

// The characters of the editor's text, line ends counted as one.
int textLength(const QTextDocument* document);
// Inserts text at the cursor, cut to what the text limit leaves room for; false when cut.
bool insertWithinLimit(QTextCursor& cursor, const QString& text);

} // namespace lk
