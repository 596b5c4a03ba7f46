// Export As without a window: what is written, the dialog's name and folder, the ".txt" default,
// replacing a file, and a failed write. The conversions and the safe write have tests of their
// own in the core.
#include <fstream>

#include "command_fixture.h"
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
    void SetUp() override { open(viewsVolume(), "VIEWS.po"); }
    // Exports the file at `path`, the dialog answering with `chosen` in the scratch folder.
    void exportAs(const std::vector<std::string>& path, const std::string& chosen) {
        select(path);
        platform.exportDialog.answers = {ChosenFile{folder.file(chosen), chosen}};
        run(cmd::kExportAs);
    }
};

TEST_F(ExportCommandTest, WritesTheDataForkOrTheConvertedDosFileUnderTheSuggestedName) {
    exportAs({"FINDER"}, "FINDER.out");
    EXPECT_EQ(readFile(folder.file("FINDER.out")), finderData());
    open(dosDisk(), "DOS.dsk");
    exportAs({"NOTES"}, "NOTES.out"); // bit 7 cleared, ended at the zero
    EXPECT_EQ(readFile(folder.file("NOTES.out")), textBytes("LINE ONE\rLINE TWO\r"));
    ASSERT_EQ(platform.exportDialog.shown.size(), 2u);
    EXPECT_EQ(platform.exportDialog.shown[0].suggestedName, "FINDER");
    EXPECT_EQ(platform.exportDialog.shown[1].suggestedName, "NOTES");
    EXPECT_TRUE(platform.base.messages.empty());
}

TEST_F(ExportCommandTest, TheNextExportStartsWhereThisOneWent) {
    TempFolder elsewhere;
    app.shell.exportFolder = "/start";
    select({"NOTES"});
    platform.exportDialog.answers = {ChosenFile{elsewhere.file("notes.txt"), "notes.txt"}};
    run(cmd::kExportAs);
    run(cmd::kExportAs); // cancelled: nothing written, the folder stays
    ASSERT_EQ(platform.exportDialog.shown.size(), 2u);
    EXPECT_EQ(platform.exportDialog.shown[0].folder, "/start");
    EXPECT_EQ(platform.exportDialog.shown[1].folder, elsewhere.path);
    EXPECT_EQ(app.shell.exportFolder, elsewhere.path);
}

TEST_F(ExportCommandTest, ANameWithoutExtensionGetsTxtAndAnExistingFileIsReplacedWhole) {
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
    exportAs({"NOTES"}, "missing/NOTES");
    EXPECT_EQ(platform.base.lastMessage(), "Could not write file NOTES.txt");
    EXPECT_EQ(platform.base.messages.back().icon, MessageIcon::Warning);
    EXPECT_EQ(app.shell.exportFolder, folder.path);
}

TEST_F(ExportCommandTest, ACopiedAppleFileSurvivesAnExport) {
    std::vector<uint8_t> copied = patternBytes(100, 6);
    app.file.allocate(100);
    app.file.fileLength = 100;
    std::copy(copied.begin(), copied.end(), app.file.fileData.begin());
    app.shell.appleClipboard = AppleClipboard::Copied;
    exportAs({"NOTES"}, "notes.txt");
    EXPECT_EQ(readFile(folder.file("notes.txt")), notesText());
    EXPECT_EQ(app.shell.appleClipboard, AppleClipboard::Copied);
    EXPECT_EQ(std::vector<uint8_t>(app.file.bytes().begin(), app.file.bytes().end()), copied);
}

} // namespace
} // namespace lk::test
