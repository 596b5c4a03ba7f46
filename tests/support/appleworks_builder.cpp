#include "appleworks_builder.h"

#include <algorithm>

#include "base/bytes.h"
#include "prodos_builder.h"

namespace lk::test {

namespace {

void append(std::vector<uint8_t>& out, std::string_view bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void appendRecord(std::vector<uint8_t>& out, std::string_view values) {
    out.push_back(uint8_t(values.size()));
    out.push_back(uint8_t(values.size() >> 8));
    append(out, values);
}

} // namespace

std::vector<uint8_t> wpDocument(uint8_t version, const std::vector<std::string>& records) {
    bool rulers = version >= 1 && version <= 127;
    std::vector<uint8_t> out(rulers ? 0x12E : 0x12C, 0);
    out[0xB7] = version;
    for (const std::string& r : records) append(out, r);
    append(out, "\xFF\xFF");
    return out;
}

std::string wpLine(std::string_view text, bool endsParagraph, uint8_t indent) {
    std::string r{char(text.size() + 2), 0, char(indent),
                  char((text.size() & 0x7F) | (endsParagraph ? 0x80 : 0))};
    return r.append(text);
}

std::string wpRecord(uint8_t kind) {
    return {0, char(kind)};
}

std::string dbValue(std::string_view text) {
    return char(text.size()) + std::string(text);
}

std::vector<uint8_t> DbFile::bytes() const {
    constexpr size_t kNamesAt = 0x165, kNameField = 22;
    std::vector<uint8_t> out(kNamesAt + kNameField * categories.size(), 0);
    putLe16(out.data(), uint16_t(out.size() - 2)); // the records follow the header
    out[0x23] = uint8_t(categories.size());
    putLe16(out.data() + 0x24, uint16_t(records.size()));
    out[0x26] = reports;
    for (size_t u = 0; u < columns.size() && u < 36; ++u) {
        out[0x2A + u] = columns[u].width;
        out[0x4E + u] = columns[u].category;
    }
    out[0xDA] = version;
    out[0xDE] = uint8_t(columns.size());
    for (size_t k = 0; k < categories.size(); ++k) {
        uint8_t* field = out.data() + kNamesAt + kNameField * k;
        field[0] = uint8_t(categories[k].size());
        std::copy_n(categories[k].begin(), std::min<size_t>(categories[k].size(), 21), field + 1);
    }
    out.resize(out.size() + 600 * size_t(reports), 0);
    appendRecord(out, "\xFF"); // the standard values: none
    for (const std::string& r : records) appendRecord(out, r);
    append(out, "\xFF\xFF");
    return out;
}

std::vector<uint8_t> sampleLetter() {
    const uint8_t centre = 0xE1, left = 0xDF, right = 0xD7, blank = 0xD0;
    return wpDocument(30, {
                              wpLine("", true, 0xFF), // a tab ruler
                              wpRecord(centre),
                              wpLine("\x01LARKSPOON GAZETTE\x02"),
                              wpLine("Spring 1987"),
                              wpRecord(left),
                              wpRecord(blank),
                              wpLine("Dear reader,"),
                              wpRecord(blank),
                              wpLine("This letter was written with \x07"
                                     "AppleWorks\x08 on an Apple //e ",
                                     false),
                              wpLine("and keeps its formats: \x01"
                                     "bold\x02, \x07underlined\x08, E=mc\x03"
                                     "2\x04 ",
                                     false),
                              wpLine("and H\x05"
                                     "2\x06O."),
                              wpRecord(blank),
                              wpLine("\x16"
                                     "Disks\x16"
                                     "10\x16$4.95"),
                              wpLine("\x16"
                                     "Labels\x16"
                                     "50\x16$1.20"),
                              wpRecord(blank),
                              wpRecord(right),
                              wpLine("Yours truly,"),
                              wpLine("\x07The Editor\x08"),
                          });
}

DbFile samplePeople() {
    DbFile f;
    f.categories = {"Name", "City", "Born", "Wakes at", "Notes"};
    f.columns = {{1, 16}, {2, 12}, {3, 11}, {4, 10}, {5, 44}};
    auto date = [](std::string_view ymd) { return "\x06\xC0" + std::string(ymd); };
    auto time = [](std::string_view hm) { return "\x04\xD4" + std::string(hm); };
    f.records = {
        dbValue("Ada Lovelace") + dbValue("London") + date("15L10") + time("G30") +
            dbValue("Wrote the first program for a machine not yet built"),
        dbValue("Grace Hopper") + dbValue("New York") + date("06L09") + time("F45") +
            dbValue("Found a moth in the relays"),
        dbValue("Steve Wozniak") + dbValue("San Jose") + date("50H11") + time("K00") + "\xFF",
        dbValue("Bill Atkinson") + "\x81" + date("00D05") + time("W15") +
            dbValue("QuickDraw and MacPaint"),
    };
    return f;
}

std::vector<uint8_t> appleWorksVolume() {
    ProdosBuilder b(280, "WORKS");
    const uint16_t vol = ProdosBuilder::kVolumeKey;
    DbFile v2 = samplePeople();
    v2.version = 2;
    b.addFile(vol, "LETTER", 0x1A, 0, Bytes(sampleLetter()));
    b.addFile(vol, "PEOPLE", 0x19, 0, Bytes(samplePeople().bytes()));
    b.addFile(vol, "PEOPLE.V2", 0x19, 0, Bytes(v2.bytes()));
    return b.bytes();
}

} // namespace lk::test
