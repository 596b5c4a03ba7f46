// Writes the fuzz target's seed images into the folder named on the command line: small ProDOS
// and DOS 3.3 volumes with every storage type and file type, in both sector orders and behind a
// 2IMG header, and a few damaged ones; and the seeds of the other targets (AppleWorks
// documents and data bases, pictures, nibble images) into the folders beside it. Run it again
// after changing a builder:
//   fuzz_seed_generator fuzz
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "appleworks_builder.h"
#include "dos33/dos_entry.h"
#include "dos33_builder.h"
#include "picture_disks.h"
#include "nibble_builder.h"
#include "prodos_builder.h"

using namespace lk;
using namespace lk::test;

namespace {

void write(const std::filesystem::path& dir, const std::string& name,
           const std::vector<uint8_t>& b) {
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

// 32 blocks (4 whole tracks): small enough for the fuzzer to mutate usefully.
ProdosBuilder everyStorageType() {
    ProdosBuilder b(32, "SEED");
    constexpr uint16_t vol = ProdosBuilder::kVolumeKey;
    b.addFile(vol, "SEEDLING", 0x04, 0, Bytes(patternBytes(100)));
    b.addFile(vol, "SAPLING", 0xFC, 0x0801, Bytes(patternBytes(1500)));
    std::vector<uint8_t> sparseTree(300000, 0);
    sparseTree[0] = 1;
    sparseTree[299999] = 2;
    b.addFile(vol, "TREE", 0x06, 0x2000, Bytes(sparseTree), true);
    b.addExtended(vol, "FORKED", 0xB3, 0, Bytes(patternBytes(20)), Bytes(patternBytes(600)));
    uint16_t dir = b.addFolder(vol, "DIR");
    uint16_t inner = b.addFolder(dir, "INNER");
    b.addFile(inner, "basic.system", 0xFF, 0x2000, Bytes(patternBytes(10)));
    return b;
}

// 18 tracks, the least that holds the catalog track; the fuzz target pads it to a floppy's size
// under the floppy names.
struct DosSeed {
    Dos33Builder b{254, 18};
    DosFileLayout twoLists;
    DosSeed() {
        b.addFile("HELLO", kDosApplesoft, Bytes(withLengthWord(Bytes(patternBytes(600)))));
        b.addFile("INTEGER", kDosInteger, Bytes(withLengthWord(Bytes(patternBytes(40)))));
        b.addFile("CODE", kDosBinary, Bytes(binaryFile(0x300, Bytes(patternBytes(300)))), true);
        std::vector<uint8_t> text(500, 0xC1);
        text[499] = 0;
        b.addFile("TEXT", kDosText, Bytes(text));
        b.skipSlot();
        b.deleteFile(b.addFile("GONE", 0x10, Bytes(patternBytes(10))).entry);
        twoLists = b.addFile("TWO LISTS", 0x08, Bytes(patternBytes(125 * 256)));
    }
};

void writeDosSeeds(const std::filesystem::path& dir) {
    DosSeed plain;
    write(dir, "dos33-dos-order.do", plain.b.bytes());
    write(dir, "dos33-prodos-order.po", swapSectorOrder(plain.b.bytes()));
    write(dir, "dos33-behind-header.2mg",
          withTwoImgHeader(swapSectorOrder(plain.b.bytes()), SectorOrder::ProdosOrder));

    DosSeed catalogLoop;
    catalogLoop.b.sector(17, 15)[2] = 15;
    write(dir, "dos33-looping-catalog.do", catalogLoop.b.bytes());

    DosSeed listLoop;
    TrackSector first = listLoop.twoLists.lists[0], second = listLoop.twoLists.lists[1];
    uint8_t* back = listLoop.b.sector(second.track, second.sector);
    back[1] = first.track;
    back[2] = first.sector;
    listLoop.b.sector(first.track, first.sector)[0x0C + 2 * 5] = 0;
    write(dir, "dos33-looping-lists.do", listLoop.b.bytes());
}

// The samples, a document of the older kind, and a table of odd columns and values.
void writeAppleWorksSeeds(const std::filesystem::path& dir) {
    write(dir, "letter.awp", sampleLetter());
    write(dir, "people.adb", samplePeople().bytes());
    write(dir, "old-letter.awp",
          wpDocument(0, wpRecord(0xE1) + wpLine("\x01TITLE") + wpLine("\x03UP\x05LOW", false)));
    DbFile odd = samplePeople();
    odd.version = 3;
    odd.columns = {{0, 4}, {9, 4}, {1, 0}, {3, 12}, {4, 8}};
    odd.records.push_back(dbDate("87M05") + dbTime("Y30") + "\x32SHORT");
    write(dir, "odd.adb", odd.bytes());
}

// The picture target's seeds: a selector byte, then a screen, a packed screen or an icon file.
void writePictureSeeds(const std::filesystem::path& dir) {
    auto seed = [&](const char* name, uint8_t selector, std::vector<uint8_t> file) {
        file.insert(file.begin(), selector);
        write(dir, name, file);
    };
    seed("hires", 0, hiresBars());
    seed("double-hires", 1, doubleHiResBars());
    seed("super-hires", 2, superHiResBars());
    seed("packed", 3, packBytes(superHiResBars()));
    seed("icons", 4, iconSampler());
    seed("dos33-hires", 5, binaryFile(0x2000, Bytes(hiresBars())));
}

// Two tracks as a raw nibble file, as TrackStar tracks and as WOZ images of both versions, and
// the header of a sound FDI file: small enough for the nibble fuzz target to mutate usefully.
void writeNibbleSeeds(const std::filesystem::path& dir) {
    std::vector<uint8_t> nib = nibbleImage(Bytes(patternBytes(2 * 4096)), SectorTable::Dos);
    write(dir, "two-tracks.nib", nib);
    write(dir, "two-tracks.app", trackStarImage(Bytes(nib)));
    write(dir, "two-tracks.woz", wozImage(Bytes(nib)));
    WozShape first;
    first.woz1 = true;
    write(dir, "two-tracks-version-1.woz", wozImage(Bytes(nib), first));
    std::vector<uint8_t> fdi(512, 0);
    std::string signature = "Formatted Disk Image file\r\n";
    std::copy(signature.begin(), signature.end(), fdi.begin());
    fdi[140] = 2;
    fdi[143] = 34;
    fdi[145] = 1;
    write(dir, "header.fdi", fdi);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_generator FUZZ_FOLDER\n");
        return 2;
    }
    std::filesystem::path fuzz(argv[1]);
    writeAppleWorksSeeds(fuzz / "seeds-appleworks");
    writePictureSeeds(fuzz / "picture-seeds");
    writeNibbleSeeds(fuzz / "nibble-seeds");
    std::filesystem::path dir = fuzz / "seeds";
    ProdosBuilder b = everyStorageType();
    write(dir, "prodos-order.po", b.bytes());
    write(dir, "dos-order.dsk", swapSectorOrder(b.bytes()));
    write(dir, "behind-header.2mg", withTwoImgHeader(b.bytes(), SectorOrder::ProdosOrder));

    ProdosBuilder loop = everyStorageType();
    putLe16(loop.block(5) + 2, 2);
    write(dir, "looping-directory.po", loop.bytes());

    ProdosBuilder hdv(32, "HDV");
    putLe16(hdv.block(2) + 4 + 0x25, 4000); // a volume larger than its file
    write(dir, "short-volume.hdv", hdv.bytes());

    writeDosSeeds(dir);
    return 0;
}
