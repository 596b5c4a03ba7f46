// The text pane on the right: every listing, dump and catalog is shown here. The user may edit
// the text; nothing typed here is ever written back to an image.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string_view>

#include "shell/app/menu_state.h"
#include "shell/app/shell_view.h"

class QPlainTextEdit;

namespace lk {

class DisplayWindow : public QWidget {
    Q_OBJECT
  public:
    explicit DisplayWindow(QWidget* parent = nullptr);

    // Replaces the whole text; the program's texts are 8-bit characters with "\n" line ends.
    void setText(std::string_view text);
    void clearText();
    // Inserts text at the caret.
    void insertText(std::string_view text);
    void caretToStart();
    QString text() const;

    // The display font and colours (colours as COLORREF values, 0x00BBGGRR).
    void applyFont(const QString& face, int points);
    void applyColors(uint32_t textColor, uint32_t backgroundColor);

    void edit(EditAction action);
    // Undo, the clipboard and the selection, as the Edit menu needs them.
    EditFacts editFacts() const;

    QPlainTextEdit* editor() const { return editor_; }

  private:
    QPlainTextEdit* editor_;
};

// A COLORREF value (0x00BBGGRR) as a Qt colour.
QColor colorFromRef(uint32_t colorRef);

} // namespace lk
