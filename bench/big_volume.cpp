#include "big_volume.h"

#include <filesystem>
#include <fstream>

#include "prodos_builder.h"

namespace lk::bench {

namespace {

BigVolume build() {
    test::ProdosBuilder b(65535, "BIG");
    BigVolume v;
    std::vector<uint8_t> small = test::patternBytes(300);
    for (int top = 0; top < 10; ++top) {
        uint16_t outer =
            b.addFolder(test::ProdosBuilder::kVolumeKey, "OUTER" + std::to_string(top));
        for (int mid = 0; mid < 10; ++mid) {
            uint16_t inner = b.addFolder(outer, "INNER" + std::to_string(mid));
            for (int f = 0; f < 101; ++f) {
                b.addFile(inner, "FILE" + std::to_string(f), 0x04, 0, Bytes(small));
                ++v.fileCount;
            }
        }
    }
    std::vector<uint8_t> big = test::patternBytes(16 * 1024 * 1024 - 1);
    b.addFile(test::ProdosBuilder::kVolumeKey, "HUGE", 0x06, 0, Bytes(big));
    ++v.fileCount;
    v.bytes = b.bytes();
    v.path = (std::filesystem::temp_directory_path() / "larkspoon-bench-big.po").string();
    std::ofstream(v.path, std::ios::binary)
        .write(reinterpret_cast<const char*>(v.bytes.data()), std::streamsize(v.bytes.size()));
    return v;
}

} // namespace

const BigVolume& bigVolume() {
    static const BigVolume volume = build();
    return volume;
}

} // namespace lk::bench
