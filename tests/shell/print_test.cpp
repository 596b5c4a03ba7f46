#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/display_commands.h"
#include "appleworks_builder.h"
#include "base/format.h"
#include "shell/catalog_view.h"
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

// A PDF file read back with poppler's tools: its title and the text of each page.
struct PdfFile {
    QString title;
    std::vector<QString> pages;
};

PdfFile readPdf(const std::string& path) {
    PdfFile pdf;
    QString file = QString::fromStdString(path);
    pdf.title =
        QRegularExpression("Title:\\s+(\\S*)").match(runTool("pdfinfo", {file})).captured(1);
    // Each page ends with a form feed.
    QStringList pages = runTool("pdftotext", {"-layout", file, "-"}).split(u'\f');
    pages.removeLast();
    for (const QString& page : pages) pdf.pages.push_back(page.simplified());
    return pdf;
}

// The numbers of the lines "LINE nnnn" on a page.
std::vector<int> linesOn(const QString& page) {
    std::vector<int> lines;
    QRegularExpressionMatchIterator it = QRegularExpression("LINE (\\d{4})").globalMatch(page);
    while (it.hasNext()) lines.push_back(it.next().captured(1).toInt());
    return lines;
}

std::vector<std::vector<int>> linesOfPages(const PdfFile& pdf) {
    std::vector<std::vector<int>> out;
    for (const QString& t : pdf.pages) out.push_back(linesOn(t));
    return out;
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
        platform->printDialog.answers.push_back(settings);
        run(cmd::kPrint);
        return readPdf(settings.outputFile);
    }
    int jobs = 0;
};

PrintSettings job(int copies, bool collate, int from = 0, int to = 0) {
    PrintSettings s;
    s.copies = copies;
    s.collate = collate;
    s.pageRange = from != 0;
    s.fromPage = from;
    s.toPage = to;
    return s;
}

TEST_F(PrintTest, PageRangeAndCopiesInTheirOrder) {
    // A text of exactly five pages.
    showText(numberedLines(1000));
    int perPage = int(linesOn(print(PrintSettings{}).pages.at(0)).size());
    EXPECT_GT(perPage, 10);
    showText(numberedLines(4 * perPage + perPage / 2));
    std::vector<std::vector<int>> p = linesOfPages(print(PrintSettings{}));
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0].front(), 1);
    for (size_t i = 1; i < p.size(); ++i) EXPECT_EQ(p[i].front(), p[i - 1].back() + 1);
    // The order of pages and copies is printedPages' (below); here it reaches the printer.
    EXPECT_EQ(linesOfPages(print(job(2, false, 2, 3))),
              (std::vector<std::vector<int>>{p[1], p[1], p[2], p[2]}));
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(PrintTest, TheSelectionAloneAndAnEmptyTextStillOnePage) {
    showText(numberedLines(300));
    // Lines 11 to 20: ten lines of ten characters each.
    window().displayPane().select({100, 200});
    PrintSettings selection;
    selection.selectionOnly = true;
    PdfFile pdf = print(selection);
    EXPECT_TRUE(platform->printDialog.shown.back().second); // the dialog offered the selection
    ASSERT_EQ(pdf.pages.size(), 1u);
    EXPECT_EQ(linesOn(pdf.pages[0]), (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(pdf.title, "SAMPLER.po");

    showText("");
    EXPECT_EQ(print(PrintSettings{}).pages, std::vector<QString>{""});
    EXPECT_FALSE(platform->printDialog.shown.back().second);
}

// A printer that cannot start is reported, and the wait cursor goes.
TEST_F(PrintTest, AFailureToStartIsReported) {
    showText("TEXT\n");
    PrintSettings chosen;
    chosen.outputFile = folder.file("no-such-folder/out.pdf");
    platform->printDialog.answers.push_back(chosen);
    run(cmd::kPrint);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, "StartDoc Error!");
    EXPECT_EQ(platform->messages[0].caption, "Larkspoon Error");
    EXPECT_FALSE(platform->waitCursor);
}

// A formatted document prints its text, the bold words in a bold face.
TEST_F(PrintTest, AFormattedDocumentPrintsWithItsFormats) {
    openThroughDialog(folder.write("WORKS.po", appleWorksVolume()), "WORKS.po");
    window().treeView()->setCurrentIndex(indexOfPath({"LETTER"}));
    run(cmd::kViewFile);
    PdfFile pdf = print(PrintSettings{});
    ASSERT_EQ(pdf.pages.size(), 1u);
    EXPECT_TRUE(pdf.pages[0].startsWith("LARKSPOON GAZETTE Dear reader,"));
    EXPECT_TRUE(
        runTool("pdffonts", {QString::fromStdString(folder.file("print1.pdf"))}).contains("Bold"));
}

TEST(PrintLayout, PagesInTheOrderTheCopiesAndRangeAsk) {
    struct Case {
        int pages;
        PrintSettings s;
        std::vector<int> expected;
    } cases[] = {
        {0, job(1, false), {1}}, // an empty text is still one page
        {5, job(2, true, 2, 3), {2, 3, 2, 3}},
        {5, job(2, false, 2, 3), {2, 2, 3, 3}},
        {3, job(1, false, 2, 9), {2, 3}}, // a range beyond the text
        {3, job(1, false, 4, 9), {}},
        {2, job(0, false), {1, 2}}, // no copies asked: one
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
