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
#include "prodos_builder.h"
#include "sample_disks.h"

namespace lk::test {
namespace {

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> bytesOf(const std::string& s) {
    return {s.begin(), s.end()};
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
    std::vector<uint8_t> program = helloProgram();
    struct Case {
        bool dos;
        const char* name;
        std::vector<uint8_t> written;
    } cases[] = {
        {false, "NOTES", notesText()},
        {false, "FINDER", finderData()},                    // the data fork alone
        {true, "NOTES", bytesOf("LINE ONE\rLINE TWO\r")},   // bit 7 cleared, ended at the zero
        {true, "HELLO", program},                           // the length word dropped
        {true, "LOADER", loaderBytes()},                    // address and length dropped
        {true, "OLD", withLengthWord(patternBytes(40, 4))}, // Integer BASIC keeps its word
    };
    for (const Case& c : cases) {
        open(c.dos ? dosDisk() : viewsVolume(), c.dos ? "DOS.dsk" : "VIEWS.po");
        std::string out = std::string(c.name) + (c.dos ? ".dos" : ".pro");
        exportAs({c.name}, out);
        EXPECT_EQ(readFile(folder.file(out)), c.written) << out;
        ASSERT_FALSE(platform.exportDialogs.empty());
        EXPECT_EQ(platform.exportDialogs.back().suggestedName, c.dos ? dosName(c.name) : c.name);
    }
    EXPECT_TRUE(platform.base.messages.empty());
}

TEST_F(ExportCommandTest, TheDialogStartsWhereTheLastExportWent) {
    open(viewsVolume(), "VIEWS.po");
    TempFolder elsewhere;
    app.shell.exportFolder = "/start";
    select({"NOTES"});
    platform.exportAnswers = {ChosenFile{elsewhere.file("notes.txt"), "notes.txt"}};
    run(cmd::kExportAs);
    EXPECT_EQ(platform.exportDialogs.back().folder, "/start");
    EXPECT_EQ(app.shell.exportFolder, elsewhere.path);
    run(cmd::kExportAs); // cancelled: nothing written, the folder stays
    EXPECT_EQ(platform.exportDialogs.back().folder, elsewhere.path);
    EXPECT_EQ(app.shell.exportFolder, elsewhere.path);
    EXPECT_TRUE(platform.base.messages.empty());
}

TEST_F(ExportCommandTest, ANameWithoutExtensionGetsTxt) {
    open(viewsVolume(), "VIEWS.po");
    exportAs({"NOTES"}, "NOTES");
    EXPECT_FALSE(folder.exists("NOTES"));
    EXPECT_EQ(readFile(folder.file("NOTES.txt")), notesText());
    exportAs({"DOCS", "LETTER"}, "LETTER.ASC");
    EXPECT_TRUE(folder.exists("LETTER.ASC"));
    EXPECT_FALSE(folder.exists("LETTER.ASC.txt"));
}

TEST_F(ExportCommandTest, AnExistingFileIsReplacedWholeOnceTheUserAgreed) {
    open(viewsVolume(), "VIEWS.po");
    folder.write("out.bin", patternBytes(5000, 9));
    exportAs({"NOTES"}, "out.bin");
    EXPECT_EQ(readFile(folder.file("out.bin")), notesText());
    EXPECT_TRUE(platform.base.messages.empty());
}

TEST_F(ExportCommandTest, AFailedWriteIsToldWithTheFilesNameAndChangesNothing) {
    open(viewsVolume(), "VIEWS.po");
    select({"NOTES"});
    platform.exportAnswers = {ChosenFile{folder.file("missing/NOTES"), "NOTES"}};
    run(cmd::kExportAs);
    EXPECT_EQ(platform.base.lastMessage(), "Could not write file NOTES.txt");
    EXPECT_EQ(platform.base.messages.back().caption, "Larkspoon");
    EXPECT_EQ(platform.base.messages.back().icon, MessageIcon::Warning);
    EXPECT_EQ(app.shell.exportFolder, folder.path);
}

#if defined(__unix__) || defined(__APPLE__)
// Lets no process write a file larger than `limit` bytes while it lives (root included).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = saved_;
        l.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
#endif

TEST_F(ExportCommandTest, AWriteThatFailsHalfwayLeavesTheOldFileWhole) {
#if defined(__unix__) || defined(__APPLE__)
    ProdosBuilder b(280, "BIG");
    std::vector<uint8_t> big = patternBytes(20000, 3);
    b.addFile(ProdosBuilder::kVolumeKey, "BIG.FILE", 0x06, 0x2000, Bytes(big));
    open(b.bytes(), "BIG.po");
    std::vector<uint8_t> old = patternBytes(3000, 8);
    folder.write("keep.bin", old);
    {
        FileSizeLimit limit(4096);
        exportAs({"BIG.FILE"}, "keep.bin");
    }
    EXPECT_EQ(platform.base.lastMessage(), "Could not write file keep.bin");
    EXPECT_EQ(readFile(folder.file("keep.bin")), old);
    // And no half-written file beside it.
    for (const auto& entry : std::filesystem::directory_iterator(folder.path))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    EXPECT_EQ(app.shell.exportFolder, folder.path);
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

TEST_F(ExportCommandTest, AFileWithNothingToExportOpensNoDialog) {
    open(dosDisk(), "DOS.dsk");
    exportAs({"BLANK"}, "blank.txt");
    EXPECT_TRUE(platform.exportDialogs.empty());
    EXPECT_FALSE(folder.exists("blank.txt"));
    EXPECT_EQ(platform.base.messages.size(), 1u);
}

} // namespace
} // namespace lk::test
