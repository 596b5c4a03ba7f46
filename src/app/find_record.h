// The search of Find, Find Next and Replace: one record for the whole run, so the last search
// text and options stay for the next Find Next and the next dialog.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lk {

// The dialog's fields hold at most this many characters.
inline constexpr size_t kFindTextMax = 255;

struct FindRecord {
    std::string findText;
    std::string replaceText;
    bool matchCase = false; // starts off; the dialog changes it
};

enum class FindMode { Find, Replace };

// What the open dialog asks for, with its fields as they stand.
enum FindRequest : unsigned {
    kFindNextRequest = 1,
    kReplaceRequest = 2,
    kReplaceAllRequest = 4,
    kDialogClosed = 8,
};

struct FindMessage {
    unsigned requests = 0;
    FindRecord fields;
};

} // namespace lk
