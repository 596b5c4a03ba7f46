// PackBytes, the IIgs run-length scheme of packed Super HiRes screens: each run starts with a
// flag byte whose top two bits say what follows and whose low six bits hold the count less one.
#include <algorithm>

#include "graphics/super_hires.h"

namespace lk {

namespace {

enum RunKind : uint8_t {
    kLiteral = 0x00,     // n bytes copied
    kRepeatByte = 0x40,  // one byte n times
    kRepeatQuad = 0x80,  // four bytes n times
    kRepeatByte4 = 0xC0, // one byte 4n times
};

struct Run {
    RunKind kind;
    size_t count;    // n
    size_t written;  // bytes the run puts on the screen
    size_t consumed; // stream bytes it takes, flag included
};

Run runAt(uint8_t flag) {
    RunKind kind = RunKind(flag & 0xC0);
    size_t n = size_t(flag & 0x3F) + 1;
    switch (kind) {
    case kLiteral:
        return {kind, n, n, 1 + n};
    case kRepeatByte:
        return {kind, n, n, 2};
    case kRepeatQuad:
        return {kind, n, 4 * n, 5};
    case kRepeatByte4:
        break;
    }
    return {kind, n, 4 * n, 2};
}

// Writes the run from its data bytes (those the stream holds); false when the stream ended
// before the bytes the run repeats.
bool writeRun(const Run& run, Bytes data, uint8_t* out) {
    switch (run.kind) {
    case kLiteral:
        std::copy(data.begin(), data.end(), out);
        return true;
    case kRepeatQuad:
        if (data.size() < 4) return false;
        for (size_t i = 0; i < run.count; ++i) std::copy_n(data.begin(), 4, out + 4 * i);
        return true;
    case kRepeatByte:
    case kRepeatByte4:
        break;
    }
    if (data.empty()) return false;
    std::fill_n(out, run.written, data[0]);
    return true;
}

} // namespace

Unpacked unpackBytes(Bytes stream) {
    Unpacked u{std::vector<uint8_t>(kSuperHiResScreenSize, 0), kUnpackFilled};
    size_t s = 0, d = 0;
    while (d < kSuperHiResScreenSize) {
        if (s >= stream.size()) {
            u.status = kUnpackStreamEnded;
            break;
        }
        Run run = runAt(stream[s]);
        if (run.written > kSuperHiResScreenSize - d) {
            u.status = kUnpackOverflow;
            break;
        }
        Bytes data = stream.subspan(s + 1, std::min(run.consumed - 1, stream.size() - s - 1));
        bool whole = writeRun(run, data, u.screen.data() + d);
        d += run.written;
        s += run.consumed;
        if (!whole || s >= stream.size()) {
            u.status = kUnpackStreamEnded;
            break;
        }
    }
    return u;
}

} // namespace lk
