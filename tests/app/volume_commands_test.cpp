// The commands that change a ProDOS volume, without a window. Every change is checked on the
// image file as saved, opened again and checked whole.
#include <filesystem>
#include <gtest/gtest.h>

#include "app/volume_commands.h"
#include "catalog/find_path.h"
#include "command_fixture.h"
#include "prodos/volume_bit_map.h"
#include "write_fixture.h"

namespace lk::test {
namespace {

using Strings = std::vector<std::string>;

class VolumeCommands : public CommandTest {
  protected:
    // Host files written into a folder of their own and chosen, in this order, for Import.
    void chooseHostFiles(const HostFiles& files) {
        platform.importDialog.answers.push_back(writeHostFiles(folder, files));
    }
    // The image file as saved (the open one's unless named), opened again and checked whole.
    Opened& saved(const std::string& path = "") {
        reopened = std::make_unique<Opened>();
        openBytes(*reopened, "saved.po", readFileBytes(path.empty() ? app.image.path : path));
        EXPECT_EQ(checkText(checkVolume(reopened->image)), "");
        return *reopened;
    }
    // A fork of the file at the path in the saved image; none when the file is not there.
    std::vector<uint8_t> savedFile(const std::string& path, Fork fork = Fork::Data) {
        Opened& o = saved();
        NodeId node = findNodeByPath(o.tree, path);
        if (node == kNoNode) return {};
        return readBytes(o.file, readFork(o, o.tree.item(node)->entryOffset, fork));
    }

