// The message catalogue's formats, the damage told once, and host files read for an import.
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

#include "base/host_file.h"
#include "base/host_file_read.h"
#include "base/outcome.h"
#include "prodos_builder.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

// The catalogue's formats are printf's: each conversion takes the next value; an empty name
// reads "untitled" in the warning box.
TEST(Message, FormatsFillLikePrintf) {
    struct Case {
        const char* format;
        std::vector<MessageArg> args;
        const char* text;
    } cases[] = {
        {"Block# must be between zero & %i ($%0X) for this disk.",
         {int64_t(279), int64_t(279)},
         "Block# must be between zero & 279 ($117) for this disk."},
        {"%03u|%-6s|%c", {int64_t(7), std::string("ab"), int64_t('Z')}, "007|ab    |Z"},
        {"100%% of %s", {std::string("%s")}, "100% of %s"}, // a value is never a format
        {"%u and %s", {int64_t(-1)}, "4294967295 and "},    // a missing value is empty
    };
    for (const Case& c : cases) EXPECT_EQ(fillFormat(c.format, c.args), c.text) << c.format;
    EXPECT_EQ(messageText(message(MessageId::CouldNotRead, "")), "Could not read untitled");
    EXPECT_EQ(messageText(message(MessageId::NoSuchPath, "")), "No file  on this volume.");
}

TEST(Outcome, DamageIsToldOnceWithHowMuchMoreWasFound) {
    struct Case {
        int notes;
        const char* text;
    } cases[] = {{1, "The volume is damaged: a catalog entry lies beyond the end of the image."},
                 {2, "The volume is damaged: a catalog entry lies beyond the end of the image. "
                     "One more fault was found."},
                 {3, "The volume is damaged: a catalog entry lies beyond the end of the image. "
                     "2 more faults were found."}};
    for (const Case& c : cases) {
        DamageReport damage;
        for (int i = 0; i < c.notes; ++i) damage.note(MessageId::NoteEntryOutside);
        Outcome outcome;
        outcome.addDamage(damage, std::nullopt);
        ASSERT_EQ(outcome.messages.size(), 1u);
        EXPECT_EQ(messageText(outcome.messages[0]), c.text);
    }
    Outcome none;
    none.addDamage(DamageReport{}, MessageId::PartsLeftAsZero);
    EXPECT_TRUE(none.empty());
}

TEST(ReadHostFile, BytesWithSpareZerosAndTheTimesInLocalTimeOrNothing) {
    TempFolder folder;
    std::vector<uint8_t> bytes = patternBytes(3000);
    std::string path = folder.write("IMPORT.BIN", bytes);
    // Last written 2021-03-04 05:06:07 UTC.
    std::time_t when = 1614834367;
    std::filesystem::last_write_time(
        hostPath(path),
        std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(when)));

    TransferBuffer t;
    std::time_t before = std::time(nullptr);
    EXPECT_EQ(readHostFile(path, t), 3000u);
    std::time_t after = std::time(nullptr);
    EXPECT_EQ(t.length, 3000u);
    EXPECT_EQ(t.bytes, padded(bytes, 3004));
    EXPECT_EQ(t.hostFileTime, localDateTime(when));
    EXPECT_TRUE(t.importTime == localDateTime(before) || t.importTime == localDateTime(after));
    EXPECT_EQ(t.hostFileTime.minute, 6); // every time zone is a whole number of quarter hours away
    // A missing file, an empty one or a folder reads nothing, and the last file's bytes go.
    EXPECT_EQ(readHostFile(folder.file("MISSING"), t), 0u);
    EXPECT_TRUE(t.bytes.empty()); // the previous file's bytes are gone
    EXPECT_EQ(readHostFile(folder.write("EMPTY", {}), t), 0u);
    EXPECT_EQ(readHostFile(folder.path, t), 0u); // a folder
}

} // namespace
} // namespace lk::test
