// The Properties sheet's texts: General, Volume, Image and Advanced pages of ProDOS and DOS 3.3
// items, and the command that shows the sheet and keeps it with the selection.
#include "app/properties.h"
#include "base/format.h"
#include "command_fixture.h"
#include "dos33/dos_entry.h"
#include "dos33/vtoc.h"
#include "dos33_builder.h"
#include "image/new_image.h"
#include "nibble/gcr_decoder.h"
#include "nibble_builder.h"
#include "open_helpers.h"
#include "prodos/dates.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

TEST(Properties, DateTexts) {
    struct Case {
        LocalDateTime when;
        uint8_t yearField; // as stored, when it is not the one the date gives
        const char* text;
    };
    for (Case c : {Case{{2004, 12, 5, 14, 7}, 0, "12/5/2004     2:07 PM"},
                   Case{{2004, 12, 5, 0, 30}, 0, "12/5/2004     12:30 AM"},
                   Case{{2004, 12, 5, 12, 30}, 0, "12/5/2004     12:30 PM"},
                   Case{{2004, 1, 2, 9, 5}, 30, "1/2/2030     9:05 AM"},
                   Case{{2004, 1, 2, 9, 5}, 85, "1/2/1985     9:05 AM"},
                   Case{{2004, 1, 2, 9, 5}, 104, "1/2/2004     9:05 AM"}}) {
        ProdosDateTime d = prodosDateTime(c.when);
        if (c.yearField) d[1] = uint8_t((c.yearField << 1) | (d[1] & 1));
        EXPECT_EQ(dateTimeText(d), c.text);
    }
}

class PropertiesTest : public CommandTest {
  protected:
    PropertySheet sheetOf(const std::vector<std::string>& names) {
        select(names);
        run(cmd::kProperties);
        return view.sheet;
    }
};

TEST_F(PropertiesTest, ProdosFileFolderVolumeAndTheirPlaces) {
    ProdosBuilder b(280, "DISK");
    uint32_t text =
        b.addFile(ProdosBuilder::kVolumeKey, "NOTES", 0x04, 0, Bytes(patternBytes(1234)));
    ProdosDateTime made = prodosDateTime({2004, 12, 5, 14, 7});
    std::copy(made.begin(), made.end(), b.bytes().begin() + text + 0x18);
    uint16_t dir = b.addFolder(ProdosBuilder::kVolumeKey, "DOCS");
    b.addExtended(dir, "FORKED", 0xB3, 0xDB07, Bytes(patternBytes(700)), Bytes(patternBytes(90)));
    open(b.bytes(), "DISK.PO");

    // Nothing selected: no sheet.
    onTreeSelected(ctx, kNoNode);
    run(cmd::kProperties);
    EXPECT_FALSE(view.sheetShown);

    PropertySheet s = sheetOf({"NOTES"});
    EXPECT_EQ(s.general.type, "TXT   ( $04 )");
    EXPECT_EQ(s.general.auxType, "$0000");
    EXPECT_EQ(s.general.size, "1234 bytes");
    EXPECT_EQ(s.general.storage, "Sapling");
    EXPECT_EQ(s.general.location, "/DISK");
    EXPECT_EQ(s.general.created, "12/5/2004     2:07 PM");
    EXPECT_EQ(s.advanced.entryOffset, "1067   ($42B)");
    EXPECT_EQ(s.advanced.entryBlock, "2      ($2)");
    uint16_t key = le16(&b.bytes()[text + 0x11]);
    EXPECT_EQ(s.advanced.firstFileBlock, format("%u      ($%X)", key, key));
    EXPECT_EQ(s.volume.size, "143360 bytes     (280 blocks)");
    EXPECT_EQ(s.volume.files, "3    (including any folders)");

    // An open sheet follows the selection.
    onTreeSelected(
        ctx, childWithText(app.tree, childWithText(app.tree, app.tree.root(), "DOCS"), "FORKED"));
    EXPECT_EQ(view.sheet.general.size, "Data: 700 bytes.  Resource: 90 bytes.");
    EXPECT_EQ(view.sheet.general.location, "/DISK/DOCS");
    EXPECT_EQ(view.sheetRaised, 1);

    s = sheetOf({});
    EXPECT_EQ(s.general.type, "Volume");
    EXPECT_EQ(s.general.size, "143360 bytes       3 files");
    EXPECT_EQ(s.image.kind, "PO  ( Apple II 5.25\" floppy)");
    EXPECT_EQ(s.image.order, "ProDOS - order disk image.");
}

TEST_F(PropertiesTest, Dos33FileAndVolume) {
    Dos33Builder b(254);
    std::vector<uint8_t> program(302);
    program[0] = 300 & 0xFF;
    program[1] = 300 >> 8;
    b.addFile("HELLO", kDosApplesoft, Bytes(program), true);
    open(b.bytes(), "DOS.DSK");
    PropertySheet s = sheetOf({"HELLO"});
    EXPECT_EQ(s.general.type, "Applesoft BASIC");
    EXPECT_EQ(s.general.size, "302 bytes");
    EXPECT_EQ(s.general.location, "Volume # 254");
    EXPECT_EQ(s.general.created, "Does not apply to DOS 3.3!");
    EXPECT_EQ(s.general.access, 0); // locked
    EXPECT_EQ(s.volume.size, "143360 bytes     (35 tracks  560 sectors)");
    int free = countFreeSectors(app.image);
    EXPECT_EQ(s.volume.free, format("%i bytes     (%i sectors)", free * 256, free));
    EXPECT_EQ(s.volume.accessNote, "Access is not known!");
    // The volume node: its number and nothing else.
    s = sheetOf({});
    EXPECT_EQ(s.general.name, "Volume # 254");
    EXPECT_EQ(s.general.type + s.general.size, "");
}

TEST(Properties, ImagePages) {
    DiskImage image;
    image.path = "/disks/LOCKED.2MG";
    makeNewImage(image, {ImageKind::TwoImg, 143360, SectorOrder::ProdosOrder, true});
    ImagePage page = imagePage(image);
    EXPECT_EQ(page.lockLine, "Disk locked:\t\tYes");
    EXPECT_EQ(page.creatorLine, "Image Creator:\t\tLKSP (Larkspoon)");
    EXPECT_EQ(page.versionLine, "2IMG Header version:\t0");
    image.header.creator = {'A', 'B', 'C', 'D'};
    EXPECT_EQ(imagePage(image).creatorLine, "Image Creator:\t\tABCD");
}

// A decoded .NIB goes by the nibble file's name; its path still names the .DSK to save.
TEST_F(PropertiesTest, DecodedNibbleImage) {
    open(nibbleImage(Bytes(Dos33Builder(254).bytes()), SectorTable::Dos), "DISK.NIB");
    PropertySheet s = sheetOf({});
    EXPECT_EQ(s.image.kind, "NIB ( Raw nibbles 5.25\" floppy)");
    EXPECT_EQ(s.image.title, "DISK.NIB");
    EXPECT_TRUE(s.image.location.ends_with("DISK.nib"));
    EXPECT_TRUE(app.image.path.ends_with("DISK.DSK"));
}

} // namespace
} // namespace lk::test
