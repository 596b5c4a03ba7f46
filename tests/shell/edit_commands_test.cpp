#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <tuple>

#include "shell/app/display_commands.h"
#include "shell/display_editors.h"
#include "shell/display_window.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

class EditTest : public ShellTest {
  protected:
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
};

TEST_F(EditTest, EditMenuFollowsUndoTheClipboardTheSelectionAndTheFindDialog) {
    start();
    showText("HELLO WORLD");
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
    start();
    showText("AB");
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

} // namespace
} // namespace lk::test
