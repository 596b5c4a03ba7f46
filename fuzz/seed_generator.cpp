// Writes the fuzz target's seed images into the folder named on the command line: small ProDOS
// and DOS 3.3 volumes with every storage type and file type, in both sector orders and behind a
// 2IMG header, and a few damaged ones; and the nibble target's seeds into the second folder.
// Run it again after changing a builder:
//   fuzz_seed_generator fuzz/seeds fuzz/nibble-seeds
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "dos33/dos_entry.h"
#include "dos33_builder.h"
#include "nibble_builder.h"
#include "prodos_builder.h"

using namespace lk;
using namespace lk::test;

namespace {

void write(const std::filesystem::path& dir, const std::string& name,
           const std::vector<uint8_t>& b) {
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
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seed_generator FOLDER [NIBBLE-FOLDER]\n");
        return 2;
    }
    if (argc == 3) {
        std::filesystem::create_directories(argv[2]);
        writeNibbleSeeds(argv[2]);
    }
    std::filesystem::path dir(argv[1]);
    std::filesystem::create_directories(dir);
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
