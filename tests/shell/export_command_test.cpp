// Export As without a window: the bytes written for each kind of file, the dialog's name and
// folder, the ".txt" default, replacing a file, and failures that leave the old file whole.
#include <filesystem>
#include <fstream>

#if defined(__unix__) || defined(__APPLE__)
#include <csignal>
#include <sys/resource.h>
#endif

#include "basic_builder.h"
#include "command_fixture.h"
#include "dos33_builder.h"
#include "prodos_builder.h"
#include "sample_disks.h"

namespace lk::test {
namespace {

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ExportCommandTest : public CommandTest {
  protected:
    // Exports the file at `path`, the dialog answering with `chosen` in the scratch folder.
    void exportAs(const std::vector<std::string>& path, const std::string& chosen) {
        select(path);
        platform.exportAnswers = {ChosenFile{folder.file(chosen), chosen}};
        run(cmd::kExportAs);
    }
};

TEST_F(ExportCommandTest, EachKindOfFileIsWrittenAsTheExportPreferencesSay) {
    struct Case {
        bool dos;
        const char* name;
        std::vector<uint8_t> written;
    } cases[] = {
        {false, "FINDER", finderData()},                    // the data fork alone
        {true, "NOTES", textBytes("LINE ONE\rLINE TWO\r")}, // bit 7 cleared, ended at 0
        {true, "HELLO", helloProgram()},                    // the length word dropped
        {true, "LOADER", loaderBytes()},                    // address and length dropped
        {true, "OLD", withLengthWord(patternBytes(40, 4))}, // Integer BASIC keeps its word
    };
    for (const Case& c : cases) {
        open(c.dos ? dosDisk() : viewsVolume(), c.dos ? "DOS.dsk" : "VIEWS.po");
        std::string out = std::string(c.name) + ".out";
        exportAs({c.name}, out);
        EXPECT_EQ(readFile(folder.file(out)), c.written) << out;
        ASSERT_FALSE(platform.exportDialogs.empty());
        EXPECT_EQ(platform.exportDialogs.back().suggestedName, c.name);
    }
    EXPECT_TRUE(platform.base.messages.empty());
}

TEST_F(ExportCommandTest, TheNextExportStartsWhereThisOneWent) {
    open(viewsVolume(), "VIEWS.po");
    TempFolder elsewhere;
    app.shell.exportFolder = "/start";
    select({"NOTES"});
    platform.exportAnswers = {ChosenFile{elsewhere.file("notes.txt"), "notes.txt"}};
    run(cmd::kExportAs);
    run(cmd::kExportAs); // cancelled: nothing written, the folder stays
    ASSERT_EQ(platform.exportDialogs.size(), 2u);
    EXPECT_EQ(platform.exportDialogs[0].folder, "/start");
    EXPECT_EQ(platform.exportDialogs[1].folder, elsewhere.path);
    EXPECT_EQ(app.shell.exportFolder, elsewhere.path);
}

TEST_F(ExportCommandTest, ANameWithoutExtensionGetsTxtAndAnExistingFileIsReplacedWhole) {
    open(viewsVolume(), "VIEWS.po");
    exportAs({"NOTES"}, "NOTES");
    EXPECT_FALSE(folder.exists("NOTES"));
    EXPECT_EQ(readFile(folder.file("NOTES.txt")), notesText());
    // The dialog answering with a file that is there means the user agreed to replace it.
    folder.write("LETTER.ASC", patternBytes(5000, 9));
    exportAs({"DOCS", "LETTER"}, "LETTER.ASC");
    EXPECT_EQ(readFile(folder.file("LETTER.ASC")), notesText());
    EXPECT_TRUE(platform.base.messages.empty());
}

TEST_F(ExportCommandTest, AFailedWriteIsToldWithTheFilesName) {
    open(viewsVolume(), "VIEWS.po");
    exportAs({"NOTES"}, "missing/NOTES");
    EXPECT_EQ(platform.base.lastMessage(), "Could not write file NOTES.txt");
    EXPECT_EQ(platform.base.messages.back().icon, MessageIcon::Warning);
    EXPECT_EQ(app.shell.exportFolder, folder.path);
}

TEST_F(ExportCommandTest, AWriteThatFailsHalfwayLeavesTheOldFileWhole) {
#if defined(__unix__) || defined(__APPLE__)
    ProdosBuilder b(280, "BIG");
    std::vector<uint8_t> big = patternBytes(20000, 3), old = patternBytes(3000, 8);
    b.addFile(ProdosBuilder::kVolumeKey, "BIG.FILE", 0x06, 0x2000, Bytes(big));
    open(b.bytes(), "BIG.po");
    folder.write("keep.bin", old);
    {
        // No file may grow past 4 KB meanwhile, whoever runs the test (root included).
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limited);
        exportAs({"BIG.FILE"}, "keep.bin");
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    EXPECT_EQ(platform.base.lastMessage(), "Could not write file keep.bin");
    EXPECT_EQ(readFile(folder.file("keep.bin")), old);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
#else
    GTEST_SKIP() << "needs a limit on the size of written files";
#endif
}

TEST_F(ExportCommandTest, ACopiedAppleFileSurvivesAnExport) {
    open(viewsVolume(), "VIEWS.po");
    std::vector<uint8_t> copied = patternBytes(100, 6);
    app.file.allocate(100);
    app.file.fileLength = 100;
    std::copy(copied.begin(), copied.end(), app.file.fileData.begin());
    app.shell.appleClipboard = kClipboardCopied;
    exportAs({"NOTES"}, "notes.txt");
    EXPECT_EQ(readFile(folder.file("notes.txt")), notesText());
    EXPECT_EQ(app.shell.appleClipboard, kClipboardCopied);
    EXPECT_EQ(std::vector<uint8_t>(app.file.bytes().begin(), app.file.bytes().end()), copied);
}

} // namespace
} // namespace lk::test
