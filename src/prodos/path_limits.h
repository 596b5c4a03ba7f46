// The limits of ProDOS pathnames that the commands creating or renaming an item keep, and the
// messages for a place whose pathname cannot be made.
#pragma once

#include "base/outcome.h"

namespace lk {

inline constexpr int kMaxPathWithoutAsking = 64;

// The command a place error is told for.
enum class PlaceContext { Import = 1, NewFolder = 2, Paste = 3, Rename = 4 };

// The message for a negative result of placePath.
void addPlaceError(Outcome& outcome, int code, PlaceContext context);

// A pathname above 128 characters is refused (told); one above 64 goes on only when the user
// agreed (`confirmed`), else the question is set. True when the command may go on.
bool pathLengthAllowed(int length, bool confirmed, Outcome& outcome);

} // namespace lk
