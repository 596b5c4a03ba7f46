#include "translate/picture_view.h"

#include <algorithm>

#include "graphics/hires.h"
#include "graphics/icon_file.h"
#include "graphics/super_hires.h"

namespace lk {

namespace {

// The status a packed picture reports when the pane refuses it.
constexpr int kNotShownStatus = -2;

// A DOS 3.3 binary file keeps its picture after its load address and length words, and is as
// long as the length word says, but never longer than the file.
Bytes screenOf(const ViewRequest& request) {
    if (!request.dos33) return request.data;
    constexpr size_t kHeader = 4;
    if (request.data.size() <= kHeader) return {};
    size_t length = le16At(request.data, 2);
    return request.data.subspan(kHeader, std::min(length, request.data.size() - kHeader));
}

} // namespace

bool isPictureAction(ViewAction action) {
    switch (action) {
    case ViewAction::HiRes:
    case ViewAction::DoubleHiRes:
    case ViewAction::SuperHiRes:
    case ViewAction::PackedSuperHiRes:
    case ViewAction::Icon:
        return true;
    default:
        return false;
    }
}

std::optional<Picture> decodeViewPicture(ViewAction action, const ViewRequest& request,
                                         Outcome& outcome) {
    switch (action) {
    case ViewAction::HiRes:
        return decodeHiRes(screenOf(request));
    case ViewAction::DoubleHiRes:
        return decodeDoubleHiRes(screenOf(request));
    case ViewAction::SuperHiRes:
        return decodeSuperHiRes(request.data);
    case ViewAction::PackedSuperHiRes:
        return decodePackedSuperHiRes(request.data, outcome);
    case ViewAction::Icon:
        return decodeIconFile(request.data, outcome);
    default:
        return std::nullopt;
    }
}

Message pictureNotShown(ViewAction action) {
    switch (action) {
    case ViewAction::DoubleHiRes:
        return message(MessageId::UnableDoubleHiRes);
    case ViewAction::SuperHiRes:
        return message(MessageId::UnableSuperHiRes);
    case ViewAction::PackedSuperHiRes:
        return message(MessageId::PackedPictureError, kNotShownStatus);
    case ViewAction::Icon:
        return message(MessageId::UnableIcon);
    default:
        return message(MessageId::UnableHiRes);
    }
}

} // namespace lk
