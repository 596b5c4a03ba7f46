// What the New dialog asks for: kept for the whole run, so that the dialog opens with the
// choices made last time.
#pragma once

#include <string>

namespace lk {

struct NewImageChoice {
    std::string newOrder = "PRODOS";       // "PRODOS" or "DOS"
    std::string newWriteProtect = "FALSE"; // "TRUE" or "FALSE": the 2IMG locked flag
    std::string newVolumeName = "untitled";
    std::string newType = "2IMG"; // "2IMG", "DSK" or "PO"
    std::string newSize = "800Kb";
};

} // namespace lk
