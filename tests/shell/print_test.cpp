#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "platform/format.h"
#include "shell/app/display_commands.h"
#include "shell/display_window.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

QString runTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text on each page of a PDF file, read back with poppler's tools.
struct PdfFile {
    int pages = 0;
    QString title;
    std::vector<QString> pageTexts;
};

PdfFile readPdf(const std::string& path) {
    PdfFile pdf;
    QString info = runTool("pdfinfo", {QString::fromStdString(path)});
    QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    if (m.hasMatch()) pdf.pages = m.captured(1).toInt();
    pdf.title = QRegularExpression("Title:\\s+(\\S*)").match(info).captured(1);
    for (int i = 1; i <= pdf.pages; ++i)
        pdf.pageTexts.push_back(
            runTool("pdftotext", {"-f", QString::number(i), "-l", QString::number(i), "-layout",
                                  QString::fromStdString(path), "-"})
                .simplified());
    return pdf;
}

// The numbers of the lines "LINE nnnn" on a page.
std::vector<int> linesOn(const QString& page) {
    std::vector<int> lines;
    QRegularExpressionMatchIterator it = QRegularExpression("LINE (\\d{4})").globalMatch(page);
    while (it.hasNext()) lines.push_back(it.next().captured(1).toInt());
    return lines;
}

std::string numberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += format("LINE %04d\n", i);
    return text;
}

class PrintTest : public ShellTest {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
            QStandardPaths::findExecutable("pdfinfo").isEmpty())
            GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are needed to read the PDF";
        start();
        openThroughDialog(writeSampler(), "SAMPLER.po");
    }
    PdfFile print(PrintSettings settings) {
        settings.outputFile = folder.file(format("print%d.pdf", ++jobs));
        platform->printAnswers.push_back(settings);
        run(cmd::kPrint);
        return readPdf(settings.outputFile);
    }
    // Shows a text of exactly five pages and returns the lines of each.
    std::vector<std::vector<int>> showFivePages() {
        showText(numberedLines(1000));
        std::vector<int> first = linesOn(print(PrintSettings{}).pageTexts.at(0));
        int perPage = int(first.size());
        EXPECT_GT(perPage, 10);
        showText(numberedLines(4 * perPage + perPage / 2));
        PdfFile all = print(PrintSettings{});
        EXPECT_EQ(all.pages, 5);
        std::vector<std::vector<int>> pages;
        for (const QString& t : all.pageTexts) pages.push_back(linesOn(t));
        return pages;
    }
    std::vector<std::vector<int>> linesOfPages(const PdfFile& pdf) {
        std::vector<std::vector<int>> out;
        for (const QString& t : pdf.pageTexts) out.push_back(linesOn(t));
        return out;
    }
    int jobs = 0;
};

TEST_F(PrintTest, PageRangeAndCopiesInTheirOrder) {
    std::vector<std::vector<int>> p = showFivePages();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0].front(), 1);
    for (size_t i = 1; i < p.size(); ++i) EXPECT_EQ(p[i].front(), p[i - 1].back() + 1);

    PrintSettings range;
    range.pageRange = true;
    range.fromPage = 2;
    range.toPage = 3;
    EXPECT_EQ(linesOfPages(print(range)), (std::vector<std::vector<int>>{p[1], p[2]}));

    PrintSettings collated;
    collated.copies = 2;
    collated.collate = true;
    EXPECT_EQ(linesOfPages(print(collated)),
              (std::vector<std::vector<int>>{p[0], p[1], p[2], p[3], p[4], p[0], p[1], p[2], p[3],
                                             p[4]}));
    PrintSettings uncollated = collated;
    uncollated.collate = false;
    uncollated.pageRange = true;
    uncollated.fromPage = 1;
    uncollated.toPage = 2;
    EXPECT_EQ(linesOfPages(print(uncollated)),
              (std::vector<std::vector<int>>{p[0], p[0], p[1], p[1]}));
    collated.pageRange = true;
    collated.fromPage = 1;
    collated.toPage = 2;
    EXPECT_EQ(linesOfPages(print(collated)),
              (std::vector<std::vector<int>>{p[0], p[1], p[0], p[1]}));
    EXPECT_TRUE(platform->base.messages.empty());
}

