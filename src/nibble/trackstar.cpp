#include "nibble/trackstar.h"

#include <algorithm>

#include "nibble/gcr_decoder.h"

namespace lk {

namespace {

constexpr size_t kCountAt = 0x19FE;
constexpr size_t kLead = 128;          // nibble k of n lies at 128 + n - k
constexpr size_t kLastNibbleAt = 6653; // where a track without a count is read back from

// A track without a count: the bytes with their high bit set, read backwards from the end.
void readBackwards(Bytes track, uint8_t* out) {
    size_t k = 0;
    for (size_t j = kLastNibbleAt + 1; j-- > 0 && (track[j] & 0x80);) out[k++] = track[j];
}

// The first n nibbles turn so that the first address field among them comes first.
void turnToAddressField(uint8_t* track, size_t n) {
    Bytes whole(track, kNibbleTrackSize);
    for (size_t j = 0; j < n; ++j) {
        if (addressFieldAt(whole, j)) {
            std::rotate(track, track + j, track + n);
            return;
        }
    }
}

} // namespace

int32_t convertTrackStar(Bytes app, std::vector<uint8_t>& nibbles) {
    if (app.size() % kNibbleTrackSize != 0) return -4;
    nibbles.assign(app.size(), 0x96);
    for (size_t base = 0; base < app.size(); base += kNibbleTrackSize) {
        Bytes track = app.subspan(base, kNibbleTrackSize);
        uint8_t* out = nibbles.data() + base;
        size_t n = std::min<size_t>(le16(track.data() + kCountAt), kTrackStarMaxNibbles);
        if (n == 0) {
            readBackwards(track, out); // such a track keeps its place
            continue;
        }
        for (size_t k = 0; k < n; ++k) out[k] = track[kLead + n - k];
        turnToAddressField(out, n);
    }
    return int32_t(app.size());
}

} // namespace lk
