// The commands that change a ProDOS volume, without a window: Import, Copy and Paste, New Folder,
// Rename, Delete, Save and Save As, the save after each change and the question about unsaved
// changes. Every change is checked on the image file as saved, opened again and checked whole.
#include <filesystem>
#include <gtest/gtest.h>

#include "app/volume_commands.h"
#include "catalog/find_path.h"
#include "command_fixture.h"
#include "open_helpers.h"
#include "prodos/read_file.h"
#include "prodos/volume_bit_map.h"
#include "write_fixture.h"

namespace lk::test {
namespace {

std::vector<uint8_t> bytesOf(size_t n, uint8_t seed) {
    std::vector<uint8_t> b(n);
    for (size_t i = 0; i < n; ++i) b[i] = uint8_t(seed + i * 7);
    return b;
}

class VolumeCommands : public CommandTest {
  protected:
    // Host files written into a folder of their own and chosen, in this order, for Import.
    void chooseHostFiles(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files) {
        ImportChoice choice{folder.file("host"), {}};
        std::filesystem::create_directory(choice.folder);
        for (const auto& [name, bytes] : files) {
            folder.write("host/" + name, bytes);
            choice.names.push_back(name);
        }
        platform.importDialog.answers.push_back(choice);
    }
    // The image file as saved (the open one's unless named), opened again; its volume must be
    // sound.
    Opened& saved(const std::string& path = "") {
        reopened = std::make_unique<Opened>();
        openBytes(*reopened, "saved.po", readFileBytes(path.empty() ? app.image.path : path));
        EXPECT_EQ(checkText(checkVolume(reopened->image)), "");
        return *reopened;
    }
    // A fork of a file in the saved image; none when the file is not there.
    std::vector<uint8_t> savedFile(const std::string& path, Fork fork = Fork::Data) {
        Opened& o = saved();
        NodeId node = findNodeByPath(o.tree, path);
        if (node == kNoNode) return {};
        return readBytes(o.file, readFork(o, o.tree.item(node)->entryOffset, fork));
    }
    // The entry of a file in the saved image ("" the volume), cleared when it is not there.
    FileEntry savedEntry(const std::string& path) {
        Opened& o = saved();
        NodeId node = path.empty() ? o.tree.root() : findNodeByPath(o.tree, path);
        FileEntry e;
        if (node != kNoNode) loadEntry(o.image, o.tree.item(node)->entryOffset, e);
        return e;
    }
    std::vector<std::string> told() const {
        std::vector<std::string> texts;
        for (const ShownMessage& m : platform.messages) texts.push_back(m.text);
        return texts;
    }

