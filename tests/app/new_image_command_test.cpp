// File > New through the commands: the dialog's rules, the file written beside the images and
// opened, and the question before a file is replaced.
#include "app/new_image_dialog.h"
#include "command_fixture.h"
#include "prodos/check_volume.h"

namespace lk::test {
namespace {

using R = NewDialogRadio;

// The dialog keeps DSK a 143Kb floppy (either order), 2IMG and PO in ProDOS order of any size,
// and Write Protect for 2IMG only; OK gives the choice the controls show.
TEST(NewDialog, RadiosSizeListAndWriteProtectFollowTheRules) {
    NewDialogState s = openNewDialog(NewImageChoice{});
    EXPECT_TRUE(s.twoImg && s.prodos && s.writeProtectEnabled && s.sizeListEnabled);
    EXPECT_FALSE(s.dosEnabled);
    EXPECT_EQ(s.volumeName, "UNTITLED");
    EXPECT_EQ(s.sizeIndex, 1);

    chooseNewImageSize(s, 7);
    s.writeProtect = true;
    clickNewDialog(s, R::Dsk);
    EXPECT_TRUE(s.dsk && !s.twoImg && s.dosEnabled);
    EXPECT_FALSE(s.sizeListEnabled || s.writeProtectEnabled);
    EXPECT_EQ(s.sizeIndex, 0);
    clickNewDialog(s, R::Dos);
    EXPECT_TRUE(s.dos && !s.prodos);
    NewImageChoice c = acceptNewDialog(s);
    EXPECT_EQ(c.newType + c.newOrder + c.newSize, "DSKDOS143Kb");
    EXPECT_EQ(newImageSpec(c)->locked, false); // a DSK has no header to lock

    // Back to PO: ProDOS order, the DOS radio off, Write Protect disabled.
    clickNewDialog(s, R::Po);
    EXPECT_TRUE(s.po && s.prodos && !s.dos && !s.dosEnabled && !s.writeProtectEnabled);
    chooseNewImageSize(s, 4);
    s.volumeName = "a very long volume name";
    c = acceptNewDialog(s);
    EXPECT_EQ(c.newType + c.newOrder + c.newSize + c.newVolumeName, "POPRODOS5MbA VERY LONG VOL");

    // A DSK choice opens as a DSK: the size list off at 143Kb, DOS available.
    s = openNewDialog({"DOS", "TRUE", "x", "DSK", "800Kb"});
    EXPECT_TRUE(s.dsk && s.dos && s.dosEnabled && !s.sizeListEnabled && s.sizeIndex == 0);
}

// OK writes the image under its volume name where the dialogs last went and opens it; the
// dialog opens next time with that choice.
TEST_F(CommandTest, NewWritesOpensAndAsksBeforeReplacing) {
    app.shell.folder = folder.path;
    NewImageChoice locked{"PRODOS", "TRUE", "WORK", "2IMG", "143Kb"};
    platform.newImageDialog.answers = {locked, locked, locked};
    run(cmd::kNew);
    ASSERT_TRUE(app.image.bufferValid);
    EXPECT_EQ(app.image.path, folder.file("WORK.2MG"));
    EXPECT_EQ(app.image.fileTitle, "WORK");
    EXPECT_EQ(folder.readBytes("WORK.2MG").size(), 143360u + 64);
    EXPECT_TRUE(checkVolume(app.image).sound());
    EXPECT_TRUE(enabled(cmd::kSave));

    // Again: the dialog shows the last choice, and No to replacing keeps the file untouched.
    std::string marked = folder.write("WORK.2MG", {1, 2, 3});
    run(cmd::kNew);
    EXPECT_EQ(platform.newImageDialog.shown.back().newVolumeName, "WORK");
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, "WORK.2MG already exists. Replace it?");
    EXPECT_EQ(folder.readBytes("WORK.2MG"), (std::vector<uint8_t>{1, 2, 3}));
    platform.answers = {true};
    run(cmd::kNew);
    EXPECT_EQ(folder.readBytes("WORK.2MG").size(), 143360u + 64);

    // A name that would name another folder is refused; Cancel does nothing.
    platform.newImageDialog.answers = {NewImageChoice{"PRODOS", "FALSE", "../UP", "PO", "800Kb"},
                                       std::nullopt};
    run(cmd::kNew);
    run(cmd::kNew);
    EXPECT_EQ(lastMessage(), "The volume name ../UP cannot name a file: it may not hold / or \\ "
                             "or be . or ..");
    EXPECT_EQ(app.image.path, folder.file("WORK.2MG"));
}

} // namespace
} // namespace lk::test
