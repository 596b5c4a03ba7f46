#include "sample_disks.h"

#include "basic_builder.h"
#include "dos33/dos_entry.h"
#include "dos33_builder.h"
#include "prodos_builder.h"

namespace lk::test {

namespace {

// A line body: Applesoft tokens (bytes of $80 and above) and plain text.
std::vector<uint8_t> line(std::initializer_list<std::string_view> parts) {
    std::vector<uint8_t> out;
    for (std::string_view p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace

std::vector<uint8_t> helloProgram() {
    const std::string_view rem = "\xB2", home = "\x97", print = "\xBA", forToken = "\x81",
                           equals = "\xD0", to = "\xC1", next = "\x82", end = "\x80";
    return applesoftProgram({
        {10, line({rem, " GREETINGS"})},
        {20, line({home})},
        {30, line({forToken, "I", equals, "1", to, "3"})},
        {40, line({print, "\"HELLO\";I"})},
        {50, line({next})},
        {60, line({end})},
    });
}

std::vector<uint8_t> notesText() {
    return textBytes("LINE ONE\rLINE TWO\r");
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

std::vector<uint8_t> dosDisk() {
    Dos33Builder b(254);
    std::vector<uint8_t> program = helloProgram();
    std::vector<uint8_t> hello = withLengthWord(program);
    std::vector<uint8_t> notes = highBitText("LINE ONE\rLINE TWO\r");
    notes.push_back(0);
    std::vector<uint8_t> loader = binaryFile(0x2000, Bytes(patternBytes(300, 2)));
    std::vector<uint8_t> old = withLengthWord(patternBytes(40, 4));
    b.addFile("HELLO", kDosApplesoft, Bytes(hello));
    b.addFile("NOTES", kDosText, Bytes(notes));
    b.addFile("LOADER", kDosBinary, Bytes(loader), true);
    b.addFile("OLD", kDosInteger, Bytes(old));
    b.addFile("BLANK", kDosText, Bytes(std::vector<uint8_t>(10, 0)));
    return b.bytes();
}

} // namespace lk::test
