#include "nibble/nibble_copy.h"

#include <algorithm>
#include <cctype>

#include "base/host_file.h"
#include "nibble/nibble_track.h"

namespace lk {

namespace {
bool endsInNib(const std::string& path) {
    if (path.size() < 4) return false;
    std::string end = path.substr(path.size() - 4);
    for (char& c : end) c = char(std::toupper(static_cast<unsigned char>(c)));
    return end == ".NIB";
}
} // namespace

NibbleCopy nibbleCopy(std::string proposedPath, std::vector<uint8_t> tracks, int saveTracks) {
    size_t limit = size_t(std::max(saveTracks, 0)) * kNibbleTrackSize;
    if (tracks.size() > limit) tracks.resize(limit);
    return {std::move(proposedPath), std::move(tracks)};
}

int32_t writeNibbleCopy(const NibbleCopy& copy, const std::string& path, Outcome& outcome) {
    if (!endsInNib(path)) {
        outcome.add(MessageId::SaveAsChangesImageType);
        return 0;
    }
    if (!writeFileReplacing(path, Bytes(copy.tracks))) {
        outcome.add(MessageId::CouldNotSaveImage);
        return 0;
    }
    return int32_t(copy.tracks.size());
}

} // namespace lk
