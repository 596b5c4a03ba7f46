#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

#include "base/host_file.h"
#include "base/host_file_read.h"
#include "prodos_builder.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

TEST(ReadHostFile, BytesWithSpareZerosAndTheTimesInLocalTime) {
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
    bytes.resize(3004, 0);
    EXPECT_EQ(t.bytes, bytes);
    EXPECT_EQ(t.hostFileTime, localDateTime(when));
    EXPECT_TRUE(t.importTime == localDateTime(before) || t.importTime == localDateTime(after));
    EXPECT_EQ(t.hostFileTime.year, 2021);
    EXPECT_EQ(t.hostFileTime.minute, 6); // every time zone is a whole number of quarter hours away
    EXPECT_EQ(t.hostFileTime.second, 7);
}

TEST(ReadHostFile, AMissingOrEmptyFileReadsNothing) {
    TempFolder folder;
    TransferBuffer t;
    EXPECT_EQ(readHostFile(folder.write("FULL", patternBytes(10)), t), 10u);
    EXPECT_EQ(readHostFile(folder.file("MISSING"), t), 0u);
    EXPECT_TRUE(t.bytes.empty()); // the previous file's bytes are gone
    EXPECT_EQ(readHostFile(folder.write("EMPTY", {}), t), 0u);
    EXPECT_EQ(readHostFile(folder.path, t), 0u); // a folder
}

} // namespace
} // namespace lk::test
