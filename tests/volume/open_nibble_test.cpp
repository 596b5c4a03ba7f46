// Opening nibble, TrackStar, WOZ and FDI files: the volume they hold, the refusals, and the
// settings the open reads. The questions are asked through the commands (tests/app).
#include <gtest/gtest.h>

#include <algorithm>

#include "nibble_builder.h"
#include "open_helpers.h"
#include "prodos_builder.h" // swapSectorOrder
#include "sample_disks.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

std::vector<uint8_t> nib(const std::vector<uint8_t>& dosOrder) {
    return nibbleImage(Bytes(dosOrder), SectorTable::Dos);
}
std::vector<uint8_t> app(const std::vector<uint8_t>& prodosOrder) {
    return trackStarImage(Bytes(nibbleImage(Bytes(prodosOrder), SectorTable::Prodos)));
}

// Every nibble kind shows the volume, and holds the data, of its sector image; the path ends in
// "DSK" so that a save writes a sector image beside the nibble file.
TEST(OpenNibbles, ShowTheVolumeOfTheirSectors) {
    std::vector<uint8_t> dos = dosDisk(), prodos = viewsVolume();
    WozShape woz1{true};
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        ImageKind kind;
        bool dos33;
        SectorOrder order;
    } cases[] = {
        {"disk.nib", nib(dos), ImageKind::Nib, true, SectorOrder::DosOrder},
        {"disk.NIB", nib(swapSectorOrder(prodos)), ImageKind::Nib, false, SectorOrder::DosOrder},
        {"disk.app", app(prodos), ImageKind::App, false, SectorOrder::NibbleOrder},
        {"disk.App", app(swapSectorOrder(dos)), ImageKind::App, true, SectorOrder::NibbleOrder},
        {"disk.woz", wozImage(Bytes(nib(dos))), ImageKind::Woz, true, SectorOrder::DosOrder},
        {"disk.WOZ", wozImage(Bytes(nib(swapSectorOrder(prodos))), woz1), ImageKind::Woz, false,
         SectorOrder::DosOrder},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        Opened o(c.name, c.bytes),
            sectors(c.dos33 ? "disk.dsk" : "disk.po", c.dos33 ? dos : prodos);
        ASSERT_TRUE(o.image.bufferValid) << o.platform.lastMessage();
        EXPECT_TRUE(o.platform.messages.empty());
        EXPECT_EQ(o.image.kind, c.kind);
        EXPECT_EQ(o.image.isDos33, c.dos33);
        EXPECT_EQ(o.image.header.imageFormat, uint32_t(c.order));
        EXPECT_EQ(o.image.fileSize, 143360);
        EXPECT_EQ(o.image.path, "disk.DSK");
        EXPECT_EQ(treeLines(o.tree), treeLines(sectors.tree));
        EXPECT_EQ(o.image.buffer, sectors.image.buffer);
    }
}

std::vector<uint8_t> fdiHeader(uint8_t major, uint16_t lastTrack, size_t size = 512) {
    std::string sig = "Formatted Disk Image file\r\n";
    std::vector<uint8_t> h(sig.begin(), sig.end());
    h.resize(size, 0);
    h[140] = major;
    h[143] = uint8_t(lastTrack);
    h[145] = 1;
    return h;
}

// Each refusal loads nothing and says why once; a sound FDI file says nothing at all.
TEST(OpenNibbles, RefuseWhatTheyCannotRead) {
    std::vector<uint8_t> thirteen = nib(dosDisk());
    for (size_t t = 0; t < 35; ++t)
        for (size_t s = 0; s < 16; ++s) thirteen[addressFieldOf(t, s) + 2] = 0xB5;
    std::vector<uint8_t> woz = wozImage(Bytes(nib(dosDisk())));
    std::vector<uint8_t> cut(woz.begin(), woz.end() - 600), badEntry = woz;
    putLe16(badEntry.data() + 256 + 8 * 20, 0x7000); // track 20 starts past the end
    using enum MessageId;
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        std::optional<MessageId> message; // none for a sound FDI file
    } cases[] = {
        {"a.nib", std::vector<uint8_t>(6657, 0xFF), CannotReadNibbleImage},
        {"a.app", std::vector<uint8_t>(6655, 0xFF), CannotReadTrackStarImage},
        {"a.woz", std::vector<uint8_t>(100, 'x'), NotWozImage},
        {"b.woz", wozImage(Bytes(nib(dosDisk())), {false, 2}), WozNotFiveInch},
        {"c.woz", wozImage(Bytes(nib(dosDisk())), {false, 1, true}), WozFluxTracks},
        {"d.woz", cut, WozDamaged},
        {"e.woz", badEntry, WozDamaged},
        {"f.woz", wozImage(Bytes(thirteen)), WozNoSixAndTwo},
        {"a.fdi", fdiHeader(1, 34), FdiVersionNotSupported},
        {"b.fdi", fdiHeader(2, 39), FdiTracksNotSupported},
        {"c.FDI", std::vector<uint8_t>(600, 'x'), NotRealFdi},
        {"d.fdi", fdiHeader(2, 34, 511), NotRealFdi},
        {"e.fdi", fdiHeader(2, 34), std::nullopt},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Opened o("ok.po", viewsVolume());
        openFile(o, dir.write(c.name, c.bytes));
        EXPECT_FALSE(o.image.bufferValid);
        EXPECT_TRUE(o.tree.empty());
        ASSERT_EQ(o.platform.messages.size(), c.message ? 1u : 0u);
        if (c.message) EXPECT_EQ(o.platform.messages[0].text, messageText(message(*c.message)));
    }
}

// TSON "FALSE" leaves TrackStar files closed, without a word. (The debug reports are shown
// through the commands, tests/app.)
TEST(OpenNibbles, FollowTheTrackStarSettings) {
    OpenOptions off, save;
    off.tsOn = false;
    Opened closed("d.app", app(viewsVolume()), off), offered;
    EXPECT_FALSE(closed.image.bufferValid);
    EXPECT_TRUE(closed.platform.messages.empty());

    // The copy is offered under the name ending in "NIB", and written under such a name only.
    save.allowNibSave = true;
    std::optional<NibbleCopy> copy =
        openBytes(offered, "dir/d.app", app(viewsVolume()), save).nibbleCopy;
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->proposedPath, "dir/d.NIB");
    Outcome written;
    EXPECT_EQ(writeNibbleCopy(*copy, TempFolder().file("copy.dsk"), written), 0);
    ASSERT_EQ(written.messages.size(), 1u);
    EXPECT_EQ(written.messages[0].id, MessageId::SaveAsChangesImageType);
}

} // namespace
} // namespace lk::test
