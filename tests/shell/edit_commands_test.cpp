#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include "shell/app/display_commands.h"
#include "shell/display_editors.h"
#include "shell/display_window.h"
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
            if (window().menus()->action(c)->isEnabled()) on.push_back(c);
        return on;
    }
    void setClipboard(bool text, bool image, bool rich) {
        auto* data = new QMimeData;
        if (text) data->setText("CLIP");
        if (image) data->setImageData(QImage(4, 4, QImage::Format_RGB32));
        if (rich) data->setData(kRichTextMime, "<b>RICH</b>");
        QApplication::clipboard()->setMimeData(data);
    }
    std::string text() { return window().displayWindow()->text().toStdString(); }
};

TEST_F(EditTest, EditMenuFollowsUndoTheClipboardTheSelectionAndTheFindDialog) {
    show("HELLO WORLD");
    QApplication::clipboard()->clear();
    EXPECT_EQ(enabledEditItems(), (std::vector<int>{25, 27, 28, 29}));
    window().displayPane().select({0, 5});
    EXPECT_EQ(enabledEditItems(), (std::vector<int>{21, 22, 24, 25, 27, 28, 29}));
    run(cmd::kCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), "HELLO");
    EXPECT_EQ(enabledEditItems(), (std::vector<int>{21, 22, 23, 24, 25, 27, 28, 29}));
    run(cmd::kClear);
    EXPECT_EQ(text(), " WORLD");
    EXPECT_EQ(enabledEditItems(), (std::vector<int>{20, 23, 25, 27, 28, 29}));
    run(cmd::kUndo);
    EXPECT_EQ(text(), "HELLO WORLD");
    run(cmd::kSelectAll);
    run(cmd::kCut);
    EXPECT_EQ(text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "HELLO WORLD");
    run(cmd::kFind);
    EXPECT_EQ(enabledEditItems(), (std::vector<int>{20, 23, 25}));

    // A picture alone, or formatted text alone, also makes Paste available.
    for (auto [t, i, r] : {std::tuple{false, true, false}, std::tuple{false, false, true}}) {
        setClipboard(t, i, r);
        EXPECT_EQ(enabledEditItems(), (std::vector<int>{20, 23, 25})) << i << r;
    }
    QApplication::clipboard()->clear();
    EXPECT_EQ(enabledEditItems(), (std::vector<int>{20, 25}));
}

TEST_F(EditTest, PasteWeighsTextThenPictureThenFormattedTextTheLaterWinning) {
    struct Case {
        bool text, image, rich;
        PasteSource expected;
    } cases[] = {
        {false, false, false, PasteSource::None},  {true, false, false, PasteSource::Text},
        {false, true, false, PasteSource::Bitmap}, {true, true, false, PasteSource::Bitmap},
        {true, true, true, PasteSource::RichText}, {false, false, true, PasteSource::RichText},
    };
    for (const Case& c : cases)
        EXPECT_EQ(choosePasteSource({c.text, c.image, c.rich}), c.expected)
            << c.text << c.image << c.rich;
}

TEST_F(EditTest, PastingTextInsertsItAPictureIsRefused) {
    show("AB");
    window().displayPane().select({1, 1});
    setClipboard(true, false, false);
    run(cmd::kPaste);
    EXPECT_EQ(text(), "ACLIPB");
    EXPECT_TRUE(platform->base.messages.empty());

    setClipboard(true, true, false); // a picture wins over its text, and cannot be pasted
    run(cmd::kPaste);
    EXPECT_EQ(text(), "ACLIPB");
    ASSERT_EQ(platform->base.messages.size(), 1u);
    EXPECT_EQ(platform->base.messages[0].text, "Can't paste bitmap!");
    EXPECT_EQ(platform->base.messages[0].icon, MessageIcon::Warning);
    // The editor's own Ctrl+V takes no picture either.
    setClipboard(false, true, false);
    QTest::keyClick(window().displayWindow()->editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(), "ACLIPB");
}

TEST_F(EditTest, FormattedTextCopiedFromThePaneKeepsItsFormatWhenPastedBack) {
    start();
    window().clearDisplay();
    RichText t;
    RunFormat bold;
    bold.bold = true;
    t.append("BOLD", bold);
    t.append(" plain", RunFormat{});
    window().displayPane().insertRichText(t);
    window().showDisplay();
    window().displayPane().select({0, 4});
    run(cmd::kCopy);
    EXPECT_TRUE(window().displayWindow()->clipboardOffer().richText);
    window().displayPane().select({10, 10});
    run(cmd::kPaste);
    EXPECT_EQ(text(), "BOLD plainBOLD");
    QTextCursor c(window().displayWindow()->document());
    c.setPosition(12);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);

    // In plain text the same paste gives the text alone.
    window().clearDisplay();
    window().setDisplayText("x");
    run(cmd::kPaste);
    EXPECT_EQ(text(), "BOLDx");
}

TEST_F(EditTest, FontDialogStartsFromThePaneAndKeepsWhatItGaveWhateverTheAnswer) {
    start("[Display]\nFontName=Courier New\nFontSize=11\nFontColor=FF\nQuitPrompt=TRUE\n"
          "[Prompts]\nQuitPrompt=TRUE\n");
    window().clearDisplay();
    EXPECT_FALSE(chooseDisplayFont(window().context())); // Cancel
    ASSERT_EQ(platform->fontDialogStarts.size(), 1u);
    EXPECT_EQ(platform->fontDialogStarts[0].face, "Courier New");
    EXPECT_EQ(platform->fontDialogStarts[0].points, 11);
    EXPECT_EQ(platform->fontDialogStarts[0].colorRef, 0xFFu);
    EXPECT_EQ(chosenFontFace(state().shell), "Courier New");
    EXPECT_EQ(chosenPointSize(state().shell), 11);

    platform->fontAnswer = FontChoice{"DejaVu Sans", 14, false, false, 0xFF};
    EXPECT_TRUE(chooseDisplayFont(window().context()));
    EXPECT_EQ(chosenFontFace(state().shell), "DejaVu Sans");
    EXPECT_EQ(chosenPointSize(state().shell), 14);
    EXPECT_EQ(chosenFontColor(state().shell), 0xFFu);
}

TEST(TextLimit, WhatFitsOfAnInsertion) {
    struct Case {
        size_t length, replaced, incoming, fits;
    } cases[] = {
        {0, 0, 10, 10},
        {kDisplayTextLimit - 4, 0, 10, 4},
        {kDisplayTextLimit, 0, 1, 0},
        {kDisplayTextLimit, 5, 10, 5},
        {kDisplayTextLimit + 10, 0, 1, 0}, // never below nothing
        {3, 10, 5, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(charactersThatFit(c.length, c.replaced, c.incoming), c.fits) << c.length;
}

} // namespace
} // namespace lk::test
