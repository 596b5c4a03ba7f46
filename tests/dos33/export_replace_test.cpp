#include <filesystem>
#include <gtest/gtest.h>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#endif

#include "dos33/export_file.h"
#include "image/host_file.h"
#include "prodos_builder.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

size_t filesIn(const std::string& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(hostPath(folder)))
        ++n;
    return n;
}

TEST(ExportReplace, AFileTheUserAgreedToReplaceIsReplacedWhole) {
    TempFolder folder;
    std::string path = folder.write("HELLO.txt", patternBytes(5000));
    std::vector<uint8_t> data = patternBytes(300, 3);
    EXPECT_EQ(writeExportFile(path, Bytes(data)), 300);
    std::vector<uint8_t> back;
    ASSERT_TRUE(readWholeFile(path, back, 0));
    EXPECT_EQ(back, data);
    EXPECT_EQ(filesIn(folder.path), 1u); // no temporary file left beside it
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
    std::vector<uint8_t> back;
    ASSERT_TRUE(readWholeFile(path, back, 0));
    EXPECT_EQ(back, old);
    EXPECT_EQ(filesIn(folder.path), 1u);
#else
    GTEST_SKIP() << "needs a file size limit to make the write fail";
#endif
}

} // namespace
} // namespace lk::test