    std::unique_ptr<Opened> reopened;
    std::vector<uint8_t> small = patternBytes(40, 3);
};

// Three host files with an empty second: the first comes in, the import ends silently at the
// second. A create that fails is told and the next file still comes in. Names chosen together
// beyond "BufferSize" are refused.
TEST_F(VolumeCommands, ImportStopsAtAnEmptyFileAndGoesOnAfterAFailedCreate) {
    open(ProdosBuilder(280, "DISK").bytes(), "DISK.po");
    std::vector<uint8_t> first = patternBytes(700, 1);
    chooseHostFiles({{"first.bin", first}, {"empty", {}}, {"third", small}});
    platform.nameAnswers = {{}, {}, {}};
    run(cmd::kImport);
    EXPECT_EQ(platform.nameDialogs.size(), 2u);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(savedFile("FIRST.BIN"), first);
    EXPECT_EQ(treeLines(saved().tree), (Strings{"DISK", "  FIRST.BIN"}));

    // A file of exactly the free space passes the space test but leaves no room for its index.
    uint32_t free = countFreeBlocks(app.image);
    chooseHostFiles({{"a", small}, {"huge", patternBytes((free - 1) * 512)}, {"c", small}});
    platform.nameAnswers = {{}, {}, {}};
    run(cmd::kImport);
    EXPECT_EQ(lastMessage(), "Error! Not enough free image space available.");
    EXPECT_EQ(savedFile("C"), small);
    EXPECT_TRUE(savedFile("HUGE").empty());

    app.settings.bufferSize = 20;
    chooseHostFiles({{"one", small}});
    run(cmd::kImport);
    EXPECT_EQ(lastMessage(), "Too many files selected!");
}

// The Name dialog opens with the suggestion for the host file; a refused OK tells why and keeps
// what was typed. A sibling's name is refused for a rename; renaming the volume shows its type
// read-only and changes its name.
TEST_F(VolumeCommands, NameDialogSuggestsRefusesAndRenames) {
    ProdosBuilder b(280, "DISK");
    b.addFile(2, "HELLO", 0x04, 0, Bytes());
    open(b.bytes(), "DISK.po");
    chooseHostFiles({{"2nd file.bin", small}, {"Archive.SHK", small}});
    platform.nameAnswers = {{}, {.type = "$c1"}, {.name = "ND.FILE"}, {.cancel = true}};
    run(cmd::kImport);
    ASSERT_EQ(platform.nameDialogs.size(), 2u);
    const NameDialogFields& shown = platform.nameDialogs[0].fields;
    EXPECT_EQ(shown.name + " " + shown.type + " " + shown.aux, ".ND.FILE.BIN TXT 0000");
    EXPECT_EQ(platform.nameDialogs[1].fields.type + platform.nameDialogs[1].fields.aux, "LBR8002");
    EXPECT_EQ(lastMessage(), "The first character of ProDOS filename must be a letter!");
    Opened& s = saved();
    EXPECT_EQ(treeLines(s.tree), (Strings{"DISK", "  HELLO", "  ND.FILE"}));
    EXPECT_EQ(s.tree.item(findNodeByPath(s.tree, "ND.FILE"))->fileType, 0xC1);

    select({"HELLO"});
    platform.nameAnswers = {{.name = "nd.file"}, {.cancel = true}};
    run(cmd::kRename);
    EXPECT_EQ(lastMessage(), "Duplicate Name!");
    select({});
    view.sheetShown = true; // an open Properties sheet shows the new name
    platform.nameAnswers = {{.name = "New.Vol", .type = "BIN"}};
    run(cmd::kRename);
    EXPECT_TRUE(platform.nameDialogs.back().typeReadOnly);
    EXPECT_EQ(platform.nameDialogs.back().fields.type, "Volume");
    EXPECT_EQ(view.sheet.general.name, "NEW.VOL");
    EXPECT_EQ(treeLines(saved().tree), (Strings{"NEW.VOL", "  HELLO", "  ND.FILE"}));
}

// New Folder at pathnames of 64, 65, 128 and 129 characters: asked above 64, refused above 128.
TEST_F(VolumeCommands, LongPathnamesAreAskedAboutAndRefusedAbove128) {
    ProdosBuilder b(280, "VOLUMENAME12345");
    Strings chain; // "/VOLUMENAME12345/AAA.../BBB.../C" is 50 long, each next folder adds 16
    for (char c : std::string("ABCDEFG")) chain.push_back(std::string(c == 'C' ? 1 : 15, c));
    uint16_t dir = 2;
    for (const std::string& name : chain) dir = b.addFolder(dir, name);
    open(b.bytes(), "DEEP.po");
    struct Case {
        size_t depth, nameLength; // the new folder adds "/" and its name
        bool asked, answer, made;
        const char* told;
    } cases[] = {
        {3, 13, false, false, true, ""},
        {3, 14, true, true, true, ""},
        {7, 13, true, false, false, ""},
        {7, 14, false, true, false, "Pathname length is: 129 characters. ProDOS only allows 128."}};
    for (const Case& c : cases) {
        select(Strings(chain.begin(), chain.begin() + long(c.depth)));
        size_t questions = platform.questions.size(), messages = platform.messages.size();
        platform.answers = {c.answer};
        platform.nameAnswers = {{.name = std::string(c.nameLength, 'N')}};
        run(cmd::kNewFolder);
        EXPECT_EQ(platform.questions.size() > questions, c.asked) << c.depth << c.nameLength;
        EXPECT_EQ(platform.messages.size() > messages ? lastMessage() : "", c.told);
        NodeId made = childWithText(app.tree, app.tree.selection(), std::string(c.nameLength, 'N'));
        EXPECT_EQ(made != kNoNode, c.made);
    }
    EXPECT_EQ(platform.questions[0].text,
              "Are you sure you want to create a path that is greater than 64 characters long!");
    saved();
}

// A copied extended file goes into another image with both forks, as often as its name is free
// there. Paste Apple file is greyed, in the menu and the tree's menu, after View and after New
// Folder until the next copy.
TEST_F(VolumeCommands, CopyPastesIntoAnotherImageUntilViewOrNewFolder) {
    ProdosBuilder a(280, "FIRST");
    std::vector<uint8_t> data = patternBytes(1500, 1), resource = patternBytes(300, 2);
    a.addExtended(2, "FINDER", 0xB3, 0xDB07, Bytes(data), Bytes(resource));
    open(a.bytes(), "FIRST.po");
    select({"FINDER"});
    run(cmd::kCopyFile);
    open(ProdosBuilder(280, "SECOND").bytes(), "SECOND.po");
    run(cmd::kPasteFile);
    run(cmd::kPasteFile);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "Duplicate Name!");
    EXPECT_EQ(savedFile("FINDER"), data);
    EXPECT_EQ(savedFile("FINDER", Fork::Resource), resource);

