#include "prodos/path_limits.h"

#include "prodos/place_path.h"

namespace lk {

void addPlaceError(Outcome& outcome, int code, PlaceContext context) {
    switch (code) {
    case -1:
        outcome.add(MessageId::PlaceOpenImageFirst);
        return;
    case -2:
        outcome.add(context == PlaceContext::Import      ? MessageId::CreateNoPlaceImport
                    : context == PlaceContext::NewFolder ? MessageId::PlaceSelectNewFolder
                    : context == PlaceContext::Paste     ? MessageId::PlaceSelectPaste
                                                         : MessageId::PlaceSelectFile);
        return;
    case -3:
    case -4:
        outcome.add(MessageId::PlaceCouldNotGetPath);
        return;
    case -5:
    case -6:
        outcome.add(context == PlaceContext::Import      ? MessageId::PlaceCantImport
                    : context == PlaceContext::NewFolder ? MessageId::PlaceCantCreateFolder
                    : context == PlaceContext::Paste     ? MessageId::PlaceCantPaste
                                                         : MessageId::PlaceCantRename);
        return;
    default:
        if (code < -6) outcome.add(MessageId::PathnameTooLong, -code);
    }
}

bool pathLengthAllowed(int length, bool confirmed, Outcome& outcome) {
    if (length > kMaxPathLength) {
        outcome.add(MessageId::PathLengthOver128, length);
        return false;
    }
    if (length > kMaxPathWithoutAsking && !confirmed) {
        outcome.question = message(MessageId::PathLengthOver64);
        return false;
    }
    return true;
}

} // namespace lk
