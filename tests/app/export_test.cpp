// Export As: the DOS 3.3 conversions the preferences ask for, the name offered, and the file
// written whole or not at all, from the core and through the command.
#include <gtest/gtest.h>

#include <filesystem>
#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#endif

#include "app/export_file.h"
#include "base/host_file.h"
#include "command_fixture.h"
#include "dos33/dos_entry.h"
#include "dos33_builder.h"
#include "open_helpers.h"
#include "sample_disks.h"
#include "settings/setting_keys.h"

namespace lk::test {
namespace {

// The sample DOS 3.3 disk, opened, and Export As's bytes for its files.
struct ExportDisk {
    Opened o{"export.dsk", dosDisk()};
    NodeId node(const std::string& name) {
        return childWithText(o.tree, o.tree.root(), paddedDosName(name));
    }
    int32_t prepare(NodeId n, const Settings& s) {
        o.tree.select(n);
        return reported(o.platform, [&](Outcome& out) {
            return prepareExport(o.image, o.tree, s, o.file, out);
        });
    }
    std::vector<uint8_t> exported(const std::string& name, const Settings& s) {
        int32_t n = prepare(node(name), s);
        EXPECT_GT(n, 0) << name;
        if (n <= 0) return {};
        EXPECT_EQ(o.file.fileData[size_t(n)], 0); // the zero byte after them
        return std::vector<uint8_t>(o.file.bytes().begin(), o.file.bytes().end());
    }
};

Settings allPreferences(const char* value) {
    Settings s;
    for (const char* key : {"DOSTXT", "DOSINT", "DOSAPSFT", "DOSBIN"})
        setSettingText(s, *findSetting("Translate", key), value);
    return s;
}

// Text up to its first zero (bit 7 cleared when asked), BASIC and binary files as long as their
// length words say, without them when asked; other types as their whole sectors.
TEST(ExportDos, EachTypeIsAdjustedByItsPreference) {
    ExportDisk d;
    Settings on = allPreferences("TRUE");
    Settings lower = allPreferences("true"); // switches are compared case-sensitively
    struct Case {
        const char* name;
        const Settings& settings;
        std::vector<uint8_t> expected;
    } cases[] = {
        {"NOTES", on, notesText()},
        {"NOTES", lower, highBitText("LINE ONE\rLINE TWO\r")},
        {"HELLO", allPreferences("FALSE"), withLengthWord(helloProgram())},
        {"OLD", Settings(), withLengthWord(patternBytes(40, 4))}, // the one off by default
        {"LOADER", on, patternBytes(300, 2)},
        {"ODD", on, padded(patternBytes(10, 3), 512)},
        // A length word beyond the file is held to the file's bytes, less the header.
        {"LIAR", on, padded(patternBytes(10), 512 - 4)},
    };
    for (const Case& c : cases) EXPECT_EQ(d.exported(c.name, c.settings), c.expected) << c.name;
    EXPECT_TRUE(d.o.platform.messages.empty());
}

TEST(ExportDos, NothingToExportErrorsAndTheNameOffered) {
    ExportDisk d;
    EXPECT_EQ(d.prepare(d.node("BLANK"), Settings()), 0);
    EXPECT_EQ(d.o.platform.lastMessage(), "There is nothing to export from BLANK.");
    EXPECT_EQ(d.prepare(d.o.tree.root(), Settings()), -100);
    EXPECT_EQ(d.o.platform.messages.size(), 1u); // the volume node: no message
    d.o.image.buffer[d.o.tree.item(d.node("NOTES"))->entryOffset] = dos::kDeleted;
    EXPECT_EQ(d.prepare(d.node("NOTES"), Settings()), -5);
    EXPECT_EQ(d.o.platform.lastMessage(), "DOS error #5  Deleted File!");
    // The Apple name without its padding, never a folder separator; ".txt" when none is typed.
    EXPECT_EQ(suggestedExportName(d.o.image, *d.o.tree.item(d.node("A/B"))), "A_B");
    EXPECT_EQ(withDefaultExtension("/home/u/HELLO.BAS", "txt"), "/home/u/HELLO.BAS");
    EXPECT_EQ(withDefaultExtension("C:\\o.d\\PIC", "txt"), "C:\\o.d\\PIC.txt");
}

size_t filesIn(const std::string& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(hostPath(folder)))
        ++n;
    return n;
}

TEST(ExportReplace, AWriteThatFailsLeavesTheOldFileAsItWas) {
#if defined(__unix__)
    TempFolder folder;
    std::vector<uint8_t> old = patternBytes(100);
    std::string path = folder.write("OLD.TXT", old);
    // The file size limit stops the write a few kilobytes in, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int32_t written = writeExportFile(path, Bytes(patternBytes(100000, 7)));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(written, 0);
    EXPECT_EQ(readFileBytes(path), old);
    EXPECT_EQ(filesIn(folder.path), 1u);
#else
    GTEST_SKIP() << "needs a file size limit to make the write fail";
#endif
}

class ExportCommandTest : public CommandTest {
  protected:
    void SetUp() override { open(viewsVolume(), "VIEWS.po"); }
    // Exports the file at `path`, the dialog answering with `chosen` in the scratch folder.
    void exportAs(const std::vector<std::string>& path, const std::string& chosen) {
        select(path);
        platform.exportDialog.answers = {ChosenFile{folder.file(chosen), chosen}};
        run(cmd::kExportAs);
    }
};

TEST_F(ExportCommandTest, WritesTheDataForkOrTheConvertedDosFileOrTellsWhyNot) {
    exportAs({"FINDER"}, "FINDER.out");
    EXPECT_EQ(folder.readBytes("FINDER.out"), finderData());
    open(dosDisk(), "DOS.dsk");
    exportAs({"NOTES"}, "NOTES"); // bit 7 cleared, ended at the zero, ".txt" added
    EXPECT_FALSE(folder.exists("NOTES"));
    EXPECT_EQ(folder.readBytes("NOTES.txt"), notesText());
    ASSERT_EQ(platform.exportDialog.shown.size(), 2u);
    EXPECT_EQ(platform.exportDialog.shown[0].suggestedName, "FINDER");
    EXPECT_EQ(platform.exportDialog.shown[1].suggestedName, "NOTES");
    EXPECT_TRUE(platform.messages.empty());
    exportAs({"BLANK"}, "BLANK.out"); // nothing to export: nothing written
    EXPECT_EQ(lastMessage(), "There is nothing to export from BLANK.");
    EXPECT_FALSE(folder.exists("BLANK.out"));
    exportAs({"NOTES"}, "missing/NOTES"); // a failed write is told with the file's name
    EXPECT_EQ(lastMessage(), "Could not write file NOTES.txt");
    EXPECT_EQ(app.shell.exportFolder, folder.path);
}

// The dialog answering with a file that is there means the user agreed to replace it.
TEST_F(ExportCommandTest, AnExistingFileIsReplacedWholeAndTheNextExportStartsThere) {
    TempFolder elsewhere;
    elsewhere.write("LETTER.ASC", patternBytes(5000, 9));
    select({"DOCS", "LETTER"});
    platform.exportDialog.answers = {ChosenFile{elsewhere.file("LETTER.ASC"), "LETTER.ASC"}};
    run(cmd::kExportAs);
    EXPECT_EQ(elsewhere.readBytes("LETTER.ASC"), notesText());
    EXPECT_EQ(filesIn(elsewhere.path), 1u); // no temporary file left beside it
    run(cmd::kExportAs);                    // cancelled: nothing written, the folder stays
    ASSERT_EQ(platform.exportDialog.shown.size(), 2u);
    EXPECT_EQ(platform.exportDialog.shown[0].folder, folder.path);
    EXPECT_EQ(platform.exportDialog.shown[1].folder, elsewhere.path);
}

TEST_F(ExportCommandTest, ACopiedAppleFileSurvivesAnExport) {
    std::vector<uint8_t> copied = patternBytes(100, 6);
    app.file.allocate(100);
    app.file.fileLength = 100;
    std::copy(copied.begin(), copied.end(), app.file.fileData.begin());
    app.shell.appleClipboard = AppleClipboard::Copied;
    exportAs({"NOTES"}, "notes.txt");
    EXPECT_EQ(folder.readBytes("notes.txt"), notesText());
    EXPECT_EQ(app.shell.appleClipboard, AppleClipboard::Copied);
    EXPECT_EQ(std::vector<uint8_t>(app.file.bytes().begin(), app.file.bytes().end()), copied);
}

} // namespace
} // namespace lk::test
