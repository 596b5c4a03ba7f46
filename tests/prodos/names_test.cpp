#include <gtest/gtest.h>

#include "catalog/find_path.h"
#include "prodos/names.h"
#include "prodos/rename.h"
#include "write_fixture.h"

namespace lk {
namespace {

TEST(Names, SuggestionsFromHostNames) {
    struct Case {
        const char* host;
        const char* name;
        const char* type;
        const char* aux;
    } cases[] = {
        {"readme.txt", "README.TXT", "TXT", "0000"},
        {"2nd file.bin", ".ND.FILE.BIN", "TXT", "0000"},
        {"a-twenty-characters!", "A.TWENTY.CHARAC", "TXT", "0000"},
        {"archive.shk", "ARCHIVE.SHK", "LBR", "8002"},
        {"photo.pic", "PHOTO.PIC", "BIN", "2000"},
        {"caf\xC3\xA9", "CAF.", "TXT", "0000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(suggestedName(c.host), c.name);
        EXPECT_EQ(suggestedType(c.host).type, c.type) << c.host;
        EXPECT_EQ(suggestedType(c.host).aux, c.aux) << c.host;
    }
}

TEST(Names, TheNameDialogsRulesAndMessages) {
    test::ProdosBuilder b(280);
    b.addFile(2, "HELLO", 4, 0, Bytes());
    b.addFile(2, "OTHER", 4, 0, Bytes());
    test::WriteFixture o(b);
    struct Case {
        NameFields fields;
        const char* told; // "" when accepted
        int type;
    } cases[] = {
        {{"new", "$c1", "12ab"}, "", 0xC1},
        {{"NEW", "bas", ""}, "", 0xFC},
        {{"NEW", "tdm", ""}, "", 0x20},
        {{"Hello", "TXT", ""}, "Duplicate Name!", 0},
        {{"", "TXT", ""}, "A ProDOS filename must have between 1 & 15 letters!", 0},
        {{"SIXTEEN.LETTERS.", "TXT", ""}, "A ProDOS filename must have between 1 & 15 letters!", 0},
        {{"2ND", "TXT", ""}, "The first character of ProDOS filename must be a letter!", 0},
        {{"A B", "TXT", ""},
         "A ProDOS filename may only consist of letters, numbers and period!",
         0},
        {{"NEW", "XYZ", ""}, "Not a supported type name, use hex!", 0},
        {{"NEW", "$1", ""}, "Type must be 3 characters long!\nHex numbers start with $", 0},
    };
    o.select("/");
    for (const Case& c : cases) {
        FileEntry working;
        Outcome out;
        bool accepted = acceptNameFields(o.tree, NameMode::Create, c.fields, working, out);
        EXPECT_EQ(accepted, *c.told == 0) << c.fields.name;
        EXPECT_EQ(out.hasMessages() ? messageText(out.messages[0]) : "", c.told);
        if (accepted) EXPECT_EQ(working.fileType, c.type);
        if (accepted) EXPECT_EQ(working.nameText(), "NEW");
        if (accepted && c.type == 0xC1) EXPECT_EQ(working.auxType, 0x12AB);
    }
    FileEntry e;
    Outcome out;
    // Renaming to its own name is accepted, to a sibling's name refused.
    o.select("HELLO");
    loadEntry(o.image, o.tree.item(o.tree.selection())->entryOffset, e);
    EXPECT_TRUE(acceptNameFields(o.tree, NameMode::Rename, {"hello", "TXT", "0"}, e, out));
    EXPECT_FALSE(acceptNameFields(o.tree, NameMode::Rename, {"OTHER", "TXT", "0"}, e, out));
}

// A rename keeps what it does not change: the type shown as "TDM" for $21 or "PTP" stays, and a
// folder's header takes the new name with its entry.
TEST(Names, RenameKeepsTypesAndRenamesFolderHeaders) {
    test::ProdosBuilder b(280);
    b.addFile(2, "TEACH", 0x21, 0, Bytes());
    b.addFile(2, "PACKED", 0x2E, 0x8002, Bytes());
    uint16_t dir = b.addFolder(2, "LONGER.NAME");
    test::WriteFixture o(b);
    for (auto [path, type, newName] :
         {std::tuple{"TEACH", "TDM", "T2"}, {"PACKED", "PTP", "P2"}, {"LONGER.NAME", "DIR", "D"}}) {
        o.select(path);
        FileEntry e;
        loadEntry(o.image, o.tree.item(o.tree.selection())->entryOffset, e);
        uint8_t typeBefore = e.fileType;
        Outcome out;
        ASSERT_TRUE(acceptNameFields(o.tree, NameMode::Rename, {newName, type, "8002"}, e, out));
        ASSERT_TRUE(renameSelected(o.image, o.tree, e, out));
        EXPECT_EQ(o.entry(newName).fileType, typeBefore) << path;
        EXPECT_EQ(o.tree.item(o.tree.selection())->text, newName);
    }
    Bytes header = blockBytes(o.image, dir);
    EXPECT_EQ(header[4], 0xE1);
    EXPECT_EQ(header[5], 'D');
    EXPECT_EQ(o.findings(), "");
}

} // namespace
} // namespace lk
