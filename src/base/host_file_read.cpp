#include "base/host_file_read.h"

#include <chrono>
#include <filesystem>

#include "base/host_file.h"

namespace lk {

namespace {

constexpr size_t kSpareBytes = 4;

} // namespace

LocalDateTime localDateTime(std::time_t when) {
    std::tm t{};
#if defined(_WIN32)
    localtime_s(&t, &when);
#else
    localtime_r(&when, &t);
#endif
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

uint32_t readHostFile(const std::string& path, TransferBuffer& transfer) {
    transfer.release();
    std::error_code ec;
    auto written = std::filesystem::last_write_time(hostPath(path), ec);
    if (ec) return 0;
    if (readWholeFile(path, transfer.bytes, kSpareBytes) != HostRead::Done) {
        transfer.release();
        return 0;
    }
    transfer.length = uint32_t(transfer.bytes.size() - kSpareBytes);
    auto since1970 = std::chrono::file_clock::to_sys(written);
    transfer.hostFileTime = localDateTime(std::chrono::system_clock::to_time_t(since1970));
    transfer.importTime = localDateTime(std::time(nullptr));
    return transfer.length;
}

} // namespace lk
