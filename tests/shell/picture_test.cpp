// The picture pane in the window: a double-clicked picture shown at its size with scroll bars
// when the pane is smaller, exported through the Tools menu and printed into a PDF file.
#include <QColorSpace>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

#include "graphics/hires.h"
#include "graphics/icon_file.h"
#include "picture_disks.h"
#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell/image_window.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

class PictureWindowTest : public ShellTest {
  protected:
    void SetUp() override {
        start("[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=900\n"
              "High=500\n[Tree]\nTreewide=200\n");
        openThroughDialog(folder.write("PICTURES.po", picturesVolume()), "PICTURES.po");
    }
    void doubleClick(const std::string& name) {
        QPoint at = window().treeView()->visualRect(indexOfPath({name})).center();
        QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    }
    QImage shown() { return window().imageWindow()->picture(); }
};

TEST_F(PictureWindowTest, ADoubleClickedPictureIsShownAtItsSizeWithScrollBarsWhenLarger) {
    doubleClick("HGR");
    ImageWindow* pane = window().imageWindow();
    EXPECT_TRUE(pane->isVisible());
    EXPECT_FALSE(window().displayWindow()->isVisible());
    EXPECT_EQ(shown(), toQImage(decodeHiRes(Bytes(hiresBars()))));
    EXPECT_TRUE(enabled(cmd::kExportGraphic));
    EXPECT_EQ(pane->verticalScrollBar()->maximum(), 0);
    // The icon sheet is 690 rows high: the pane scrolls to it.
    doubleClick("ICONS");
    EXPECT_EQ(shown().size(), QSize(640, 690));
    EXPECT_GT(pane->verticalScrollBar()->maximum(), 0);
    // A text view takes the pane's place.
    doubleClick("README");
    EXPECT_FALSE(pane->isVisible());
    EXPECT_FALSE(enabled(cmd::kExportGraphic));
}

TEST_F(PictureWindowTest, ExportGraphicWritesABmpOrAPngThatReadsBackToThePicture) {
    doubleClick("SHR");
    platform->graphicDialog.answers = {ChosenFile{folder.file("shr.bmp"), "shr.bmp"},
                                       ChosenFile{folder.file("shr.png"), "shr.png"}};
    window().menus()->action(cmd::kExportGraphic)->trigger();
    window().menus()->action(cmd::kExportGraphic)->trigger();
    for (const char* name : {"shr.bmp", "shr.png"}) {
        QImage read(QString::fromStdString(folder.file(name)));
        read = read.convertToFormat(QImage::Format_RGB32);
        read.setColorSpace(QColorSpace()); // the PNG says sRGB; the pixels are what count
        EXPECT_EQ(read, shown()) << name;
    }
    EXPECT_TRUE(platform->base.messages.empty());
}

// The images of a PDF file as pdfimages lists them: width, height and resolution.
struct PdfImage {
    int width = 0, height = 0, xPpi = 0, yPpi = 0;
};

std::vector<PdfImage> pdfImages(const std::string& path) {
    QProcess p;
    p.start("pdfimages", {"-list", QString::fromStdString(path)});
    p.waitForFinished(30000);
    std::vector<PdfImage> images;
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        QStringList f = line.simplified().split(u' ');
        if (f.size() < 14 || f[2] != "image") continue;
        images.push_back({f[3].toInt(), f[4].toInt(), f[12].toInt(), f[13].toInt()});
    }
    return images;
}

TEST_F(PictureWindowTest, PrintPutsThePictureOnAPagePerCopyAtFourTimesItsSize) {
    if (QStandardPaths::findExecutable("pdfimages").isEmpty())
        GTEST_SKIP() << "pdfimages (poppler-utils) is needed to read the PDF";
    doubleClick("HGR");
    PrintSettings job;
    job.copies = 2;
    job.outputFile = folder.file("hgr.pdf");
    platform->printDialog.answers = {job};
    run(cmd::kPrint);
    EXPECT_TRUE(platform->base.messages.empty());
    std::vector<PdfImage> images = pdfImages(job.outputFile);
    ASSERT_EQ(images.size(), 2u);
    // Letter paper with quarter-inch sides leaves 8 inches; 4 x 560 dots at 1200 dpi take
    // less, so each picture pixel is a 4 x 4 block of 1200-dpi dots: 300 pixels an inch.
    for (const PdfImage& i : images) {
        EXPECT_EQ(i.width, 560);
        EXPECT_EQ(i.height, 384);
        EXPECT_EQ(i.xPpi, 300);
        EXPECT_EQ(i.yPpi, 300);
    }
}

} // namespace
} // namespace lk::test
