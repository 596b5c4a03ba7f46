#include "shell/picture_printing.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "app/picture_commands.h"
#include "shell/text_printing.h"

namespace lk {

std::vector<PrintProblem> printPictureImage(const QImage& picture, const PrintSettings& settings,
                                            const PageSetup& setup, const QString& documentName) {
    std::unique_ptr<QPrinter> printer = printerFor(settings, setup, documentName);
    // The printer's whole sheet: the margins are measured from its edge.
    QRect paper = printer->paperRect(QPrinter::DevicePixel).toRect();
    PrinterPage page{paper.width(), paper.height(), printer->logicalDpiX(), printer->logicalDpiY()};
    PrintTarget t = pictureTarget(page, setup.margins, picture.width(), picture.height());
    QPainter painter;
    if (!painter.begin(printer.get())) return {PrintProblem::StartDoc};
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    std::vector<PrintProblem> problems;
    for (int copy = 0; copy < std::max(1, settings.copies); ++copy) {
        if (copy > 0 && !printer->newPage()) {
            problems.push_back(PrintProblem::StartPage);
            continue;
        }
        painter.drawImage(QRect(t.left, t.top, t.width, t.height), picture);
    }
    if (!painter.end()) problems.push_back(PrintProblem::EndDoc);
    return problems;
}

} // namespace lk
