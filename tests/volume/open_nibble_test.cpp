// Opening nibble, TrackStar, WOZ and FDI files: the volume they hold, the questions asked before
// a doubtful disk is shown, the refusals, and the settings the open reads.
#include <gtest/gtest.h>

#include <algorithm>

#include "nibble/gcr_decoder.h"
#include "dos33_builder.h"
#include "nibble_builder.h"
#include "open_helpers.h"
#include "prodos_builder.h"
#include "sample_disks.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

struct Try {
    Opened o;
    OpenReport report;
    std::optional<Message> question;
};

std::unique_ptr<Try> openAs(const std::string& name, std::vector<uint8_t> bytes,
                            const OpenOptions& options = {}) {
    auto t = std::make_unique<Try>();
    t->o.image.path = name;
    t->o.image.fileTitle = name;
    Outcome outcome;
    t->report = openImageFromMemory(t->o.image, t->o.tree, std::move(bytes), options, outcome);
    present(t->o.platform, outcome);
    t->question = outcome.question;
    return t;
}

// A ProDOS volume in block order.
std::vector<uint8_t> prodosVolume() {
    ProdosBuilder b(280, "NIBBLED");
    b.addFile(ProdosBuilder::kVolumeKey, "HELLO", 0xFC, 0x0801, Bytes(patternBytes(3000)));
    return b.bytes();
}

std::vector<uint8_t> nib(const std::vector<uint8_t>& dosOrder) {
    return nibbleImage(Bytes(dosOrder), SectorTable::Dos);
}
std::vector<uint8_t> app(const std::vector<uint8_t>& prodosOrder) {
    return trackStarImage(Bytes(nibbleImage(Bytes(prodosOrder), SectorTable::Prodos)));
}

// Every nibble kind shows the volume its sector image shows; the path ends in "DSK" so that a
// save writes a sector image beside the nibble file.
TEST(OpenNibbles, ShowTheVolumeOfTheirSectors) {
    std::vector<uint8_t> dos = dosDisk(), prodos = prodosVolume();
    std::vector<uint8_t> prodosDosOrder = swapSectorOrder(prodos);
    WozShape woz1;
    woz1.woz1 = true;
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        ImageKind kind;
        bool dos33;
        SectorOrder order;
    } cases[] = {
        {"disk.nib", nib(dos), ImageKind::Nib, true, SectorOrder::DosOrder},
        {"disk.NIB", nib(prodosDosOrder), ImageKind::Nib, false, SectorOrder::DosOrder},
        {"disk.app", app(prodos), ImageKind::App, false, SectorOrder::NibbleOrder},
        {"disk.App", app(swapSectorOrder(dos)), ImageKind::App, true, SectorOrder::NibbleOrder},
        {"disk.woz", wozImage(Bytes(nib(dos))), ImageKind::Woz, true, SectorOrder::DosOrder},
        {"disk.WOZ", wozImage(Bytes(nib(prodosDosOrder)), woz1), ImageKind::Woz, false,
         SectorOrder::DosOrder},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = openAs(c.name, c.bytes);
        auto sectors = openAs(c.dos33 ? "disk.dsk" : "disk.po", c.dos33 ? dos : prodos);
        ASSERT_TRUE(t->o.image.bufferValid) << t->o.platform.lastMessage();
        EXPECT_TRUE(t->o.platform.messages.empty());
        EXPECT_EQ(t->o.image.kind, c.kind);
        EXPECT_EQ(t->o.image.isDos33, c.dos33);
        EXPECT_EQ(t->o.image.header.imageFormat, uint32_t(c.order));
        EXPECT_EQ(t->o.image.fileSize, 143360);
        EXPECT_EQ(t->o.image.path, "disk.DSK");
        EXPECT_EQ(treeLines(t->o.tree), treeLines(sectors->o.tree));
        // The volume's data in the order its readers need.
        EXPECT_EQ(t->o.image.buffer, sectors->o.image.buffer);
        EXPECT_EQ(t->report.counts->addressFields, 560);
    }
}

