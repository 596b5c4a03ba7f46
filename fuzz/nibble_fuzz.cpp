// Fuzz target: arbitrary bytes through the nibble decoder (both sector tables), the TrackStar
// converter, the WOZ reader and the FDI check, then opened as ".NIB", ".APP", ".WOZ" and ".FDI"
// files with every question answered Yes and every debug report asked for. Any crash, hang,
// sanitizer report or read outside the input is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "catalog/catalog_tree.h"
#include "nibble/fdi_check.h"
#include "nibble/gcr_decoder.h"
#include "nibble/trackstar.h"
#include "nibble/woz_reader.h"
#include "volume/open_image.h"

namespace {

constexpr const char* kNames[] = {"fuzz.nib", "fuzz.app", "fuzz.woz", "fuzz.fdi"};

void decodeBoth(lk::Bytes nibbles) {
    for (lk::SectorTable table : {lk::SectorTable::Dos, lk::SectorTable::Prodos})
        lk::decodeNibbles(nibbles, table, true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lk::Bytes input(data, size);
    decodeBoth(input);
    // Padded to whole tracks, so that a mutated length still reaches the scan.
    size_t tracks = (size + lk::kNibbleTrackSize - 1) / lk::kNibbleTrackSize;
    std::vector<uint8_t> whole(input.begin(), input.end());
    whole.resize(tracks * lk::kNibbleTrackSize, 0xFF);
    decodeBoth(lk::Bytes(whole));
    std::vector<uint8_t> converted;
    if (lk::convertTrackStar(lk::Bytes(whole), converted) > 0) decodeBoth(lk::Bytes(converted));
    lk::convertTrackStar(input, converted);
    lk::WozTracks woz = lk::readWoz(input);
    decodeBoth(lk::Bytes(woz.nibbles));
    lk::checkFdi(lk::readFdiHeader(input));

    lk::OpenOptions yes;
    yes.acceptNonStandard = yes.acceptBadChecksum = true;
    yes.tsDat = yes.tsTsDat = yes.allowNibSave = true;
    for (const char* name : kNames) {
        lk::DiskImage image;
        lk::CatalogTree tree;
        image.path = name;
        image.fileTitle = name;
        lk::Outcome outcome;
        lk::openImageFromMemory(image, tree, std::vector<uint8_t>(input.begin(), input.end()), yes,
                                outcome);
        for (const lk::Message& m : outcome.messages) lk::messageText(m);
    }
    return 0;
}
