// Fuzz target: arbitrary bytes as an AppleWorks word processor document (as plain text and as
// HTML) and as a data base (the version question answered No and Yes). Any crash, sanitizer
// report or read outside the input is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/message.h"
#include "translate/appleworks_db.h"
#include "translate/appleworks_wp.h"
#include "translate/rich_text_html.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A buffer of exactly the input's size, so that a read past its end is caught.
    std::vector<uint8_t> bytes(data, data + size);
    lk::Bytes input(bytes.data(), bytes.size());
    lk::RichText document = lk::translateAppleWorksWP(input, 9);
    document.plainText();
    lk::htmlDocument(document, "FUZZ");
    for (bool tryAnyway : {false, true}) {
        lk::Outcome outcome;
        lk::listAppleWorksDB(input, tryAnyway, outcome);
        if (outcome.question) lk::messageText(*outcome.question);
    }
    return 0;
}
