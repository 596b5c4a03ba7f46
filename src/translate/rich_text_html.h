// Formatted text as a small HTML document, so that a document can be carried into today's word
// processors and browsers: one paragraph per line of the text, aligned as it was, with <b>,
// <u>, <sup> and <sub> for the formats of its runs.
#pragma once

#include <string>
#include <string_view>

#include "translate/rich_text.h"

namespace lk {

// The document in UTF-8, the text's 8-bit characters read as Latin-1 as the display shows
// them; `title` names it.
std::string htmlDocument(const RichText& text, std::string_view title);

} // namespace lk
