#include "shell/text_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>

#include "app/display_commands.h"

namespace lk {

namespace {

constexpr double kTwipsPerInch = 1440.0;

double twipsToPixels(double twips, int resolution) {
    return twips * resolution / kTwipsPerInch;
}

double thousandthsToPixels(int thousandths, int resolution) {
    return thousandths * resolution / 1000.0;
}

// The printable area starts at the paper's unprintable edge, which the minimum margins stand
// for; the print rectangle is measured from there.
QRectF textArea(QPrinter& printer, const PageSetup& setup) {
    int res = printer.resolution();
    QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    TwipsRect r = printRectangle(int(paper.width() * kTwipsPerInch / res),
                                 int(paper.height() * kTwipsPerInch / res), setup);
    QRectF area(thousandthsToPixels(setup.minimum.left, res) + twipsToPixels(r.left, res),
                thousandthsToPixels(setup.minimum.top, res) + twipsToPixels(r.top, res),
                twipsToPixels(r.right - r.left, res), twipsToPixels(r.bottom - r.top, res));
    // Margins that leave no room fall back to the whole paper.
    return area.width() >= 1 && area.height() >= 1 ? area : paper;
}

// The laid-out text in pages: the first block of every page, found in one pass.
class PagedText {
  public:
    PagedText(QTextDocument& pages, double pageHeight) : pages_(pages), height_(pageHeight) {
        QAbstractTextDocumentLayout* layout = pages.documentLayout();
        for (QTextBlock b = pages.begin(); b.isValid(); b = b.next()) {
            double bottom = layout->blockBoundingRect(b).bottom();
            while (bottom > height_ * double(firstBlocks_.size())) firstBlocks_.push_back(b);
        }
        if (firstBlocks_.empty()) firstBlocks_.push_back(pages.begin());
    }

    // Draws the lines that begin on the page (from 1), and no others: a line that would
    // straddle the foot of a page was moved to the next one.
    void draw(QPainter& painter, const QRectF& area, int page) const {
        double top = (page - 1) * height_;
        double bottom = top + height_;
        painter.save();
        painter.translate(area.left(), area.top() - top);
        painter.setPen(Qt::black);
        QAbstractTextDocumentLayout* layout = pages_.documentLayout();
        QTextBlock b = firstBlocks_[std::min(size_t(page - 1), firstBlocks_.size() - 1)];
        for (; b.isValid(); b = b.next()) {
            QRectF r = layout->blockBoundingRect(b);
            if (r.top() >= bottom) break;
            QTextLayout* text = b.layout();
            for (int i = 0; i < text->lineCount(); ++i) {
                QTextLine line = text->lineAt(i);
                double y = text->position().y() + line.y();
                if (y >= top && y < bottom) line.draw(&painter, text->position());
            }
        }
        painter.restore();
    }

  private:
    QTextDocument& pages_;
    double height_;
    std::vector<QTextBlock> firstBlocks_;
};

} // namespace

std::unique_ptr<QPrinter> printerFor(const PrintSettings& settings, const PageSetup& setup,
                                     const QString& documentName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!settings.outputFile.empty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(settings.outputFile));
    } else if (!setup.printerName.empty()) {
        printer->setPrinterName(QString::fromStdString(setup.printerName));
    }
    printer->setDocName(documentName);
    printer->setFullPage(true);
    // Copies are made page by page here, as the settings order them.
    printer->setCopyCount(1);
    if (setup.paperWidth > 0 && setup.paperHeight > 0)
        printer->setPageSize(QPageSize(
            QSizeF(setup.paperWidth / 1000.0, setup.paperHeight / 1000.0), QPageSize::Inch));
    printer->setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return printer;
}

std::unique_ptr<QTextDocument> pagesFor(const TextPrintJob& job, QPrinter& printer) {
    auto pages = std::make_unique<QTextDocument>();
    pages->documentLayout()->setPaintDevice(&printer);
    pages->setDefaultFont(job.font);
    pages->setDocumentMargin(0);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(twipsToPixels(job.tabStepTwips, printer.resolution()));
    pages->setDefaultTextOption(option);

    QTextCursor source(const_cast<QTextDocument*>(&job.text));
    if (job.part) {
        int length = job.text.characterCount() - 1;
        source.setPosition(int(std::clamp<int64_t>(job.part->start, 0, length)));
        source.setPosition(int(std::clamp<int64_t>(job.part->end, 0, length)),
                           QTextCursor::KeepAnchor);
    } else {
        source.select(QTextCursor::Document);
    }
    QTextCursor(pages.get()).insertFragment(QTextDocumentFragment(source));
    pages->setPageSize(textArea(printer, job.setup).size());
    return pages;
}

std::vector<PrintProblem> printText(const TextPrintJob& job) {
    std::unique_ptr<QPrinter> printer = printerFor(job.settings, job.setup, job.documentName);
    std::unique_ptr<QTextDocument> pages = pagesFor(job, *printer);
    std::vector<int> order = printedPages(pages->pageCount(), job.settings);
    if (order.empty()) return {};
    QRectF area = textArea(*printer, job.setup);
    PagedText paged(*pages, area.height());
    QPainter painter;
    if (!painter.begin(printer.get())) return {PrintProblem::StartDoc};
    std::vector<PrintProblem> problems;
    for (size_t i = 0; i < order.size(); ++i) {
        // The first page is begun with the document.
        if (i > 0 && !printer->newPage()) {
            problems.push_back(PrintProblem::StartPage);
            continue;
        }
        paged.draw(painter, area, order[i]);
    }
    if (!painter.end()) problems.push_back(PrintProblem::EndDoc);
    return problems;
}

} // namespace lk
