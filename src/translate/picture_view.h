// The pictures of View Apple file: which bytes of the file each decoder reads, the decoding,
// and what the user is told when the picture pane cannot take the picture.
#pragma once

#include <optional>

#include "base/message.h"
#include "base/outcome.h"
#include "graphics/picture.h"
#include "translate/translator_choice.h"

namespace lk {

bool isPictureAction(ViewAction action);

// The picture the action's decoder makes of the file, or nothing with the decoder's messages.
std::optional<Picture> decodeViewPicture(ViewAction action, const ViewRequest& request,
                                         Outcome& outcome);

// What a picture action says when its picture cannot be shown.
Message pictureNotShown(ViewAction action);

} // namespace lk
