#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "shell/display_window.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

// The lengths of the lines a text block is laid out in.
std::vector<int> lineLengths(QTextDocument* d, int blockNumber) {
    QTextBlock b = d->findBlockByNumber(blockNumber);
    d->documentLayout()->blockBoundingRect(b); // lays the block out
    std::vector<int> lengths;
    for (int i = 0; i < b.layout()->lineCount(); ++i)
        lengths.push_back(b.layout()->lineAt(i).textLength());
    return lengths;
}

class DisplayTest : public ShellTest {
  protected:
    DisplayWindow& display() { return *window().displayWindow(); }
    std::string longLines() {
        return std::string(100, 'X') + "\n" + std::string(80, 'X') + "\n" + std::string(81, 'X');
    }
    // The three lines of longLines() as they are laid out.
    std::vector<std::vector<int>> layoutOfLongLines() {
        std::vector<std::vector<int>> out;
        for (int i = 0; i < 3; ++i) out.push_back(lineLengths(display().document(), i));
        return out;
    }
    const std::vector<std::vector<int>> wrapped{{80, 20}, {80}, {80, 1}};
    const std::vector<std::vector<int>> unwrapped{{100}, {80}, {81}};
};

TEST_F(DisplayTest, LinesWrapAtTheWidthOfEightyCapitalXPlusOnePixelUnlessTurnedOff) {
    start();
    showText(longLines());
    QFontMetrics metrics(display().displayFont());
    EXPECT_EQ(display().wrapWidth(), metrics.horizontalAdvance(QString(80, u'X')) + 1);
    EXPECT_EQ(layoutOfLongLines(), wrapped);
    // A window narrower or wider than 80 columns keeps the wrap, and scrolls sideways.
    for (int width : {300, 1400}) {
        window().resize(width, 400);
        QApplication::processEvents();
        EXPECT_EQ(layoutOfLongLines(), wrapped) << width;
        if (width == 300) EXPECT_GT(display().editor()->horizontalScrollBar()->maximum(), 0);
    }

    // Another font gives another width.
    display().applyFont("Courier New", 14);
    EXPECT_EQ(display().wrapWidth(),
              QFontMetrics(display().displayFont()).horizontalAdvance(QString(80, u'X')) + 1);
    EXPECT_EQ(layoutOfLongLines(), wrapped);

    // Turned off for a plain or a formatted text, the wrap stays off after a resize, until the
    // next text.
    for (bool rich : {false, true}) {
        window().clearDisplay();
        if (rich) {
            RichText t;
            t.append(longLines(), RunFormat{});
            window().displayPane().insertRichText(t);
        } else {
            window().setDisplayText(longLines());
        }
        window().showDisplay();
        EXPECT_EQ(layoutOfLongLines(), wrapped) << rich;
        display().setWrapAt80(false);
        state().shell.wrapAt80 = false;
        window().resize(500 + 100 * rich, 300);
        QApplication::processEvents();
        EXPECT_EQ(layoutOfLongLines(), unwrapped) << rich;
    }
    // The next text is prepared with the wrap on again.
    window().clearDisplay();
    window().setDisplayText(longLines());
    EXPECT_EQ(layoutOfLongLines(), wrapped);
}

TEST_F(DisplayTest, TabStopsEveryFourHundredTwips) {
    start();
    window().clearDisplay();
    window().setDisplayText("\tA\nX\tC\n" + std::string(11, '\t') + "D");
    double step = 400.0 / 1440.0 * display().logicalDpiX(); // 20 points
    EXPECT_DOUBLE_EQ(display().tabStopPixels(), step);
    QTextDocument* d = display().document();
    auto xOf = [&](int block, int column) {
        QTextBlock b = d->findBlockByNumber(block);
        d->documentLayout()->blockBoundingRect(b);
        return b.layout()->lineAt(0).cursorToX(column) - b.layout()->lineAt(0).cursorToX(0);
    };
    EXPECT_NEAR(xOf(0, 1), step, 1.0);
    EXPECT_NEAR(xOf(1, 2), step, 1.0); // "X" takes less than a step
    EXPECT_NEAR(xOf(2, 11), 11 * step, 1.0);
}