    std::unique_ptr<Opened> reopened;
};

// Three host files with an empty second: the first is imported, the import ends silently at
// the second. A create that fails in the middle is told and the next file still comes in. Names
// chosen together beyond "BufferSize" are refused.
TEST_F(VolumeCommands, ImportStopsAtAnEmptyFileAndGoesOnAfterAFailedCreate) {
    open(ProdosBuilder(280, "DISK").bytes(), "DISK.po");
    std::vector<uint8_t> first = bytesOf(700, 1), third = bytesOf(40, 3);
    chooseHostFiles({{"first.bin", first}, {"empty", {}}, {"third", third}});
    platform.nameAnswers = {{}, {}, {}};
    run(cmd::kImport);
    EXPECT_EQ(app.shell.folder, folder.file("host")); // where the next dialog starts
    EXPECT_EQ(platform.nameDialogs.size(), 2u);
    EXPECT_TRUE(told().empty());
    EXPECT_EQ(savedFile("FIRST.BIN"), first);
    EXPECT_EQ(treeLines(saved().tree), (std::vector<std::string>{"DISK", "  FIRST.BIN"}));

    // A file of exactly the free space passes the space test but has no room for its index.
    uint32_t free = countFreeBlocks(app.image);
    chooseHostFiles({{"a", bytesOf(10, 5)}, {"huge", bytesOf((free - 1) * 512, 6)}, {"c", third}});
    platform.nameAnswers = {{}, {}, {}};
    run(cmd::kImport);
    EXPECT_EQ(told(), (std::vector<std::string>{"Error! Not enough free image space available."}));
    EXPECT_EQ(savedFile("C"), third);
    EXPECT_TRUE(savedFile("HUGE").empty());

    app.settings.bufferSize = 20;
    chooseHostFiles({{"one.txt", third}, {"two.txt", third}});
    run(cmd::kImport);
    EXPECT_EQ(lastMessage(), "Too many files selected!");
    EXPECT_EQ(platform.nameDialogs.size(), 5u);
}

// The Name dialog opens with the suggestion for the host file; a refused OK tells why and
// leaves the fields as typed for the next try. Renaming the volume shows its type fields
// read-only and changes its name and access only.
TEST_F(VolumeCommands, NameDialogSuggestsRefusesAndRenames) {
    ProdosBuilder b(280, "DISK");
    b.addFile(2, "HELLO", 0x04, 0, Bytes());
    b.addFile(2, "OTHER", 0x06, 0x2000, Bytes());
    open(b.bytes(), "DISK.po");
    select({"HELLO"});
    chooseHostFiles({{"2nd file.bin", bytesOf(5, 1)}, {"Archive.SHK", bytesOf(5, 2)}});
    platform.nameAnswers = {{}, NameAnswer::typed("ND.FILE", "$c1"), NameAnswer::cancelled()};
    run(cmd::kImport);
    ASSERT_EQ(platform.nameDialogs.size(), 2u);
    const NameDialogFields& shown = platform.nameDialogs[0].fields;
    EXPECT_EQ(shown.name + " " + shown.type + " " + shown.aux, ".ND.FILE.BIN TXT 0000");
    EXPECT_EQ(shown.access, kDefaultAccess);
    const NameDialogFields& archive = platform.nameDialogs[1].fields;
    EXPECT_EQ(archive.type + archive.aux, "LBR8002");
    EXPECT_EQ(told(), (std::vector<std::string>{
                          "The first character of ProDOS filename must be a letter!"}));
    EXPECT_EQ(savedEntry("ND.FILE").fileType, 0xC1);
    EXPECT_EQ(savedEntry("ARCHIVE.SHK").nameLength(), 0);

    // A sibling's name is refused with the dialog left open; the own name is taken.
    platform.nameAnswers = {NameAnswer::typed("other"), NameAnswer::typed("hello")};
    run(cmd::kRename);
    EXPECT_EQ(lastMessage(), "Duplicate Name!");
    EXPECT_EQ(savedEntry("HELLO").nameText(), "HELLO");

    select({});
    platform.nameAnswers = {NameAnswer::typed("New.Vol", "BIN")};
    run(cmd::kRename);
    EXPECT_TRUE(platform.nameDialogs.back().typeReadOnly);
    EXPECT_EQ(platform.nameDialogs.back().fields.type, "Volume");
    EXPECT_EQ(app.tree.item(app.tree.root())->text, "NEW.VOL");
    EXPECT_EQ(savedEntry("").nameText(), "NEW.VOL");
}

// New Folder at pathnames of 64, 65, 128 and 129 characters: asked above 64, refused above 128.
TEST_F(VolumeCommands, LongPathnamesAreAskedAboutAndRefusedAbove128) {
    ProdosBuilder b(280, "VOLUMENAME12345");
    std::vector<std::string> chain = {"A", "B", "C", "D", "E", "F", "G"};
    uint16_t dir = 2;
    for (std::string& name : chain) {
        name = name == "C" ? name : std::string(15, name[0]);
        dir = b.addFolder(dir, name);
    }
    open(b.bytes(), "DEEP.po");
    struct Case {
        size_t depth;
        size_t nameLength;
        bool asked;
        bool answer;
        const char* told;
        bool made;
    } cases[] = {
        // "/VOLUMENAME12345/AAA.../BBB.../C" is 50 long; the new folder adds "/" and its name.
        {3, 13, false, false, "", true},
        {3, 14, true, true, "", true},
        {7, 13, true, false, "", false},
        {7, 14, false, true, "Pathname length is: 129 characters. ProDOS only allows 128.", false},
    };
    for (const Case& c : cases) {
        select(std::vector<std::string>(chain.begin(), chain.begin() + long(c.depth)));
        size_t questions = platform.questions.size(), messages = platform.messages.size();
        platform.answers = {c.answer};
        platform.nameAnswers = {NameAnswer::typed(std::string(c.nameLength, 'N'))};
        run(cmd::kNewFolder);
        EXPECT_EQ(platform.questions.size() > questions, c.asked) << c.depth << c.nameLength;
        EXPECT_EQ(platform.messages.size() > messages ? lastMessage() : "", c.told);
        NodeId place = app.tree.selection();
        EXPECT_EQ(childWithText(app.tree, place, std::string(c.nameLength, 'N')) != kNoNode,
                  c.made);
    }
    EXPECT_EQ(platform.questions[0].text,
              "Are you sure you want to create a path that is greater than 64 characters long!");
    saved();
}

// A copied extended file goes into another image with both forks, as often as its name is free
// there. Paste Apple file is greyed after View and after New Folder until the next copy.
TEST_F(VolumeCommands, CopyPastesIntoAnotherImageUntilViewOrNewFolder) {
    ProdosBuilder a(280, "FIRST");
    std::vector<uint8_t> data = bytesOf(1500, 1), resource = bytesOf(300, 2);
    a.addExtended(2, "FINDER", 0xB3, 0xDB07, Bytes(data), Bytes(resource));
    a.addFile(2, "NOTE", 0x04, 0, Bytes(data.data(), 20));
    open(a.bytes(), "FIRST.po");
    select({"FINDER"});
    run(cmd::kCopyFile);
    open(ProdosBuilder(280, "SECOND").bytes(), "SECOND.po");
    EXPECT_TRUE(enabled(cmd::kPasteFile));
    run(cmd::kPasteFile);
    run(cmd::kPasteFile);
    EXPECT_EQ(told(), (std::vector<std::string>{"Duplicate Name!"}));
    EXPECT_EQ(savedFile("FINDER"), data);
    EXPECT_EQ(savedFile("FINDER", Fork::Resource), resource);

    auto pasteOffered = [this] {
        bool inPopup = false;
        for (const PopupItem& i : treePopupMenu(selectionFacts(app)))
            inPopup = inPopup || (i.command == cmd::kPasteFile && i.enabled);
        EXPECT_EQ(inPopup, enabled(cmd::kPasteFile));
        return enabled(cmd::kPasteFile);
    };
    select({"FINDER"});
    run(cmd::kViewFile);
    select({});
    EXPECT_FALSE(pasteOffered());
    run(cmd::kPasteFile); // the key of a greyed item never comes; the command still refuses
    EXPECT_EQ(lastMessage(), "Could not Paste!");
    select({"FINDER"});
    run(cmd::kCopyFile);
    EXPECT_TRUE(pasteOffered());
    platform.nameAnswers = {{}};
    run(cmd::kNewFolder);
    EXPECT_FALSE(pasteOffered());
}

// With "DelPrompt" a folder is asked about once; No deletes nothing, Yes everything in it, and
// the selection moves to the next item.
TEST_F(VolumeCommands, DeletingAFolderAsksOnce) {
    ProdosBuilder b(280, "DISK");
    uint16_t docs = b.addFolder(2, "DOCS");
    b.addFile(docs, "A", 0x04, 0, Bytes(bytesOf(2000, 1)));
    b.addFile(b.addFolder(docs, "INNER"), "B", 0x04, 0, Bytes(bytesOf(600, 2)));
    b.addFile(2, "AFTER", 0x04, 0, Bytes());
    open(b.bytes(), "DISK.po");
    std::vector<uint8_t> before = readFileBytes(app.image.path);
    uint32_t freeBefore = countFreeBlocks(app.image);
    select({"DOCS"});
    platform.answers = {false};
    run(cmd::kDeleteFile);
    EXPECT_EQ(readFileBytes(app.image.path), before);
    EXPECT_EQ(app.tree.size(), 6u);

    platform.answers = {true};
    run(cmd::kDeleteFile);
    ASSERT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(platform.questions[1].text,
              "Are you sure you want to remove\nthe directory and all its files?");
    EXPECT_EQ(app.tree.item(app.tree.selection())->text, "AFTER");
    EXPECT_EQ(treeLines(saved().tree), (std::vector<std::string>{"DISK", "  AFTER"}));
    // DOCS, A (index and 4 blocks), INNER, B (index and 2 blocks).
    EXPECT_EQ(countFreeBlocks(saved().image), freeBefore + 1 + 5 + 1 + 3);
}

// Each change is written at once, or with "AutoSavePrompt" FALSE not at all: the title is
// marked and opening another image asks first (Cancel keeps, Save writes, Discard drops).
TEST_F(VolumeCommands, ChangesAreSavedAtOnceOrAskedAboutBeforeAnotherOpen) {
    std::string other = folder.write("OTHER.po", ProdosBuilder(280, "OTHER").bytes());
    open(ProdosBuilder(280, "DISK").bytes(), "DISK.po");
    for (const char* name : {"ONE", "TWO"}) {
        platform.nameAnswers = {NameAnswer::typed(name)};
        run(cmd::kNewFolder);
        EXPECT_EQ(savedEntry(name).nameText(), name);
        EXPECT_FALSE(view.modified);
    }
    app.settings.autoSave = false;
    std::vector<uint8_t> onDisk = readFileBytes(app.image.path);
    platform.nameAnswers = {NameAnswer::typed("THREE"), NameAnswer::typed("FOUR")};
    run(cmd::kNewFolder);
    EXPECT_TRUE(view.modified);
    EXPECT_EQ(readFileBytes(app.image.path), onDisk);

    platform.saveChoices = {SaveChoice::Cancel, SaveChoice::Save};
    openImageAndShow(ctx, {other, "OTHER.po"});
    EXPECT_EQ(app.image.fileTitle, "DISK.po");
    EXPECT_EQ(platform.questions.back().text,
              "The changes to DISK.po have not been saved.\nDo you want to save them?");
    openImageAndShow(ctx, {folder.file("DISK.po"), "DISK.po"});
    EXPECT_EQ(savedEntry("THREE").nameText(), "THREE");
    EXPECT_FALSE(view.modified);

    run(cmd::kNewFolder);
    platform.saveChoices = {SaveChoice::Discard};
    openImageAndShow(ctx, {other, "OTHER.po"});
    EXPECT_EQ(findNodeByPath(saved(folder.file("DISK.po")).tree, "FOUR"), kNoNode);
    EXPECT_EQ(app.image.fileTitle, "OTHER.po");
}

// Save As keeps the image's kind: a ".DO" image is not written as ".DSK", but as ".do" it is.
TEST_F(VolumeCommands, SaveAsKeepsTheKindOfImage) {
    std::vector<uint8_t> bytes = ProdosBuilder(280, "DISK").bytes();
    open(bytes, "DISK.DO");
    platform.saveDialog.answers = {ChosenFile{folder.file("COPY.DSK"), "COPY.DSK"},
                                   ChosenFile{folder.file("copy.do"), "copy.do"}};
    run(cmd::kSaveAs);
    EXPECT_EQ(lastMessage(), "SaveAs cannot be used to change the image type!");
    EXPECT_FALSE(folder.exists("COPY.DSK"));
    EXPECT_EQ(app.image.fileTitle, "DISK.DO");
    run(cmd::kSaveAs);
    EXPECT_EQ(view.caption, "Larkspoon - copy.do");
    EXPECT_EQ(folder.readBytes("copy.do"), folder.readBytes("DISK.DO"));
}

} // namespace
} // namespace lk::test
