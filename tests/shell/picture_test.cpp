// A picture printed into a PDF file: one page per copy, at most four times its size. (The
// picture pane itself is seen in the screenshot tests.)
#include <QProcess>
#include <QStandardPaths>

#include "picture_disks.h"
#include "shell/catalog_view.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

TEST_F(ShellTest, APictureIsPrintedOnAPagePerCopyAtFourTimesItsSize) {
    if (QStandardPaths::findExecutable("pdfimages").isEmpty())
        GTEST_SKIP() << "pdfimages (poppler-utils) is needed to read the PDF";
    start();
    openThroughDialog(folder.write("PICTURES.po", picturesVolume()), "PICTURES.po");
    window().treeView()->setCurrentIndex(indexOfPath({"HGR"}));
    run(cmd::kViewFile);
    PrintSettings job;
    job.copies = 2;
    job.outputFile = folder.file("hgr.pdf");
    platform->printDialog.answers = {job};
    run(cmd::kPrint);
    EXPECT_TRUE(platform->messages.empty());
    // pdfimages -list: page num type width height color comp bpc enc interp object ID x-ppi
    // y-ppi size ratio, after two lines of headings.
    QProcess p;
    p.start("pdfimages", {"-list", QString::fromStdString(job.outputFile)});
    p.waitForFinished(30000);
    QStringList lines =
        QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    // Letter paper with quarter-inch sides leaves 8 inches; 4 x 560 dots at 1200 dpi take
    // less, so each picture pixel is a 4 x 4 block of 1200-dpi dots: 300 pixels an inch.
    for (const QString& line : lines.mid(2)) {
        QStringList f = line.simplified().split(u' ');
        EXPECT_EQ(QStringList({f[3], f[4], f[12], f[13]}),
                  QStringList({"560", "384", "300", "300"}));
    }
}

} // namespace
} // namespace lk::test
