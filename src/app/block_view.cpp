#include "app/block_view.h"

#include <algorithm>

#include "translate/block_display.h"

namespace lk {

namespace {

// Beyond any block, track or sector number, so a saturated entry is always refused.
constexpr int64_t kSaturated = int64_t(1) << 33;

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool hexPrefixAt(std::string_view t, size_t i) {
    return i + 2 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X') &&
           digitValue(t[i + 2]) < 16;
}

void keepEntry(std::string& field, std::string_view text) {
    field = std::string(text.substr(0, kEntryMaxChars));
}

void placeSector(BlockViewState& s) {
    SectorPlace place = sectorPlace(s.track, s.sector);
    s.block = place.block;
    s.half = place.half;
}

} // namespace

int64_t parseEntryNumber(std::string_view text) {
    text = text.substr(0, kEntryMaxChars);
    size_t i = 0;
    int base = 0;
    if (!text.empty() && (text[0] == '$' || text[0] == 'h')) {
        base = 16;
        i = 1;
    }
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (hexPrefixAt(text, i) && (base == 0 || base == 16)) {
        base = 16;
        i += 2;
    } else if (base == 0) {
        base = i < text.size() && text[i] == '0' ? 8 : 10;
    }
    int64_t value = 0;
    for (; i < text.size() && digitValue(text[i]) < base; ++i)
        value = std::min(kSaturated, value * base + digitValue(text[i]));
    return negative ? -value : value;
}

bool acceptBlockEntry(BlockViewState& state, std::string_view text, uint32_t blockCount,
                      Outcome& outcome) {
    state.cancelled = false;
    keepEntry(state.blockEntryText, text);
    int64_t n = parseEntryNumber(state.blockEntryText);
    int64_t last = int64_t(blockCount) - 1;
    if (n < 0 || n > last) {
        outcome.add(MessageId::BlockOutOfRange, last, last);
        return false;
    }
    state.block = uint32_t(n);
    return true;
}

bool acceptSectorEntry(BlockViewState& state, std::string_view trackText,
                       std::string_view sectorText, Outcome& outcome) {
    state.cancelled = false;
    keepEntry(state.trackEntryText, trackText);
    keepEntry(state.sectorEntryText, sectorText);
    int64_t track = parseEntryNumber(state.trackEntryText);
    int64_t sector = parseEntryNumber(state.sectorEntryText);
    if (track < 0 || track > kLastTrack) {
        outcome.add(MessageId::TrackOutOfRange);
        return false;
    }
    if (sector < 0 || sector > kLastSector) {
        outcome.add(MessageId::SectorOutOfRange);
        return false;
    }
    state.track = uint32_t(track);
    state.sector = uint32_t(sector);
    placeSector(state);
    return true;
}

bool canStep(const BlockViewState& state, StepCommand command, bool isDos33, uint32_t blockCount) {
    if (!state.blockViewShown) return false;
    uint32_t sectorIndex = state.track * 16 + state.sector;
    switch (command) {
    case StepCommand::NextBlock:
        return !isDos33 && uint64_t(state.block) + 1 < blockCount;
    case StepCommand::PreviousBlock:
        return !isDos33 && state.block != 0;
    case StepCommand::NextSector:
        return isDos33 && sectorIndex < kLastTrack * 16 + kLastSector;
    case StepCommand::PreviousSector:
        return isDos33 && sectorIndex != 0;
    }
    return false;
}

bool stepBlockView(BlockViewState& state, StepCommand command, bool isDos33, uint32_t blockCount) {
    if (!canStep(state, command, isDos33, blockCount)) return false;
    switch (command) {
    case StepCommand::NextBlock:
        ++state.block;
        break;
    case StepCommand::PreviousBlock:
        --state.block;
        break;
    case StepCommand::NextSector:
        if (++state.sector > kLastSector) {
            state.sector = 0;
            ++state.track;
        }
        placeSector(state);
        break;
    case StepCommand::PreviousSector:
        if (state.sector == 0) {
            state.sector = kLastSector;
            --state.track;
        } else {
            --state.sector;
        }
        placeSector(state);
        break;
    }
    return true;
}

std::string blockDisplay(const DiskImage& image, const BlockViewState& state) {
    std::array<uint8_t, kBlockSize> block = readBlock(image, state.block);
    if (!image.isDos33) return blockText(block, state.block);
    return sectorText(block, state.half, state.track, state.sector);
}

} // namespace lk