// A save writes no more than was decoded: a disk of 20 tracks is 20 tracks long.
TEST(OpenNibbles, AShortDiskKeepsItsLength) {
    auto t = openAs("short.nib", nib(Dos33Builder(254, 20).bytes()));
    ASSERT_TRUE(t->o.image.bufferValid) << t->o.platform.lastMessage();
    EXPECT_TRUE(t->o.image.isDos33);
    EXPECT_EQ(t->o.image.fileSize, 20 * 4096);
}

// A disk whose counts disagree, or a WOZ file whose checksum fails, is shown only after a Yes.
TEST(OpenNibbles, AskBeforeShowingADoubtfulDisk) {
    std::vector<uint8_t> badNibble = nib(dosDisk());
    badNibble[addressFieldOf(34, 0) + kDataFieldFrom + 50] = 0xA8;
    std::vector<uint8_t> badSum = wozImage(Bytes(nib(dosDisk())));
    badSum[25] ^= 1; // the creator text of INFO
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* question;
    } cases[] = {
        {"bad.nib", badNibble,
         "This .nib image is not standard DOS or ProDOS or possibly corrupt.\nTry to display it "
         "anyway?"},
        {"bad.woz", badSum,
         "The checksum of this WOZ image does not match its contents: the file may be "
         "damaged.\nTry to display it anyway?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto asked = openAs(c.name, c.bytes);
        ASSERT_TRUE(asked->question);
        EXPECT_EQ(messageText(*asked->question), c.question);
        EXPECT_EQ(messageDef(asked->question->id).icon, MessageIcon::None);
        EXPECT_FALSE(asked->o.image.bufferValid);
        EXPECT_TRUE(asked->o.platform.messages.empty());
        OpenOptions yes;
        acceptAnswer(yes, *asked->question);
        auto shown = openAs(c.name, c.bytes, yes);
        EXPECT_TRUE(shown->o.image.bufferValid);
        EXPECT_FALSE(shown->question);
    }
}

std::vector<uint8_t> fdiHeader(uint8_t major, uint8_t minor, uint16_t lastTrack) {
    std::vector<uint8_t> h(600, 0);
    std::string sig = "Formatted Disk Image file\r\n";
    std::copy(sig.begin(), sig.end(), h.begin());
    h[140] = major;
    h[141] = minor;
    h[142] = uint8_t(lastTrack >> 8);
    h[143] = uint8_t(lastTrack);
    h[145] = 1;
    return h;
}

// Each refusal loads nothing and says why once; a sound FDI file says nothing at all.
TEST(OpenNibbles, RefuseWhatTheyCannotRead) {
    std::vector<uint8_t> markInData = nib(dosDisk());
    markInData[addressFieldOf(34, 0) + kDataFieldFrom + 50] = 0xAA;
    std::vector<uint8_t> thirteen = nib(dosDisk());
    for (size_t i = 0; i + 2 < thirteen.size(); ++i)
        if (thirteen[i] == 0xD5 && thirteen[i + 1] == 0xAA && thirteen[i + 2] == 0x96)
            thirteen[i + 2] = 0xB5;
    WozShape inch35, flux;
    inch35.diskType = 2;
    flux.fluxTrackZero = true;
    std::vector<uint8_t> woz = wozImage(Bytes(nib(dosDisk())));
    std::vector<uint8_t> cut(woz.begin(), woz.end() - 600);
    std::vector<uint8_t> badEntry = woz;
    putLe16(badEntry.data() + 256 + 8 * 20, 0x7000); // track 20 starts past the end
    std::vector<uint8_t> text(1000, 'x');
    std::vector<uint8_t> shortFdi = fdiHeader(2, 0, 34);
    shortFdi.resize(511);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* message; // none for a sound FDI file
    } cases[] = {
        {"a.nib", std::vector<uint8_t>(6657, 0xFF), "Larkspoon cannot read this nibble image!"},
        {"b.nib", markInData, "Larkspoon cannot read this nibble image!"},
        {"a.app", std::vector<uint8_t>(6655, 0xFF), "Larkspoon cannot read this Trackstar image!"},
        {"a.woz", text, "The file is not a true WOZ disk image!"},
        {"b.woz", wozImage(Bytes(nib(dosDisk())), inch35),
         "This WOZ image holds a 3.5\" disk. Larkspoon reads only 5.25\" disks."},
        {"c.woz", wozImage(Bytes(nib(dosDisk())), flux),
         "This WOZ image keeps its tracks as flux timings, which Larkspoon cannot read."},
        {"d.woz", cut,
         "This WOZ image is damaged: its chunks or tracks run past the end of the file."},
        {"e.woz", badEntry,
         "This WOZ image is damaged: its chunks or tracks run past the end of the file."},
        {"f.woz", wozImage(Bytes(thirteen)),
         "No 16-sector address fields were found: this WOZ image holds a 13-sector or "
         "unformatted disk, which Larkspoon cannot read."},
        {"a.fdi", fdiHeader(1, 0, 34), "Larkspoon only supports FDI version 2.0"},
        {"b.fdi", fdiHeader(2, 0, 39), "Larkspoon only supports 35 track 5.25 in. FDI files!"},
        {"c.FDI", text, "Not a real FDI!"},
        {"d.fdi", shortFdi, "Not a real FDI!"},
        {"e.fdi", fdiHeader(2, 0, 34), nullptr},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Opened o;
        openBytes(o, "ok.po", prodosVolume());
        o.image.path = dir.write(c.name, c.bytes);
        o.image.fileTitle = c.name;
        reported(o.platform, [&](Outcome& out) { openImage(o.image, o.tree, out); });
        EXPECT_FALSE(o.image.bufferValid);
        EXPECT_TRUE(o.tree.empty());
        ASSERT_EQ(o.platform.messages.size(), c.message ? 1u : 0u);
        if (c.message) EXPECT_EQ(o.platform.messages[0].text, c.message);
    }
}

