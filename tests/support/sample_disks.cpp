#include "sample_disks.h"

#include "basic_builder.h"
#include "dos33/dos_entry.h"
#include "dos33_builder.h"
#include "prodos_builder.h"

namespace lk::test {

// 10 REM GREETINGS / 20 HOME / 30 FOR I=1 TO 3 / 40 PRINT "HELLO";I / 50 NEXT / 60 END
std::vector<uint8_t> helloProgram() {
    return applesoftProgram({{10, applesoftBody("{B2} GREETINGS")},
                             {20, applesoftBody("{97}")},
                             {30, applesoftBody("{81}I{D0}1{C1}3")},
                             {40, applesoftBody("{BA}\"HELLO\";I")},
                             {50, applesoftBody("{82}")},
                             {60, applesoftBody("{80}")}});
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
    std::vector<uint8_t> notes = highBitText("LINE ONE\rLINE TWO\r");
    notes.push_back(0);
    for (uint8_t c : highBitText("AFTER THE END")) notes.push_back(c);
    std::vector<uint8_t> liar = binaryFile(0x300, Bytes(patternBytes(10)));
    putLe16(liar.data() + 2, 0x7000); // a length word far beyond its one sector
    b.addFile("HELLO", kDosApplesoft, Bytes(withLengthWord(helloProgram())));
    b.addFile("NOTES", kDosText, Bytes(notes));
    b.addFile("LOADER", kDosBinary, Bytes(binaryFile(0x2000, Bytes(patternBytes(300, 2)))), true);
    b.addFile("OLD", kDosInteger, Bytes(withLengthWord(patternBytes(40, 4))));
    b.addFile("BLANK", kDosText, Bytes(std::vector<uint8_t>(10, 0)));
    b.addFile("ODD", 0x03, Bytes(patternBytes(10, 3)));
    b.addFile("LIAR", kDosBinary, Bytes(liar));
    b.addFile("A/B", 0x40, Bytes(highBitText("X")));
    return b.bytes();
}

} // namespace lk::test
