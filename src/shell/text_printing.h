// Printing the text pane: the text (or the selection) laid out on pages of the chosen paper
// within the page setup's margins, in the display font, and sent to the printer or a PDF file
// page by page in the order the copies and the page range ask for.
#pragma once

#include <QFont>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "app/display_pane.h"

class QPrinter;
class QTextDocument;

namespace lk {

struct TextPrintJob {
    const QTextDocument& text;
    std::optional<TextRange> part; // the selection only, when set
    QFont font;
    int tabStepTwips = kTabStepTwips;
    const PrintSettings& settings;
    const PageSetup& setup;
    QString documentName;
};

// The printer (or PDF file) of the settings, on the setup's paper, one copy at a time.
std::unique_ptr<QPrinter> printerFor(const PrintSettings& settings, const PageSetup& setup,
                                     const QString& documentName);
// The text to print laid out in pages for that printer.
std::unique_ptr<QTextDocument> pagesFor(const TextPrintJob& job, QPrinter& printer);
// Prints; the failures in the order they happened.
std::vector<PrintProblem> printText(const TextPrintJob& job);

} // namespace lk