TEST(OpenNibbles, FollowTheDebugAndTrackStarSettings) {
    std::vector<uint8_t> bytes = app(prodosVolume());
    OpenOptions off;
    off.tsOn = false;
    auto notOpened = openAs("d.app", bytes, off);
    EXPECT_FALSE(notOpened->o.image.bufferValid);
    EXPECT_TRUE(notOpened->o.platform.messages.empty());

    OpenOptions debug;
    debug.tsDat = debug.tsTsDat = true;
    auto reported = openAs("d.app", bytes, debug);
    ASSERT_EQ(reported->o.platform.messages.size(), 1u);
    EXPECT_EQ(reported->o.platform.messages[0].caption, "Debug");
    EXPECT_EQ(reported->o.platform.messages[0].text,
              "Number of address headers: 560\nNumber of data headers: 560\nNumber of data bytes "
              "written: 143360\nNewsize: 143360\nError# $0\nBad nibbles: 0");
    EXPECT_EQ(std::count(reported->report.sectorReport.begin(),
                         reported->report.sectorReport.end(), '\n'),
              560);
    EXPECT_FALSE(reported->report.nibbleCopy);

    // The copy keeps the converted tracks, at most SaveTracks of them, under a ".NIB" name only.
    std::vector<uint8_t> forty = app(patternBytes(40 * 4096));
    OpenOptions save;
    save.allowNibSave = true;
    auto offered = openAs("dir/forty.app", forty, save);
    ASSERT_TRUE(offered->report.nibbleCopy);
    const NibbleCopy& copy = *offered->report.nibbleCopy;
    EXPECT_EQ(copy.proposedPath, "dir/forty.NIB");
    EXPECT_EQ(copy.tracks.size(), 35u * kNibbleTrackSize);
    TempFolder dir;
    Outcome written;
    EXPECT_EQ(writeNibbleCopy(copy, dir.file("copy.nib"), written), int32_t(copy.tracks.size()));
    EXPECT_EQ(decodeNibbles(Bytes(dir.readBytes("copy.nib")), SectorTable::Prodos, false).sectors,
              patternBytes(35 * 4096));
    EXPECT_EQ(writeNibbleCopy(copy, dir.file("copy.dsk"), written), 0);
    EXPECT_FALSE(dir.exists("copy.dsk"));
    ASSERT_EQ(written.messages.size(), 1u);
    EXPECT_EQ(messageText(written.messages[0]), "SaveAs cannot be used to change the image type!");
}

} // namespace
} // namespace lk::test
