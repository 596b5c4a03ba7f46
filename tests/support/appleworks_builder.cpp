#include "appleworks_builder.h"

#include "base/bytes.h"
#include "prodos_builder.h"

namespace lk::test {

std::vector<uint8_t> wpDocument(uint8_t version, std::string_view records) {
    std::vector<uint8_t> out(version >= 1 && version <= 127 ? 0x12E : 0x12C, 0);
    out[0xB7] = version;
    out.insert(out.end(), records.begin(), records.end());
    out.insert(out.end(), {0xFF, 0xFF});
    return out;
}

std::string wpLine(std::string_view text, bool endsParagraph, uint8_t indent) {
    std::string r{char(text.size() + 2), 0, char(indent), char(endsParagraph ? 0x80 : 0)};
    return r.append(text);
}

std::vector<uint8_t> DbFile::bytes() const {
    std::vector<uint8_t> out(0x165 + 22 * categories.size(), 0);
    putLe16(out.data(), uint16_t(out.size() - 2)); // the records follow the names
    out[0x23] = uint8_t(categories.size());
    putLe16(out.data() + 0x24, uint16_t(records.size()));
    for (size_t u = 0; u < columns.size(); ++u) {
        out[0x4E + u] = columns[u].first;
        out[0x2A + u] = columns[u].second;
    }
    out[0xDA] = version;
    out[0xDE] = uint8_t(columns.size());
    for (size_t k = 0; k < categories.size(); ++k) {
        std::string name = dbValue(categories[k]);
        std::copy(name.begin(), name.end(), out.begin() + long(0x165 + 22 * k));
    }
    auto append = [&](std::string_view values) {
        out.insert(out.end(), {uint8_t(values.size()), uint8_t(values.size() >> 8)});
        out.insert(out.end(), values.begin(), values.end());
    };
    append("\xFF"); // no standard values
    for (const std::string& r : records) append(r);
    out.insert(out.end(), {0xFF, 0xFF});
    return out;
}

// In the text, \001 \002 turn bold on and off, \003 \004 superscript, \005 \006 subscript,
// \007 \010 underline; \026 is a tab.
std::vector<uint8_t> sampleLetter() {
    return wpDocument(30, wpLine("", true, 0xFF) + wpRecord(0xE1) +
                              wpLine("\001LARKSPOON GAZETTE\002") + wpRecord(0xDF) +
                              wpRecord(0xD0) +
                              wpLine("Dear reader, this letter keeps its \001bold\002, ", false) +
                              wpLine("\007underlined\010, E=mc\0032\004 and H\0052\006O.") +
                              wpLine("\026Caf\351 & disks\026$4.95\013") + wpRecord(0xD0) +
                              wpRecord(0xD7) + wpLine("Yours, \001The Editor"));
}

DbFile samplePeople() {
    DbFile f;
    f.categories = {"Name", "City", "Born", "Wakes at", "Notes"};
    f.columns = {{1, 14}, {2, 10}, {3, 11}, {4, 10}, {5, 40}};
    f.records = {
        dbValue("Ada Lovelace") + dbValue("London") + dbDate("15L10") + dbTime("A00") +
            dbValue("Wrote the first program for a machine not yet built") + "\xFF",
        dbValue("Larkspoon") + dbValue("Cupertino") + dbDate("87A05") + dbTime("W30") +
            dbValue(std::string("Hi\0there", 8)),
        dbValue("Steve Wozniak") + dbValue("San Jose") + "\xFF", // two of five
        dbValue("Grace Hopper") + dbValue("New York") + dbDate("06L09") + dbTime("N15"),
        dbValue("Bill Atkinson") + "\x81" + dbDate("00A05") + dbTime("M00"), // no end mark
    };
    return f;
}

std::vector<uint8_t> appleWorksVolume() {
    ProdosBuilder b(280, "WORKS");
    DbFile v2 = samplePeople();
    v2.version = 2;
    b.addFile(ProdosBuilder::kVolumeKey, "LETTER", 0x1A, 0, Bytes(sampleLetter()));
    b.addFile(ProdosBuilder::kVolumeKey, "PEOPLE", 0x19, 0, Bytes(samplePeople().bytes()));
    b.addFile(ProdosBuilder::kVolumeKey, "PEOPLE.V2", 0x19, 0, Bytes(v2.bytes()));
    return b.bytes();
}

} // namespace lk::test
