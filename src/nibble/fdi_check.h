// FDI ("Formatted Disk Image") files are recognised by their 512-byte header and never loaded.
#pragma once

#include <cstdint>
#include <optional>

#include "base/bytes.h"
#include "base/messages.h"

namespace lk {

inline constexpr size_t kFdiHeaderSize = 512;

// The fields of the header that the check reads (big-endian in the file).
struct FdiHeader {
    bool read = false; // all 512 bytes were there
    bool signatureMatches = false;
    uint8_t versionMajor = 0;
    uint8_t versionMinor = 0;
    uint16_t lastTrack = 0; // number of tracks - 1
    uint8_t diskType = 0;   // 1: 5.25-inch
};

// Reads the header from the first 512 bytes; fewer leave it unread.
FdiHeader readFdiHeader(Bytes file);

// What the check tells the user: nothing for an FDI 2.0 image of a 35-track 5.25-inch disk,
// otherwise the first test it fails.
std::optional<MessageId> checkFdi(const FdiHeader& header);

} // namespace lk
