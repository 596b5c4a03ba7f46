// The state of the block and sector display, the number entry of its two dialogs with the
// range checks, and the stepping commands. The shell runs the dialogs and shows the text; the
// rules live here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "image/disk_image.h"

namespace lk {

inline constexpr uint32_t kLastTrack = 34;
inline constexpr uint32_t kLastSector = 15;
// The dialogs read at most this many characters of an entry.
inline constexpr size_t kEntryMaxChars = 10;

struct BlockViewState {
    // The block shown in block mode; in sector mode the block that holds the sector.
    uint32_t block = 0;
    uint32_t track = 0;
    uint32_t sector = 0;
    // Which 256-byte half of the block holds the sector shown in sector mode.
    uint32_t half = 0;
    bool blockViewShown = false;
    // The texts last entered, shown again when a dialog opens.
    std::string blockEntryText;
    std::string trackEntryText;
    std::string sectorEntryText;
    bool cancelled = false;
};

// Captions and static texts of the two dialogs.
inline constexpr std::string_view kBlockDialogTitle = "Larkspoon -  Show Block:";
inline constexpr std::string_view kSectorDialogTitle = "Larkspoon -  Show Track/Sector:";
inline constexpr std::string_view kBlockPrompt = "Enter Block Number: ";
inline constexpr std::string_view kTrackPrompt = "Enter Track Number: ";
inline constexpr std::string_view kSectorPrompt = "Enter Sector Number: ";
inline constexpr std::string_view kEntryHint = "Use decimal or hex (with leading $).";

// An entry as typed: "$" or "h" then hexadecimal, otherwise a C integer literal ("0x" hex, a
// leading "0" octal, else decimal). Reading stops at the first character that does not fit;
// an empty or non-numeric text gives 0. A minus sign gives a negative value, which every range
// check refuses; magnitudes beyond 32 bits saturate so that they are refused too.
int64_t parseEntryNumber(std::string_view text);

// OK in the block dialog: keeps the text, checks the number against the image's blocks and
// either tells the range message (returning false, state unchanged) or sets `block` (true).
bool acceptBlockEntry(BlockViewState& state, std::string_view text, uint32_t blockCount,
                      Outcome& outcome);
// OK in the track/sector dialog: the same for a track (0-34) and a sector (0-15).
bool acceptSectorEntry(BlockViewState& state, std::string_view trackText,
                       std::string_view sectorText, Outcome& outcome);
// Cancel in either dialog: nothing is shown and nothing changes.
inline void cancelEntry(BlockViewState& state) {
    state.cancelled = true;
}

enum class StepCommand { NextBlock, PreviousBlock, NextSector, PreviousSector };

// Whether the command would step now: a display is shown, the volume is of the command's kind
// and the limit (last block, block 0, track 34 sector 15, track 0 sector 0) is not reached.
bool canStep(const BlockViewState& state, StepCommand command, bool isDos33, uint32_t blockCount);
// Steps when canStep allows it and returns whether it did; the shell then redisplays.
bool stepBlockView(BlockViewState& state, StepCommand command, bool isDos33, uint32_t blockCount);

// The text for the current state: block mode on a ProDOS volume, sector mode on a DOS 3.3
// volume. Bytes of a block beyond the image show as zero.
std::string blockDisplay(const DiskImage& image, const BlockViewState& state);

} // namespace lk
