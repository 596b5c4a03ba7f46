#include "nibble/fdi_check.h"

#include <cstring>

namespace lk {

namespace {
constexpr char kSignature[] = "Formatted Disk Image file";
}

FdiHeader readFdiHeader(Bytes file) {
    FdiHeader h;
    if (file.size() < kFdiHeaderSize) return h;
    const uint8_t* b = file.data();
    h.read = true;
    h.signatureMatches = std::memcmp(b, kSignature, sizeof kSignature - 1) == 0;
    h.versionMajor = b[140];
    h.versionMinor = b[141];
    h.lastTrack = uint16_t((b[142] << 8) | b[143]);
    h.diskType = b[145];
    return h;
}

std::optional<MessageId> checkFdi(const FdiHeader& h) {
    if (!h.read || !h.signatureMatches) return MessageId::NotRealFdi;
    if (h.versionMajor != 2 || h.versionMinor != 0) return MessageId::FdiVersionNotSupported;
    if (h.lastTrack != 34 || h.diskType != 1) return MessageId::FdiTracksNotSupported;
    return std::nullopt;
}

} // namespace lk
