#include "dos33/dos_error.h"

#include "platform/format.h"

namespace lk {

std::string dosErrorMessage(int code) {
    long long n = code < 0 ? -(long long)code : code;
    switch (n) {
    case kDosVolumeSelected:
        return {};
    case 1:
    case 2:
    case 3:
        return format("DOS error #%lld  No Buffers Available!", n);
    case kDosNoList:
        return format("DOS error #%lld  File not found!", n);
    case kDosDeletedFile:
        return format("DOS error #%lld  Deleted File!", n);
    case kDosNotStandard:
        return format("DOS error #%lld  Not a standard DOS 3.3 disk!", n);
    case kDosVtocError:
        return format("DOS error #%lld  VTOC error!", n);
    default:
        return format("DOS I/O error #%lld", n);
    }
}

void reportDosError(Platform& platform, int code) {
    std::string text = dosErrorMessage(code);
    if (!text.empty()) platform.showMessage(text);
}

} // namespace lk
