// AppleWorks word processor documents ($1A) as formatted text: bold, underlined, raised and
// lowered words, tabs, paragraph ends, and left, right and centred paragraphs.
#pragma once

#include "base/bytes.h"
#include "translate/rich_text.h"

namespace lk {

// `fontPoints` is the display font's size: raised and lowered text is nine tenths of it.
RichText translateAppleWorksWP(Bytes data, int fontPoints);

} // namespace lk
