#include "volume/open_nibble.h"

#include <algorithm>

#include "nibble/fdi_check.h"
#include "nibble/gcr_decoder.h"
#include "nibble/trackstar.h"
#include "nibble/woz_reader.h"

namespace lk {

namespace {

void replaceEnd(std::string& s, const char* three) {
    if (s.size() >= 3) s.replace(s.size() - 3, 3, three);
}

Bytes fileBytes(const DiskImage& image) {
    return Bytes(image.buffer.data(), size_t(std::max(image.fileSize, 0)));
}

bool refuse(Outcome& outcome, MessageId id) {
    outcome.add(id);
    return false;
}

void addSummary(const DecodedNibbles& d, Outcome& outcome) {
    const NibbleCounts& c = d.counts;
    outcome.add(MessageId::NibbleSummary, c.addressFields, c.dataFields, c.bytesWritten,
                d.sectors.size(), c.errorBits, c.badNibbles);
}

// The decoded sectors take the place of the file's bytes. A disk that is not plainly sound is
// shown only when the user says so.
bool decodeTracks(DiskImage& image, Bytes nibbles, SectorTable table, const OpenOptions& options,
                  OpenReport& report, Outcome& outcome) {
    DecodedNibbles d = decodeNibbles(nibbles, table, options.tsTsDat);
    report.counts = d.counts;
    report.sectorReport = std::move(d.report);
    if (options.tsDat && d.result != kNotWholeTracks) addSummary(d, outcome);
    if (image.kind == ImageKind::Woz && d.counts.addressFields == 0)
        return refuse(outcome, MessageId::WozNoSixAndTwo);
    if (d.result < 1) return refuse(outcome, MessageId::CannotReadNibbleImage);
    if (!d.counts.standard() && !options.acceptNonStandard) {
        outcome.question = message(MessageId::NibbleNotStandard);
        return false;
    }
    uint32_t n = uint32_t(d.sectors.size());
    image.buffer = std::move(d.sectors);
    image.buffer.resize(n + kSpareBytes, 0);
    // A save writes a 5.25-inch disk's worth (less when fewer tracks were decoded).
    image.fileSize = int32_t(std::min(n, kFloppySize));
    image.header = madeUpHeader(
        table == SectorTable::Prodos ? SectorOrder::NibbleOrder : SectorOrder::DosOrder, n);
    replaceEnd(image.path, "DSK");
    return true;
}

bool decodeTrackStar(DiskImage& image, const OpenOptions& options, OpenReport& report,
                     Outcome& outcome) {
    if (!options.tsOn) return false;
    std::vector<uint8_t> tracks;
    if (convertTrackStar(fileBytes(image), tracks) < 1)
        return refuse(outcome, MessageId::CannotReadTrackStarImage);
    image.kind = ImageKind::App;
    if (options.allowNibSave) {
        std::string proposed = image.path;
        replaceEnd(proposed, "NIB");
        report.nibbleCopy = nibbleCopy(proposed, tracks, options.saveTracks);
    }
    return decodeTracks(image, Bytes(tracks), SectorTable::Prodos, options, report, outcome);
}

MessageId wozRefusal(WozProblem problem) {
    switch (problem) {
    case WozProblem::NotWoz:
        return MessageId::NotWozImage;
    case WozProblem::NotFiveInch:
        return MessageId::WozNotFiveInch;
    case WozProblem::FluxTracks:
        return MessageId::WozFluxTracks;
    default:
        return MessageId::WozDamaged;
    }
}

bool decodeWoz(DiskImage& image, const OpenOptions& options, OpenReport& report, Outcome& outcome) {
    WozTracks woz = readWoz(fileBytes(image));
    if (woz.problem != WozProblem::None) return refuse(outcome, wozRefusal(woz.problem));
    if (woz.checksumMismatch && !options.acceptBadChecksum) {
        outcome.question = message(MessageId::WozChecksumQuestion);
        return false;
    }
    image.kind = ImageKind::Woz;
    return decodeTracks(image, Bytes(woz.nibbles), SectorTable::Dos, options, report, outcome);
}

} // namespace

bool isNibbleExtension(const std::string& ext) {
    return ext == ".NIB" || ext == ".APP" || ext == ".WOZ";
}

bool decodeNibbleImage(DiskImage& image, const std::string& ext, const OpenOptions& options,
                       OpenReport& report, Outcome& outcome) {
    if (ext == ".APP") return decodeTrackStar(image, options, report, outcome);
    if (ext == ".WOZ") return decodeWoz(image, options, report, outcome);
    image.kind = ImageKind::Nib;
    return decodeTracks(image, fileBytes(image), SectorTable::Dos, options, report, outcome);
}

void checkFdiFile(Bytes start, Outcome& outcome) {
    if (std::optional<MessageId> problem = checkFdi(readFdiHeader(start))) outcome.add(*problem);
}

} // namespace lk
