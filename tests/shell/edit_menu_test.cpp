// The text pane's Edit menu through the window: its states, Undo, Cut, Copy, Paste and Clear,
// the font dialog, and Find, Find Next and Replace with their dialog.
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <tuple>

#include "app/display_commands.h"
#include "shell/catalog_view.h"
#include "shell/display_editors.h"
#include "shell/display_window.h"
#include "shell/find_dialog.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

class EditTest : public ShellTest {
  protected:
    void show(const std::string& text) {
        start();
        showText(text);
    }
    std::vector<int> enabledEditItems() {
        refreshEditMenu(window().context());
        std::vector<int> on;
        for (int c : {20, 21, 22, 23, 24, 25, 27, 28, 29})
            if (enabled(c)) on.push_back(c);
        return on;
    }
    void setClipboard(bool text, bool image, bool rich = false) {
        auto* data = new QMimeData;
        if (text) data->setText("CLIP");
        if (image) data->setImageData(QImage(4, 4, QImage::Format_RGB32));
        if (rich) data->setData(kRichTextMime, "<b>RICH</b>");
        QApplication::clipboard()->setMimeData(data);
    }
    // Opens Find or Replace and types the texts in its fields.
    FindDialog* openDialog(int command, const std::string& find, const std::string& replace = "") {
        run(command);
        FindDialog* d = window().findDialog();
        if (!d) return nullptr;
        d->findField()->setText(QString::fromStdString(find));
        if (d->replaceField()) d->replaceField()->setText(QString::fromStdString(replace));
        return d;
    }
    size_t notFoundMessages() {
        size_t n = 0;
        for (const ShownMessage& m : platform->base.messages)
            n += m.text == "Text not found!  Cursor reset to top of document." &&
                 m.caption == "Larkspoon" && m.icon == MessageIcon::Warning;
        return n;
    }
};
using FindTest = EditTest;

TEST_F(EditTest, EditMenuFollowsUndoTheClipboardTheSelectionAndTheFindDialog) {
    show("HELLO WORLD");
    QApplication::clipboard()->clear();
    EXPECT_EQ(enabledEditItems(), (std::vector<int>{25, 27, 28, 29}));
    window().displayPane().select({0, 5});
    run(cmd::kCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), "HELLO");
    EXPECT_EQ(enabledEditItems(), (std::vector<int>{21, 22, 23, 24, 25, 27, 28, 29}));
    run(cmd::kClear);
    EXPECT_EQ(shownText(), " WORLD");
    EXPECT_EQ(enabledEditItems(), (std::vector<int>{20, 23, 25, 27, 28, 29}));
    run(cmd::kUndo);
    EXPECT_EQ(shownText(), "HELLO WORLD");
    run(cmd::kSelectAll);
    run(cmd::kCut);
    EXPECT_EQ(shownText(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "HELLO WORLD");
    run(cmd::kFind);
    EXPECT_EQ(enabledEditItems(), (std::vector<int>{20, 23, 25}));
    // A picture alone, or formatted text alone, also makes Paste available.
    for (bool image : {true, false}) {
        setClipboard(false, image, !image);
        EXPECT_EQ(enabledEditItems(), (std::vector<int>{20, 23, 25})) << image;
    }
}

TEST_F(EditTest, PasteTakesTextThenAPictureWhichIsRefusedThenFormattedText) {
    show("AB");
    window().displayPane().select({1, 1});
    setClipboard(true, false);
    run(cmd::kPaste);
    EXPECT_EQ(shownText(), "ACLIPB");
    EXPECT_TRUE(platform->base.messages.empty());

    setClipboard(true, true); // a picture wins over its text, and cannot be pasted
    run(cmd::kPaste);
    EXPECT_EQ(shownText(), "ACLIPB");
    EXPECT_EQ(platform->base.lastMessage(), "Can't paste bitmap!");
    EXPECT_EQ(platform->base.messages.back().icon, MessageIcon::Warning);
    // The editor's own Ctrl+V takes no picture either.
    setClipboard(false, true);
    QTest::keyClick(window().displayWindow()->editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shownText(), "ACLIPB");
    // Formatted text wins over a picture.
    setClipboard(false, true, true);
    run(cmd::kPaste);
    EXPECT_EQ(shownText(), "ACLIPRICHB");
    EXPECT_EQ(platform->base.messages.size(), 1u);
}

