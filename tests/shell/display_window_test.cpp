// The text pane: the wrap, fonts, colours and tab stops, Latin-1 text, the size limit and
// formatted text; its Edit menu, clipboard and the Find and Replace dialog through the window
// (the rules behind them are tested on the commands).
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "app/display_commands.h"
#include "shell/catalog_view.h"
#include "shell/display_editors.h"
#include "shell/display_window.h"
#include "shell/find_dialog.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

class DisplayTest : public ShellTest {
  protected:
    void SetUp() override { start(); }
    DisplayWindow& display() { return *window().displayWindow(); }
    QTextBlock laidOut(int blockNumber) {
        QTextBlock b = display().document()->findBlockByNumber(blockNumber);
        display().document()->documentLayout()->blockBoundingRect(b);
        return b;
    }
    // The lengths of the lines the three lines of a text of 100, 80 and 81 X are laid out in.
    std::vector<std::vector<int>> layoutOfLongLines() {
        std::vector<std::vector<int>> out(3);
        for (int i = 0; i < 3; ++i)
            for (int l = 0; l < laidOut(i).layout()->lineCount(); ++l)
                out[size_t(i)].push_back(laidOut(i).layout()->lineAt(l).textLength());
        return out;
    }
    const std::string longLines =
        std::string(100, 'X') + "\n" + std::string(80, 'X') + "\n" + std::string(81, 'X');
    const std::vector<std::vector<int>> wrapped{{80, 20}, {80}, {80, 1}};
    void setClipboard(bool text, bool image) {
        auto* data = new QMimeData;
        if (text) data->setText("CLIP");
        if (image) data->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QApplication::clipboard()->setMimeData(data);
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

// Lines wrap at the width of 80 capital X plus one pixel whatever the window's width; turned off
// for a plain or a formatted text, the wrap stays off after a resize, until the next text.
TEST_F(DisplayTest, LinesWrapAtEightyCapitalXUnlessTurnedOff) {
    showText(longLines);
    QFontMetrics metrics(display().displayFont());
    EXPECT_EQ(display().wrapWidth(), metrics.horizontalAdvance(QString(80, u'X')) + 1);
    window().resize(300, 400);
    QApplication::processEvents();
    EXPECT_EQ(layoutOfLongLines(), wrapped);
    EXPECT_GT(display().editor()->horizontalScrollBar()->maximum(), 0);
    for (bool rich : {false, true}) {
        window().clearDisplay();
        if (rich) {
            RichText t;
            t.append(longLines, RunFormat{});
            window().displayPane().insertRichText(t);
        } else {
            window().setDisplayText(longLines);
        }
        window().showDisplay();
        display().setWrapAt80(false);
        state().shell.wrapAt80 = false;
        window().resize(500 + 100 * rich, 300);
        QApplication::processEvents();
        EXPECT_EQ(layoutOfLongLines(), (std::vector<std::vector<int>>{{100}, {80}, {81}})) << rich;
    }
    window().clearDisplay();
    window().setDisplayText(longLines);
    EXPECT_EQ(layoutOfLongLines(), wrapped);
}

// Clearing the pane applies the settings' colours; the text is Latin-1, handed over beyond Undo,
// with a tab stop every 20 points.
TEST_F(DisplayTest, ClearDisplayAppliesTheSettingsTabStopsAndLatinOne) {
    state().settings.fontColor = 0x0000FF; // red
    window().clearDisplay();
    EXPECT_FALSE(display().isVisible()); // hidden while new text is made
    EXPECT_EQ(display().editor()->palette().color(QPalette::Text), QColor(255, 0, 0));
    window().setDisplayText("X\tCAF\xC9");
    QTextLine line = laidOut(0).layout()->lineAt(0);
    EXPECT_NEAR(line.cursorToX(2) - line.cursorToX(0), 400.0 / 1440.0 * display().logicalDpiX(),
                1.0);
    EXPECT_EQ(display().text(), QString::fromUtf8("X\tCAF\xC3\x89"));
    EXPECT_FALSE(display().editFacts().canUndo);
    QTest::keyClicks(display().editor(), "typed"); // the user may type, and undo it
    EXPECT_TRUE(display().editFacts().canUndo);
    window().clearDisplay();
    EXPECT_FALSE(display().editFacts().canUndo);
}

TEST_F(DisplayTest, TextBeyondTheLimitIsCutAndReportedWhatFitStays) {
    window().clearDisplay();
    // Lines of 64 characters, "\n" included, up to 4 characters short of the limit.
    std::string line(63, 'A');
    line += '\n';
    std::string big;
    while (big.size() + line.size() <= kDisplayTextLimit - 4) big += line;
    big.append(kDisplayTextLimit - 4 - big.size(), 'A');
    window().setDisplayText(big);
    EXPECT_TRUE(platform->messages.empty());
    window().insertDisplayText("0123456789");
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, "Edit control out of space.");
    EXPECT_EQ(platform->messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(size_t(display().text().size()), kDisplayTextLimit);
    EXPECT_TRUE(display().text().startsWith(QStringLiteral("0123AAA"))); // at the caret
    display().editor()->moveCursor(QTextCursor::End); // a full pane refuses typing too
    QTest::keyClick(display().editor(), Qt::Key_Z);
    EXPECT_EQ(size_t(display().text().size()), kDisplayTextLimit);
    // Replacing the whole text with too much keeps the first 16,777,215 characters.
    window().clearDisplay();
    window().setDisplayText(big + "BBBBBBB");
    EXPECT_EQ(size_t(display().text().size()), kDisplayTextLimit);
    EXPECT_EQ(platform->messages.size(), 3u);
}

TEST_F(DisplayTest, FormattedRunsShowRaisedTextAndAlignedParagraphs) {
    window().clearDisplay();
    RichText t;
    t.append("TITLE\n", RunFormat{.bold = true}, TextAlignment::Center);
    t.append("E=MC", RunFormat{});
    t.append("2", RunFormat{.offsetTwips = 30, .heightTwips = 162});
    window().displayPane().insertRichText(t);
    window().showDisplay();
    EXPECT_EQ(display().text(), "TITLE\nE=MC2");
    QTextCursor c(display().document());
    c.setPosition(11); // the format of the character before the cursor: the raised 2
    EXPECT_GT(c.charFormat().baselineOffset(), 0);
    EXPECT_DOUBLE_EQ(c.charFormat().fontPointSize(), 8.1);
    EXPECT_EQ(laidOut(0).blockFormat().alignment(), Qt::AlignHCenter);
    showText("PLAIN"); // the next text goes back to the plain editor
    EXPECT_FALSE(display().showsRichText());
}

TEST_F(DisplayTest, ThePaneReportsUndoTheClipboardAndTheSelection) {
    showText("HELLO WORLD");
    QApplication::clipboard()->clear();
    auto facts = [this] { return display().editFacts(); };
    EXPECT_FALSE(facts().clipboardHasData || facts().hasSelection || facts().canUndo);
    window().displayPane().select({0, 5});
    run(cmd::kCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), "HELLO");
    EXPECT_TRUE(facts().clipboardHasData && facts().hasSelection);
    run(cmd::kClear);
    EXPECT_EQ(shownText(), " WORLD");
    EXPECT_TRUE(facts().canUndo);
    run(cmd::kUndo);
    EXPECT_EQ(shownText(), "HELLO WORLD");
    run(cmd::kSelectAll);
    run(cmd::kCut);
    EXPECT_EQ(shownText(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "HELLO WORLD");
    setClipboard(false, true); // a picture alone also makes Paste available
    EXPECT_TRUE(facts().clipboardHasData);
}

// Formatted text copied from the pane keeps its format when pasted back, and gives its text
// alone in plain text; a picture, which wins over text, is refused, by the editor's own Ctrl+V
// too.
TEST_F(DisplayTest, PasteTakesTextRefusesAPictureAndKeepsTheFormatOfFormattedText) {
    window().clearDisplay();
    RichText t;
    t.append("BOLD", RunFormat{.bold = true});
    t.append(" plain", RunFormat{});
    window().displayPane().insertRichText(t);
    window().showDisplay();
    window().displayPane().select({0, 4});
    run(cmd::kCopy);
    window().displayPane().select({10, 10});
    run(cmd::kPaste);
    EXPECT_EQ(shownText(), "BOLD plainBOLD");
    QTextCursor c(display().document());
    c.setPosition(12);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);

    showText("AB");
    window().displayPane().select({1, 1});
    run(cmd::kPaste);
    EXPECT_EQ(shownText(), "ABOLDB");
    setClipboard(true, true);
    run(cmd::kPaste);
    EXPECT_EQ(platform->lastMessage(), "Can't paste bitmap!");
    setClipboard(false, true);
    QTest::keyClick(display().editor(), Qt::Key_V, Qt::ControlModifier);
    setClipboard(true, false);
    run(cmd::kPaste);
    EXPECT_EQ(shownText(), "ABOLDCLIPB");
    EXPECT_EQ(platform->messages.size(), 1u);
}

// The dialog opens from its key, takes the keys typed into it (Delete edits its field), finds
// with Return and its buttons, keeps its record for the next dialog, replaces in the pane and
// closes with Escape.
TEST_F(DisplayTest, TheFindDialogSearchesAndReplacesInThePane) {
    showText("alpha beta ALPHA beta alpha");
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(window().treeView(), Qt::Key_F, Qt::ControlModifier);
    FindDialog* d = window().findDialog();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    EXPECT_EQ(d->replaceField(), nullptr);
    QTest::keyClicks(d->findField(), "XALPHAS");
    QTest::keyClick(d->findField(), Qt::Key_Backspace);
    QTest::keyClick(d->findField(), Qt::Key_Home);
    QTest::keyClick(d->findField(), Qt::Key_Delete);
    EXPECT_EQ(d->findField()->text(), "ALPHA");
    d->matchCaseBox()->setChecked(true);
    QTest::keyClick(d->findField(), Qt::Key_Return); // the default button: Find Next
    EXPECT_EQ(selection(), (TextRange{11, 16}));
    click(d->findNextButton()); // not found: told, the caret at the top
    EXPECT_EQ(selection(), (TextRange{0, 0}));
    EXPECT_EQ(platform->lastMessage(), "Text not found!  Cursor reset to top of document.");
    run(cmd::kReplace); // a dialog is open already: it comes to the front
    EXPECT_EQ(window().findDialog(), d);
    QTest::keyClick(d, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(state().shell.findDialogOpen);

    run(cmd::kReplace);
    d = window().findDialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->findField()->text(), "ALPHA");
    EXPECT_TRUE(d->matchCaseBox()->isChecked());
    d->matchCaseBox()->setChecked(false);
    d->replaceField()->setText("x");
    click(d->replaceButton());
    EXPECT_EQ(shownText(), "x beta ALPHA beta alpha");
    click(d->replaceAllButton());
    EXPECT_EQ(shownText(), "x beta x beta x");
    EXPECT_FALSE(display().editFacts().canUndo); // replacing cannot be undone
    d->findField()->clear(); // nothing to search for: the buttons wait for a text
    EXPECT_FALSE(d->findNextButton()->isEnabled());
}

} // namespace
} // namespace lk::test