    auto pasteOffered = [this] {
        for (const PopupItem& i : treePopupMenu(selectionFacts(app)))
            if (i.command == cmd::kPasteFile) EXPECT_EQ(i.enabled, enabled(cmd::kPasteFile));
        return enabled(cmd::kPasteFile);
    };
    EXPECT_TRUE(pasteOffered());
    select({"FINDER"});
    run(cmd::kViewFile);
    EXPECT_FALSE(pasteOffered());
    run(cmd::kPasteFile); // a greyed item's key never comes; the command refuses all the same
    EXPECT_EQ(lastMessage(), "Could not Paste!");
    run(cmd::kCopyFile);
    EXPECT_TRUE(pasteOffered());
    platform.nameAnswers = {{}};
    run(cmd::kNewFolder);
    EXPECT_FALSE(pasteOffered());
}

// With "DelPrompt" a folder is asked about once; No deletes nothing, Yes everything in it, and
// the selection moves on to the next item.
TEST_F(VolumeCommands, DeletingAFolderAsksOnce) {
    ProdosBuilder b(280, "DISK");
    uint16_t docs = b.addFolder(2, "DOCS");
    b.addFile(docs, "A", 0x04, 0, Bytes(patternBytes(2000)));
    b.addFile(b.addFolder(docs, "INNER"), "B", 0x04, 0, Bytes(small));
    b.addFile(2, "AFTER", 0x04, 0, Bytes());
    open(b.bytes(), "DISK.po");
    std::vector<uint8_t> before = readFileBytes(app.image.path);
    select({"DOCS"});
    platform.answers = {false, true};
    run(cmd::kDeleteFile);
    EXPECT_EQ(readFileBytes(app.image.path), before);
    run(cmd::kDeleteFile);
    EXPECT_EQ(platform.questions.size(), 2u); // the question's text is the core's (tests/prodos)
    EXPECT_EQ(app.tree.item(app.tree.selection())->text, "AFTER");
    // Saved sound: every block of the folder's files is free again.
    EXPECT_EQ(treeLines(saved().tree), (Strings{"DISK", "  AFTER"}));
}

// Each change is written at once, or with "AutoSavePrompt" FALSE not at all: the title is
// marked, and opening another image or closing the window asks first (Cancel keeps the image,
// Save writes it, Discard drops the changes).
TEST_F(VolumeCommands, ChangesAreSavedAtOnceOrAskedAboutBeforeTheyAreLost) {
    std::string other = folder.write("OTHER.po", ProdosBuilder(280, "OTHER").bytes());
    open(ProdosBuilder(280, "DISK").bytes(), "DISK.po");
    platform.nameAnswers = {{.name = "ONE"}};
    run(cmd::kNewFolder);
    EXPECT_EQ(treeLines(saved().tree), (Strings{"DISK", "  ONE"}));
    EXPECT_FALSE(view.modified);
    app.settings.autoSave = false;
    std::vector<uint8_t> onDisk = readFileBytes(app.image.path);
    platform.nameAnswers = {{.name = "TWO"}, {.name = "THREE"}};
    run(cmd::kNewFolder);
    EXPECT_TRUE(view.modified);
    EXPECT_EQ(readFileBytes(app.image.path), onDisk);

    platform.saveChoices = {SaveChoice::Cancel, SaveChoice::Cancel, SaveChoice::Save};
    EXPECT_FALSE(confirmCloseWindow(ctx));
    openImageAndShow(ctx, {other, "OTHER.po"});
    EXPECT_EQ(app.image.fileTitle, "DISK.po");
    EXPECT_EQ(platform.questions.back().text,
              "The changes to DISK.po have not been saved.\nDo you want to save them?");
    EXPECT_TRUE(confirmCloseWindow(ctx));
    EXPECT_EQ(treeLines(saved().tree), (Strings{"DISK", "  ONE", "  TWO"}));
    EXPECT_FALSE(view.modified);

    run(cmd::kNewFolder);
    platform.saveChoices = {SaveChoice::Discard};
    openImageAndShow(ctx, {other, "OTHER.po"});
    EXPECT_EQ(app.image.fileTitle, "OTHER.po");
    EXPECT_EQ(treeLines(saved(folder.file("DISK.po")).tree), (Strings{"DISK", "  ONE", "  TWO"}));
}

// Save As keeps the image's kind: a ".DO" image is not written as ".DSK", but as ".do" it is. A
// file dragged out is exported under its name.
TEST_F(VolumeCommands, SaveAsKeepsTheKindAndADraggedFileIsExported) {
    ProdosBuilder b(280, "DISK");
    b.addFile(2, "READ.ME", 0x04, 0, Bytes(small));
    open(b.bytes(), "DISK.DO");
    platform.saveDialog.answers = {ChosenFile{folder.file("COPY.DSK"), "COPY.DSK"},
                                   ChosenFile{folder.file("copy.do"), "copy.do"}};
    run(cmd::kSaveAs);
    EXPECT_EQ(lastMessage(), "SaveAs cannot be used to change the image type!");
    EXPECT_FALSE(folder.exists("COPY.DSK"));
    EXPECT_EQ(app.image.path, folder.file("DISK.DO")) << "a refused Save As keeps the image's file";
    run(cmd::kSaveAs);
    EXPECT_EQ(view.caption, "Larkspoon - copy.do");
    EXPECT_EQ(folder.readBytes("copy.do"), folder.readBytes("DISK.DO"));

    std::filesystem::create_directory(folder.file("drag"));
    NodeId readMe = childWithText(app.tree, app.tree.root(), "READ.ME");
    EXPECT_EQ(exportForDrag(ctx, readMe, folder.file("drag")), folder.file("drag/READ.ME"));
    EXPECT_EQ(folder.readBytes("drag/READ.ME"), small);
    EXPECT_EQ(exportForDrag(ctx, app.tree.root(), folder.file("drag")), std::nullopt);
}

} // namespace
} // namespace lk::test
