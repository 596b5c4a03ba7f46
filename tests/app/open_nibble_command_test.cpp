// Opening nibble images through the commands: the ".NIB" copy of a TrackStar image, the
// questions and the menus of a read-only image.
#include "command_fixture.h"
#include "nibble/gcr_decoder.h"
#include "nibble_builder.h"
#include "prodos_builder.h"
#include "sample_disks.h"

namespace lk::test {
namespace {

// A 40-track image keeps SaveTracks (35) of its tracks in its copy.
TEST_F(CommandTest, ATrackStarImageOffersItsNibbleCopyAndOpensReadOnly) {
    app.settings.tsTsDat = true;
    platform.nibbleCopyDialog.answers = {ChosenFile{folder.file("COPY.nib"), "COPY.nib"}};
    std::vector<uint8_t> volume = viewsVolume();
    volume.resize(40 * 4096);
    open(trackStarImage(Bytes(nibbleImage(Bytes(volume), SectorTable::Prodos))), "DISK.APP");
    ASSERT_EQ(platform.nibbleCopyDialog.shown.size(), 1u);
    EXPECT_EQ(platform.nibbleCopyDialog.shown[0],
              std::make_pair(folder.path, folder.file("DISK.NIB")));
    volume.resize(35 * 4096);
    EXPECT_EQ(
        decodeNibbles(Bytes(folder.readBytes("COPY.nib")), SectorTable::Prodos, false).sectors,
        volume);
    // The title names the TrackStar file by the copy's name; Save As writes beside it.
    EXPECT_EQ(app.image.fileTitle, "COPY.APP");
    EXPECT_EQ(app.image.path, folder.file("COPY.DSK"));
    EXPECT_TRUE(view.text.starts_with("1\tPosition: $000000\tTrack: 0\tSector: 0"));
    EXPECT_FALSE(enabled(cmd::kSave));
    EXPECT_TRUE(enabled(cmd::kSaveAs));
    EXPECT_TRUE(platform.messages.empty());
}

// The decoder's summary comes before the question; No loads nothing, Yes shows the disk with
// the summary shown once.
TEST_F(CommandTest, ADoubtfulDiskIsShownOnlyAfterYes) {
    app.settings.tsDat = true;
    std::vector<uint8_t> badNibble = nibbleImage(Bytes(dosDisk()), SectorTable::Dos);
    badNibble[addressFieldOf(34, 0) + kDataFieldFrom + 50] = 0xA8;
    openImageAndShow(ctx, {folder.write("BAD.NIB", badNibble), "BAD.NIB"});
    EXPECT_FALSE(app.image.bufferValid);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text,
              "This .nib image is not standard DOS or ProDOS or possibly corrupt.\nTry to display "
              "it anyway?");
    EXPECT_EQ(platform.questions[0].icon, MessageIcon::None);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "Debug");
    EXPECT_FALSE(enabled(cmd::kSaveAs));

    std::vector<uint8_t> woz =
        wozImage(Bytes(nibbleImage(Bytes(swapSectorOrder(viewsVolume())), SectorTable::Dos)));
    woz[25] ^= 1; // the creator text: the checksum fails
    platform.answers = {true};
    openImageAndShow(ctx, {folder.write("DISK.WOZ", woz), "DISK.WOZ"});
    ASSERT_TRUE(app.image.bufferValid);
    EXPECT_EQ(app.image.kind, ImageKind::Woz);
    EXPECT_TRUE(platform.questions[1].text.starts_with("The checksum of this WOZ image"));
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_FALSE(enabled(cmd::kSave));
    EXPECT_TRUE(enabled(cmd::kSaveAs));
}

} // namespace
} // namespace lk::test
