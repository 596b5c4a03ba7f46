#include "dos33/dos_error.h"


namespace lk {

namespace {

MessageId dosErrorId(int64_t n) {
    switch (n) {
    case 1:
    case 2:
    case 3:
        return MessageId::DosNoBuffers;
    case kDosNoList:
        return MessageId::DosFileNotFound;
    case kDosDeletedFile:
        return MessageId::DosDeletedFile;
    case kDosNotStandard:
        return MessageId::DosNotStandard;
    case kDosVtocError:
        return MessageId::DosVtocError;
    default:
        return MessageId::DosIoError;
    }
}

} // namespace

void addDosError(Outcome& outcome, int code) {
    int64_t n = code < 0 ? -int64_t(code) : code;
    if (n != kDosVolumeSelected) outcome.add(dosErrorId(n), n);
}

} // namespace lk
