// Writes the fuzz target's seed images into the folder named on the command line: small ProDOS
// volumes with every storage type, in both sector orders and behind a 2IMG header, and a few
// damaged ones. Run it again after changing the builder: fuzz_seed_generator fuzz/seeds
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_generator FOLDER\n");
        return 2;
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
    return 0;
}
