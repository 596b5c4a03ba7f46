#include "sample_disks.h"

#include "basic_builder.h"
#include "dos33/dos_entry.h"
#include "dos33_builder.h"
#include "prodos_builder.h"

namespace lk::test {

namespace {

std::vector<uint8_t> bytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

std::vector<uint8_t> highBit(const std::string& s) {
    std::vector<uint8_t> out;
    for (char c : s) out.push_back(uint8_t(c | 0x80));
    return out;
}

constexpr uint8_t kPrintToken = 0xBA;
constexpr uint8_t kEndToken = 0x80;

} // namespace

std::vector<uint8_t> helloProgram() {
    std::vector<uint8_t> print = {kPrintToken};
    for (char c : std::string("\"HELLO\"")) print.push_back(uint8_t(c));
    return applesoftProgram({{10, print}, {20, {kEndToken}}});
}

std::vector<uint8_t> notesText() {
    return bytesOf("LINE ONE\rLINE TWO\r");
}

std::vector<uint8_t> finderData() {
    return patternBytes(600, 5);
}

std::vector<uint8_t> finderResources() {
    return patternBytes(90, 7);
}

std::vector<uint8_t> viewsVolume() {
    ProdosBuilder b(280, "VIEWS");
    const uint16_t vol = ProdosBuilder::kVolumeKey;
    std::vector<uint8_t> program = helloProgram(), notes = notesText();
    std::vector<uint8_t> data = finderData(), resources = finderResources();
    b.addFile(vol, "HELLO", 0xFC, 0x0801, Bytes(program));
    b.addFile(vol, "NOTES", 0x04, 0, Bytes(notes));
    b.addFile(vol, "EMPTY", 0x04, 0, Bytes());
    b.addExtended(vol, "FINDER", 0xB3, 0xDB07, Bytes(data), Bytes(resources));
    uint16_t docs = b.addFolder(vol, "DOCS");
    b.addFile(docs, "LETTER", 0x04, 0, Bytes(notes));
    return b.bytes();
}

std::vector<uint8_t> loaderBytes() {
    return patternBytes(300, 2);
}

std::vector<uint8_t> dosDisk() {
    Dos33Builder b(254);
    std::vector<uint8_t> program = helloProgram();
    std::vector<uint8_t> hello = withLengthWord(program);
    std::vector<uint8_t> notes = highBit("LINE ONE\rLINE TWO\r");
    notes.push_back(0);
    std::vector<uint8_t> loader = binaryFile(0x2000, Bytes(loaderBytes()));
    std::vector<uint8_t> old = withLengthWord(patternBytes(40, 4));
    b.addFile("HELLO", kDosApplesoft, Bytes(hello));
    b.addFile("NOTES", kDosText, Bytes(notes));
    b.addFile("LOADER", kDosBinary, Bytes(loader), true);
    b.addFile("OLD", kDosInteger, Bytes(old));
    b.addFile("BLANK", kDosText, Bytes(std::vector<uint8_t>(10, 0)));
    return b.bytes();
}

std::string dosName(const std::string& name) {
    return name + std::string(30 - name.size(), ' ');
}

} // namespace lk::test