TEST_F(DisplayTest, FontColourAndBackgroundAreAppliedByClearDisplay) {
    start();
    Settings& s = state().settings;
    s.fontColor = 0x0000FF;   // red
    s.bkgrndColor = 0x400000; // dark blue
    s.fontName = "No Such Face Anywhere";
    s.fontSize = 12;
    window().clearDisplay();
    EXPECT_FALSE(display().isVisible()); // hidden while new text is made
    for (QWidget* e : {static_cast<QWidget*>(display().editor()),
                       static_cast<QWidget*>(display().richEditor())}) {
        EXPECT_EQ(e->palette().color(QPalette::Text), QColor(255, 0, 0));
        EXPECT_EQ(e->palette().color(QPalette::Base), QColor(0, 0, 0x40));
        EXPECT_EQ(e->font().pointSize(), 12);
    }
    // A face that is not installed gives the system's fixed-pitch font.
    EXPECT_EQ(display().displayFont().family(),
              QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    window().setDisplayText("HELLO");
    window().showDisplay();
    EXPECT_TRUE(display().isVisible());
    EXPECT_EQ(colorRefOf(colorFromRef(0x123456)), 0x123456u);
}

TEST_F(DisplayTest, TextIsLatinOneWithLineFeedsAndHandedOverBeyondUndo) {
    start();
    window().clearDisplay();
    window().setDisplayText("CAF\xC9\nLINE 2");
    window().insertDisplayText("\xA9 ");
    EXPECT_EQ(display().text(), QString::fromUtf8("\xC2\xA9 CAF\xC3\x89\nLINE 2"));
    EXPECT_EQ(display().document()->blockCount(), 2);
    EXPECT_FALSE(display().editFacts().canUndo);
    // The user may type; that can be undone, and is gone with the next text.
    QTest::keyClicks(display().editor(), "typed");
    EXPECT_TRUE(display().editFacts().canUndo);
    window().clearDisplay();
    window().setDisplayText("NEXT");
    EXPECT_EQ(display().text(), "NEXT");
    EXPECT_FALSE(display().editFacts().canUndo);
}

TEST_F(DisplayTest, TextBeyondTheLimitIsCutAndReportedWhatFitStays) {
    start();
    window().clearDisplay();
    // Lines of 64 characters, "\n" included, up to 4 characters short of the limit.
    std::string line(63, 'A');
    line += '\n';
    std::string big;
    while (big.size() + line.size() <= kDisplayTextLimit - 4) big += line;
    big.append(kDisplayTextLimit - 4 - big.size(), 'A');
    window().setDisplayText(big);
    EXPECT_TRUE(platform->base.messages.empty());
    window().insertDisplayText("0123456789");
    ASSERT_EQ(platform->base.messages.size(), 1u);
    EXPECT_EQ(platform->base.messages[0].text, "Edit control out of space.");
    EXPECT_EQ(platform->base.messages[0].caption, "Larkspoon");
    EXPECT_EQ(platform->base.messages[0].icon, MessageIcon::Error);
    QString text = display().text();
    EXPECT_EQ(size_t(text.size()), kDisplayTextLimit);
    EXPECT_TRUE(text.startsWith(QStringLiteral("0123AAA"))); // at the caret, which was at 0
    // A full pane refuses typing too.
    display().editor()->moveCursor(QTextCursor::End);
    QTest::keyClick(display().editor(), Qt::Key_Z);
    EXPECT_EQ(size_t(display().text().size()), kDisplayTextLimit);
    EXPECT_EQ(platform->base.messages.size(), 2u);

    // Replacing the whole text with too much keeps the first 16,777,215 characters.
    window().clearDisplay();
    window().setDisplayText(big + "BBBBBBB");
    EXPECT_EQ(size_t(display().text().size()), kDisplayTextLimit);
    EXPECT_EQ(platform->base.messages.size(), 3u);
}

TEST_F(DisplayTest, FormattedRunsShowBoldUnderlineRaisedLoweredAndAlignedParagraphs) {
    start();
    window().clearDisplay();
    RichText t;
    t.append("TITLE\n", RunFormat{.bold = true}, TextAlignment::Center);
    t.append("E=MC", RunFormat{});
    t.append("2", RunFormat{.offsetTwips = 30, .heightTwips = 162});
    t.append(" H", RunFormat{});
    t.append("2", RunFormat{.offsetTwips = -28, .heightTwips = 162});
    t.append("O ", RunFormat{});
    t.append("NOTE", RunFormat{.underline = true});
    t.append("\n", RunFormat{});
    t.append("PAGE 1\n", RunFormat{}, TextAlignment::Right);
    window().displayPane().insertRichText(t);
    window().showDisplay();
    ASSERT_TRUE(display().showsRichText());
    EXPECT_EQ(display().text(), "TITLE\nE=MC2 H2O NOTE\nPAGE 1\n");

    QTextDocument* d = display().document();
    auto formatAt = [&](int position) {
        QTextCursor c(d);
        c.setPosition(position + 1); // the format of the character before the cursor
        return c.charFormat();
    };
    EXPECT_EQ(formatAt(0).fontWeight(), QFont::Bold);
    EXPECT_GT(formatAt(10).baselineOffset(), 0); // the raised 2
    EXPECT_DOUBLE_EQ(formatAt(10).fontPointSize(), 8.1);
    EXPECT_LT(formatAt(13).baselineOffset(), 0); // the lowered 2
    EXPECT_TRUE(formatAt(16).fontUnderline());
    EXPECT_FALSE(formatAt(15).fontUnderline());
    EXPECT_EQ(d->findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(d->findBlockByNumber(1).blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_EQ(d->findBlockByNumber(2).blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(display().richEditor()->font().family(), display().editor()->font().family());

    // The next text goes back to the plain editor.
    showText("PLAIN");
    EXPECT_FALSE(display().showsRichText());
    EXPECT_EQ(display().text(), "PLAIN");
}

} // namespace
} // namespace lk::test
