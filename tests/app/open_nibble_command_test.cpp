// Opening nibble images through the window's commands: the ".NIB" copy of a TrackStar image,
// the questions, the debug reports and the menus of a read-only image.
#include "command_fixture.h"
#include "nibble_builder.h"
#include "prodos_builder.h"
#include "sample_disks.h"

namespace lk::test {
namespace {

std::vector<uint8_t> prodosVolume() {
    ProdosBuilder b(280, "NIBBLED");
    b.addFile(ProdosBuilder::kVolumeKey, "HELLO", 0xFC, 0x0801, Bytes(helloProgram()));
    return b.bytes();
}

TEST_F(CommandTest, ATrackStarImageOffersItsNibbleCopyAndOpensReadOnly) {
    app.settings.tsTsDat = true;
    platform.nibbleCopyDialog.answers = {ChosenFile{folder.file("COPY.nib"), "COPY.nib"}};
    open(trackStarImage(Bytes(nibbleImage(Bytes(prodosVolume()), SectorTable::Prodos))),
         "DISK.APP");
    ASSERT_EQ(platform.nibbleCopyDialog.shown.size(), 1u);
    EXPECT_EQ(platform.nibbleCopyDialog.shown[0].first, folder.path);
    EXPECT_EQ(platform.nibbleCopyDialog.shown[0].second, folder.file("DISK.NIB"));
    EXPECT_EQ(folder.readBytes("COPY.nib").size(), 35u * kNibbleTrackSize);
    // The title names the TrackStar file by the copy's name; Save As would write beside it.
    EXPECT_EQ(app.image.fileTitle, "COPY.APP");
    EXPECT_EQ(app.image.path, folder.file("COPY.DSK"));
    EXPECT_EQ(app.image.kind, ImageKind::App);
    EXPECT_TRUE(view.text.starts_with("1\tPosition: $000000\tTrack: 0\tSector: 0\tVolume: 254"));
    EXPECT_FALSE(enabled(cmd::kSave));
    EXPECT_TRUE(enabled(cmd::kSaveAs));
    select({"HELLO"});
    for (int c : {cmd::kDeleteFile, cmd::kRename, cmd::kImport, cmd::kNewFolder})
        EXPECT_FALSE(enabled(c)) << c;
    EXPECT_TRUE(platform.base.messages.empty());
}

TEST_F(CommandTest, ADoubtfulDiskIsShownOnlyAfterYes) {
    app.settings.tsDat = true;
    std::vector<uint8_t> badNibble = nibbleImage(Bytes(dosDisk()), SectorTable::Dos);
    badNibble[addressFieldOf(34, 0) + kDataFieldFrom + 50] = 0xA8;
    openImageAndShow(ctx, {folder.write("BAD.NIB", badNibble), "BAD.NIB"});
    EXPECT_FALSE(app.image.bufferValid);
    ASSERT_EQ(platform.base.questions.size(), 1u);
    EXPECT_EQ(platform.base.questions[0].icon, MessageIcon::None);
    // The decoder's summary comes before the question.
    ASSERT_EQ(platform.base.messages.size(), 1u);
    EXPECT_EQ(platform.base.messages[0].caption, "Debug");
    EXPECT_FALSE(enabled(cmd::kSaveAs));

    // A WOZ image whose checksum fails: Yes shows it, read-only, with the summary shown once.
    std::vector<uint8_t> woz = wozImage(Bytes(nibbleImage(Bytes(swapSectorOrder(prodosVolume())),
                                                          SectorTable::Dos)));
    woz[25] ^= 1;
    platform.base.answers = {true};
    openImageAndShow(ctx, {folder.write("DISK.WOZ", woz), "DISK.WOZ"});
    ASSERT_TRUE(app.image.bufferValid);
    EXPECT_EQ(app.image.kind, ImageKind::Woz);
    EXPECT_EQ(platform.base.questions.size(), 2u);
    EXPECT_EQ(platform.base.messages.size(), 2u);
    EXPECT_FALSE(enabled(cmd::kSave));
    EXPECT_TRUE(enabled(cmd::kSaveAs));
}

} // namespace
} // namespace lk::test
