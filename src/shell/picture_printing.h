// Printing the picture pane: the picture on one page per copy, at the page setup's margins and
// at most four times its size, on the printer or into a PDF file.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "app/display_pane.h"

namespace lk {

std::vector<PrintProblem> printPictureImage(const QImage& picture, const PrintSettings& settings,
                                            const PageSetup& setup, const QString& documentName);

} // namespace lk
