// View of a picture, Export Graphic and Print of a picture, run without a window: what the pane
// is given, the flags, the menu items, the messages and the files written.
#include "app/picture_commands.h"
#include "command_fixture.h"
#include "graphics/hires.h"
#include "graphics/picture_file.h"
#include "picture_disks.h"

namespace lk::test {
namespace {

class PictureCommandTest : public CommandTest {
  protected:
    void SetUp() override { open(picturesVolume(), "PICTURES.po"); }
    void viewNamed(const std::string& name) {
        select({name});
        run(cmd::kViewFile);
    }
    std::vector<std::string> messages() {
        std::vector<std::string> t;
        for (const ShownMessage& m : platform.messages) t.push_back(m.text);
        return t;
    }
};

TEST_F(PictureCommandTest, APictureTakesThePaneAndEnablesExportUntilTextIsShown) {
    EXPECT_FALSE(enabled(cmd::kExportGraphic));
    viewNamed("HGR");
    EXPECT_TRUE(view.pictureShown);
    EXPECT_EQ(view.picture, decodeHiRes(Bytes(hiresBars())));
    EXPECT_TRUE(app.shell.graphicShown);
    EXPECT_TRUE(enabled(cmd::kExportGraphic));
    viewNamed("README");
    EXPECT_FALSE(app.shell.graphicShown || enabled(cmd::kExportGraphic));
    EXPECT_FALSE(view.pictureShown);
    EXPECT_NE(view.text, "");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PictureCommandTest, DecodersThatFailAndAPaneThatRefusesSayWhy) {
    viewNamed("HGR");
    viewNamed("BADICON");
    EXPECT_EQ(messages(), std::vector<std::string>{"Unable to display icon file!"});
    EXPECT_FALSE(app.shell.graphicShown || enabled(cmd::kExportGraphic));
    EXPECT_FALSE(view.pictureShown);
    EXPECT_EQ(view.text, "");

    view.pictureTaken = false;
    for (auto [file, said] : {std::pair{"HGR", "Unable to display HiRes Graphics image!"},
                              {"DHR", "Unable to display Double HiRes Graphics image!"},
                              {"SHR", "Unable to display Super HiRes Graphics image!"},
                              {"PACKED", "Error # -2."},
                              {"ICONS", "Unable to display icon file!"}}) {
        platform.messages.clear();
        viewNamed(file);
        EXPECT_EQ(messages(), std::vector<std::string>({"Could not create Bitmap!", said}));
        EXPECT_FALSE(app.shell.graphicShown || enabled(cmd::kExportGraphic));
    }
}

TEST_F(PictureCommandTest, ExportGraphicWritesTheShownPicture) {
    viewNamed("HGR");
    Picture shown = view.picture;
    platform.graphicDialog.answers = {ChosenFile{folder.file("bars"), "bars"},
                                      ChosenFile{folder.file("bars.png"), "bars.png"}, std::nullopt,
                                      ChosenFile{folder.file("none/x.bmp"), "x.bmp"}};
    for (int i = 0; i < 4; ++i) run(cmd::kExportGraphic);
    EXPECT_EQ(platform.graphicDialog.shown.front(), app.shell.folder);
    EXPECT_EQ(folder.readBytes("bars.bmp"), bmpFileBytes(shown));
    EXPECT_EQ(folder.readBytes("bars.png"), pngFileBytes(shown));
    EXPECT_EQ(messages(), std::vector<std::string>{"Could not write file x.bmp"});
    // Text shown: there is nothing to export.
    viewNamed("README");
    run(cmd::kExportGraphic);
    EXPECT_EQ(platform.graphicDialog.shown.size(), 4u);
}

TEST(PicturePrinting, TargetAtTheMarginsAndAtMostFourTimesThePicture) {
    Margins quarter{250, 250, 250, 250};
    PrinterPage letter300{2550, 3300, 300, 300};
    // Four times the HiRes picture fits within letter paper at 300 dpi.
    EXPECT_EQ(pictureTarget(letter300, quarter, 560, 384), (PrintTarget{75, 75, 2240, 1536}));
    // The icon sheet: the page limits the width, and the height on its own stays four times.
    EXPECT_EQ(pictureTarget(letter300, quarter, 640, 690), (PrintTarget{75, 75, 2400, 2760}));
    // Margins wider than the page leave nothing.
    EXPECT_EQ(pictureTarget(letter300, Margins{5000, 0, 5000, 0}, 560, 384).width, 0);
}

} // namespace
} // namespace lk::test
