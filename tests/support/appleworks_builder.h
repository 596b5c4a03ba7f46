// AppleWorks files built for tests: word processor documents and data bases, and the samples
// that the view tests, the fuzz seeds and the README's pictures show.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lk::test {

// A document: the version byte, the records from $12E for versions 1-127 (AppleWorks 3), else
// from $12C, and the end mark.
std::vector<uint8_t> wpDocument(uint8_t version, std::string_view records);
// A text line record: the indent ($FF: a tab ruler), the paragraph-end bit, the text.
std::string wpLine(std::string_view text, bool endsParagraph = true, uint8_t indent = 0);
// A record of another kind: $D0 a carriage return, $D7, $DF, $E1 an alignment.
inline std::string wpRecord(uint8_t kind) {
    return {'\0', char(kind)};
}

// A data base: the columns of the table layout (category from 1, width), and each record's
// values as stored, after the record of standard values.
struct DbFile {
    uint8_t version = 0;
    std::vector<std::string> categories;
    std::vector<std::pair<uint8_t, uint8_t>> columns;
    std::vector<std::string> records;
    std::vector<uint8_t> bytes() const;
};
// Values as a record holds them: the length, then the bytes; a date "YYMDD" and a time "HMM"
// after their marks.
inline std::string dbValue(std::string_view text) {
    return char(text.size()) + std::string(text);
}
inline std::string dbDate(std::string_view ymd) {
    return dbValue("\xC0" + std::string(ymd));
}
inline std::string dbTime(std::string_view hm) {
    return dbValue("\xD4" + std::string(hm));
}

// A letter of version 30 with every format and alignment, and a table of people with dates,
// times and empty categories in lines wider than 80 columns.
std::vector<uint8_t> sampleLetter();
DbFile samplePeople();
// A ProDOS volume WORKS: LETTER ($1A), PEOPLE ($19), and PEOPLE.V2, the table with version 2.
std::vector<uint8_t> appleWorksVolume();

} // namespace lk::test