TEST_F(EditTest, FormattedTextCopiedFromThePaneKeepsItsFormatWhenPastedBack) {
    start();
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
    QTextCursor c(window().displayWindow()->document());
    c.setPosition(12);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
    // In plain text the same paste gives the text alone.
    showText("x");
    run(cmd::kPaste);
    EXPECT_EQ(shownText(), "BOLDx");
}

TEST_F(EditTest, FontDialogStartsFromThePaneAndKeepsWhatItGave) {
    start(
        "[Prompts]\nQuitPrompt=TRUE\n[Display]\nFontName=Courier New\nFontSize=11\nFontColor=FF\n");
    window().clearDisplay();                             // the pane takes the font of the settings
    EXPECT_FALSE(chooseDisplayFont(window().context())); // Cancel
    ASSERT_EQ(platform->fontDialog.shown.size(), 1u);
    const FontChoice& shown = platform->fontDialog.shown[0];
    EXPECT_EQ(std::tie(shown.face, shown.points, shown.colorRef),
              std::make_tuple(std::string("Courier New"), 11, 0xFFu));
    EXPECT_EQ(chosenFontFace(state().shell), "Courier New");
    platform->fontDialog.answers = {FontChoice{"DejaVu Sans", 14, false, false, 0xFF}};
    EXPECT_TRUE(chooseDisplayFont(window().context()));
    EXPECT_EQ(chosenFontFace(state().shell), "DejaVu Sans");
    EXPECT_EQ(chosenPointSize(state().shell), 14);
}

