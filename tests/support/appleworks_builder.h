// AppleWorks files built for tests: word processor documents made of line records, and data
// bases of categories, a table layout and records.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lk::test {

// A word processor document: the version byte, then the records from $12E when the version
// is 1-127 (AppleWorks 3), else from $12C, then the end mark $FF $FF.
std::vector<uint8_t> wpDocument(uint8_t version, const std::vector<std::string>& records);
// A text line record: its indent (or $FF, a tab ruler), the paragraph-end bit, the text bytes.
std::string wpLine(std::string_view text, bool endsParagraph = true, uint8_t indent = 0);
// A two-byte record of another kind ($D0 a carriage return, $D7, $DF, $E1 alignments).
std::string wpRecord(uint8_t kind);

struct DbColumn {
    uint8_t category; // from 1
    uint8_t width;
};

// A data base: each record's stored values (control bytes and values as the file holds them),
// after the record of standard values.
struct DbFile {
    uint8_t version = 0;
    std::vector<std::string> categories;
    std::vector<DbColumn> columns;
    std::vector<std::string> records;
    uint8_t reports = 0;
    std::vector<uint8_t> bytes() const;
};

// A value as a record holds it: its length, then its bytes.
std::string dbValue(std::string_view text);

// A letter using every format and alignment, and a table of people with dates and times whose
// lines are wider than 80 columns: for the view tests and the README's pictures.
std::vector<uint8_t> sampleLetter();
DbFile samplePeople();
// A ProDOS volume WORKS: LETTER ($1A), PEOPLE ($19) and PEOPLE.V2 (the same table written by
// another AppleWorks version).
std::vector<uint8_t> appleWorksVolume();

} // namespace lk::test
