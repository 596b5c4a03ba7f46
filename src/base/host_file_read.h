// Reading a host file whole for import: its bytes, when it was last written and when it was
// read, both in local time (the dates a new ProDOS entry is given).
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace lk {

struct LocalDateTime {
    int year = 0;  // e.g. 2024
    int month = 0; // 1-12
    int day = 0;   // 1-31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const LocalDateTime&) const = default;
};

// The local time of a moment given as seconds since 1970 (UTC).
LocalDateTime localDateTime(std::time_t when);

// The host file being imported.
struct TransferBuffer {
    // The file's bytes followed by four zero bytes.
    std::vector<uint8_t> bytes;
    uint32_t length = 0;
    LocalDateTime hostFileTime; // the file's last write
    LocalDateTime importTime;   // when it was read

    void release() {
        bytes.clear();
        bytes.shrink_to_fit();
        length = 0;
    }
};

// Reads the whole file into `transfer`, replacing what it held. Returns the number of bytes
// read; 0 when the file cannot be opened, sized, held in memory or read (the buffer is then
// empty), or is empty.
uint32_t readHostFile(const std::string& path, TransferBuffer& transfer);

} // namespace lk