TEST(TextLimit, WhatFitsOfAnInsertion) {
    struct Case {
        size_t length, replaced, incoming, fits;
    } cases[] = {
        {kDisplayTextLimit, 5, 10, 5},     // what the replaced selection frees
        {kDisplayTextLimit + 10, 0, 1, 0}, // never below nothing
        {3, 10, 5, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(charactersThatFit(c.length, c.replaced, c.incoming), c.fits) << c.length;
}

TEST_F(FindTest, FindNextFromTheDialogMovesOnThenResetsToTheTopWithAMessage) {
    //    0         1         2
    //    0123456789012345678901234567
    show("alpha beta ALPHA beta alpha");
    FindDialog* d = openDialog(cmd::kFind, "alpha");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Find");
    EXPECT_EQ(d->replaceField(), nullptr);
    EXPECT_TRUE(state().shell.findDialogOpen);
    // With a bare caret the search starts there; from a found match it moves on (case
    // ignored).
    QTest::mouseClick(d->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(selection(), (TextRange{0, 5}));
    QTest::mouseClick(d->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(selection(), (TextRange{11, 16}));
    QTest::mouseClick(d->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(selection(), (TextRange{22, 27}));
    EXPECT_EQ(notFoundMessages(), 0u);
    QTest::mouseClick(d->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(selection(), (TextRange{0, 0}));
    EXPECT_EQ(notFoundMessages(), 1u);

    // Match case finds only the lower-case ones.
    d->matchCaseBox()->setChecked(true);
    window().displayPane().select({3, 3});
    QTest::mouseClick(d->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(selection(), (TextRange{22, 27}));
    EXPECT_TRUE(state().shell.findRecord.matchCase);
}

TEST_F(FindTest, FindNextKeySearchesSilentlyAndOpensFindWithoutASearchText) {
    show("one two one two");
    run(cmd::kFindNext); // nothing to search for yet: acts like Find
    ASSERT_NE(window().findDialog(), nullptr);
    EXPECT_EQ(window().findDialog()->mode(), FindMode::Find);
    window().findDialog()->findField()->setText("two");
    QTest::mouseClick(window().findDialog()->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(selection(), (TextRange{4, 7}));
    window().findDialog()->close();
    QApplication::processEvents();
    EXPECT_FALSE(state().shell.findDialogOpen);
    EXPECT_EQ(window().findDialog(), nullptr);

    run(cmd::kFindNext);
    EXPECT_EQ(selection(), (TextRange{12, 15}));
    run(cmd::kFindNext); // not found: the caret goes to the top, without a word
    EXPECT_EQ(selection(), (TextRange{0, 0}));
    EXPECT_EQ(notFoundMessages(), 0u);
    EXPECT_EQ(window().findDialog(), nullptr);
    run(cmd::kFindNext);
    EXPECT_EQ(selection(), (TextRange{4, 7}));
}

TEST_F(FindTest, ReplaceAllReplacesEveryMatchAfterTheCaretAndSaysNothingWhenItFoundOne) {
    show("x foo y foo z foo");
    FindDialog* d = openDialog(cmd::kReplace, "foo", "quux");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Replace");
    QTest::mouseClick(d->replaceAllButton(), Qt::LeftButton);
    EXPECT_EQ(shownText(), "x quux y quux z quux");
    EXPECT_EQ(notFoundMessages(), 0u);
    EXPECT_EQ(selection(), (TextRange{0, 0}));
    // Replacing cannot be undone.
    EXPECT_FALSE(window().displayWindow()->editFacts().canUndo);
    // Nothing left to replace: told once.
    QTest::mouseClick(d->replaceAllButton(), Qt::LeftButton);
    EXPECT_EQ(notFoundMessages(), 1u);
    EXPECT_EQ(shownText(), "x quux y quux z quux");
}

TEST_F(FindTest, ReplaceTakesTheNextMatchAfterTheStartOfTheSelection) {
    show("ab ab ab");
    FindDialog* d = openDialog(cmd::kReplace, "ab", "X");
    ASSERT_NE(d, nullptr);
    window().displayPane().select({3, 5}); // the middle match selected
    QTest::mouseClick(d->replaceButton(), Qt::LeftButton);
    EXPECT_EQ(shownText(), "ab ab X");
    EXPECT_EQ(selection(), (TextRange{7, 7}));
    QTest::mouseClick(d->replaceButton(), Qt::LeftButton); // none after the caret
    EXPECT_EQ(notFoundMessages(), 1u);
    EXPECT_EQ(selection(), (TextRange{0, 0}));
    QTest::mouseClick(d->replaceButton(), Qt::LeftButton); // the match at the caret
    EXPECT_EQ(shownText(), "X ab X");
}

// A replacement leaves the caret after it, where the next match may stand at once.
TEST_F(FindTest, ReplaceAllTakesAMatchRightAfterAReplacement) {
    show("xfoofoo");
    FindDialog* d = openDialog(cmd::kReplace, "foo", "y");
    ASSERT_NE(d, nullptr);
    QTest::mouseClick(d->replaceAllButton(), Qt::LeftButton);
    EXPECT_EQ(shownText(), "xyy");
}

TEST_F(FindTest, TheRecordStaysForTheWholeRunAndOneDialogIsOpenAtATime) {
    show("Some Text");
    FindDialog* d = openDialog(cmd::kReplace, "Text", "Words");
    d->matchCaseBox()->setChecked(true);
    QTest::mouseClick(d->findNextButton(), Qt::LeftButton);
    run(cmd::kFind); // a dialog is open already: it comes to the front
    EXPECT_EQ(window().findDialog(), d);
    d->close();
    QApplication::processEvents();
    run(cmd::kFind);
    FindDialog* again = window().findDialog();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->findField()->text(), "Text");
    EXPECT_TRUE(again->matchCaseBox()->isChecked());
    // Find has no replace field, and keeps the replacement for the next Replace.
    QTest::mouseClick(again->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(state().shell.findRecord.replaceText, "Words");
    again->findField()->clear(); // nothing to search for: the buttons wait for a text
    EXPECT_FALSE(again->findNextButton()->isEnabled());
}

TEST_F(FindTest, TheDialogTakesTheKeysReturnFindsEscapeCloses) {
    show("HELLO WORLD");
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(window().treeView(), Qt::Key_F, Qt::ControlModifier);
    FindDialog* d = window().findDialog();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    // Delete edits the dialog's field, not the text pane.
    QTest::keyClicks(d->findField(), "WORLDS");
    QTest::keyClick(d->findField(), Qt::Key_Backspace);
    QTest::keyClick(d->findField(), Qt::Key_Home);
    QTest::keyClick(d->findField(), Qt::Key_Delete);
    EXPECT_EQ(d->findField()->text(), "ORLD");
    EXPECT_EQ(shownText(), "HELLO WORLD");
    QTest::keyClick(d->findField(), Qt::Key_Return); // the default button: Find Next
    EXPECT_EQ(selection(), (TextRange{7, 11}));

    QTest::keyClick(d, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(state().shell.findDialogOpen);
    refreshEditMenu(window().context());
    for (int c : {cmd::kFind, cmd::kFindNext, cmd::kReplace})
        EXPECT_TRUE(window().menus()->action(c)->isEnabled()) << c;
}

} // namespace
} // namespace lk::test