TEST_F(PrintTest, TheSelectionAloneAndAnEmptyTextStillOnePage) {
    showText(numberedLines(300));
    // Lines 11 to 20: ten lines of ten characters each.
    window().displayPane().select({100, 200});
    PrintSettings selection;
    selection.selectionOnly = true;
    PdfFile pdf = print(selection);
    EXPECT_TRUE(platform->printDialogStarts.back().second); // the dialog offered the selection
    ASSERT_EQ(pdf.pages, 1);
    EXPECT_EQ(linesOn(pdf.pageTexts[0]),
              (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(pdf.title, "SAMPLER.po");

    showText("");
    PdfFile empty = print(PrintSettings{});
    EXPECT_EQ(empty.pages, 1);
    EXPECT_EQ(empty.pageTexts.at(0), "");
    EXPECT_FALSE(platform->printDialogStarts.back().second);
}

TEST_F(PrintTest, TheChoicesAreKeptForTheNextJobAndFailuresReported) {
    showText("TEXT\n");
    PrintSettings chosen;
    chosen.copies = 3;
    chosen.collate = true;
    chosen.outputFile = folder.file("no-such-folder/out.pdf");
    platform->printAnswers.push_back(chosen);
    run(cmd::kPrint);
    ASSERT_EQ(platform->base.messages.size(), 1u);
    EXPECT_EQ(platform->base.messages[0].text, "StartDoc Error!");
    EXPECT_EQ(platform->base.messages[0].caption, "Larkspoon Error");
    EXPECT_EQ(platform->base.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(platform->base.waitCursor);

    run(cmd::kPrint); // cancelled: nothing printed, the choices as they were
    ASSERT_EQ(platform->printDialogStarts.size(), 2u);
    EXPECT_EQ(platform->printDialogStarts[1].first.copies, 3);
    EXPECT_TRUE(platform->printDialogStarts[1].first.collate);
    EXPECT_EQ(platform->base.messages.size(), 1u);

    // A picture on show is printed as a picture, not as text.
    state().shell.graphicShown = true;
    run(cmd::kPrint);
    EXPECT_EQ(platform->printDialogStarts.size(), 2u);
}

TEST_F(PrintTest, PageSetupKeepsTheMarginsAtLeastTheMinimum) {
    const PageSetup& kept = state().shell.pageSetup;
    EXPECT_EQ(kept.margins, (Margins{250, 250, 250, 500}));
    EXPECT_EQ(kept.minimum, (Margins{250, 40, 250, 460}));
    PageSetup answer = kept;
    answer.margins = {100, 1000, 300, 200};
    platform->pageSetupAnswer = answer;
    run(cmd::kPageSetup);
    EXPECT_EQ(kept.margins, (Margins{250, 1000, 300, 460}));
    platform->pageSetupAnswer.reset();
    run(cmd::kPageSetup); // cancelled
    EXPECT_EQ(kept.margins, (Margins{250, 1000, 300, 460}));
    EXPECT_EQ(platform->pageSetupShown, 2);
}

TEST(PrintLayout, PagesInTheOrderTheCopiesAndRangeAsk) {
    auto settings = [](int copies, bool collate, int from = 0, int to = 0) {
        PrintSettings s;
        s.copies = copies;
        s.collate = collate;
        s.pageRange = from != 0;
        s.fromPage = from;
        s.toPage = to;
        return s;
    };
    struct Case {
        int pages;
        PrintSettings s;
        std::vector<int> expected;
    } cases[] = {
        {3, settings(1, false), {1, 2, 3}},
        {0, settings(1, false), {1}}, // an empty text is still one page
        {5, settings(1, false, 2, 3), {2, 3}},
        {5, settings(2, true, 2, 3), {2, 3, 2, 3}},
        {5, settings(2, false, 2, 3), {2, 2, 3, 3}},
        {3, settings(1, false, 2, 9), {2, 3}},
        {3, settings(1, false, 4, 9), {}},
        {2, settings(0, false), {1, 2}},
    };
    for (const Case& c : cases) EXPECT_EQ(printedPages(c.pages, c.s), c.expected) << c.pages;
}

TEST(PrintLayout, PrintRectangleInTwipsFromTheMargins) {
    PageSetup setup; // Letter paper: 12240 x 15840 twips
    EXPECT_EQ(printRectangle(12240, 15840, setup), (TwipsRect{0, 302, 11520, 14458}));
    setup.margins = {1000, 1000, 1000, 1000};
    EXPECT_EQ(printRectangle(12240, 15840, setup), (TwipsRect{1080, 1382, 10440, 13738}));
    setup.margins.left = 100; // below the minimum: not to the left of the printable area
    EXPECT_EQ(printRectangle(12240, 15840, setup).left, 0);
}

} // namespace
} // namespace lk::test
