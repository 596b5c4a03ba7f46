// Reading a ProDOS volume: the files of every storage type, by their EOF, damaged or not, and
// the volume bit map.
#include <algorithm>
#include <gtest/gtest.h>

#include "base/format.h"
#include "open_helpers.h"
#include "prodos/read_file.h"
#include "prodos/volume_bit_map.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

constexpr uint16_t kVol = ProdosBuilder::kVolumeKey;

std::vector<uint8_t> readAll(Opened& o, uint32_t entry, Fork fork = Fork::Data) {
    return readBytes(o.file, readFork(o, entry, fork));
}

std::vector<uint8_t> withZeros(size_t length, std::vector<std::pair<size_t, size_t>> filled) {
    std::vector<uint8_t> data(length, 0);
    std::vector<uint8_t> pattern = patternBytes(length, 7);
    for (auto [from, to] : filled)
        std::copy(pattern.begin() + long(from), pattern.begin() + long(to),
                  data.begin() + long(from));
    return data;
}

TEST(ReadProdosFile, AssemblesEveryStorageTypeAndBothForks) {
    struct Case {
        const char* name;
        std::vector<uint8_t> data;
        bool sparse;
        bool sparseFirst;
        uint8_t storage;
    } cases[] = {
        {"EMPTY", {}, false, false, kStorageSeedling},
        {"SEED512", patternBytes(512), false, false, kStorageSeedling},
        {"SAP513", patternBytes(513), false, false, kStorageSapling},
        {"SAP128K", patternBytes(131072), false, false, kStorageSapling},
        // Read right after a full file of its size, so its holes must be zeroed, not left over.
        {"FULL600K", patternBytes(600000, 9), false, false, kStorageTree},
        {"SPARSETREE", withZeros(600000, {{0, 512}, {599000, 600000}}), true, false, kStorageTree},
        {"HOLEFIRST", withZeros(1000, {{600, 1000}}), true, true, kStorageSapling},
    };
    ProdosBuilder b(4000, "V");
    std::vector<uint32_t> entries;
    for (const Case& c : cases)
        entries.push_back(b.addFile(kVol, c.name, 0x06, 0, Bytes(c.data), c.sparse, c.sparseFirst));
    std::vector<uint8_t> data = patternBytes(700, 1), rsrc = patternBytes(140000, 2);
    uint32_t ext = b.addExtended(kVol, "EXT", 0xB3, 0, Bytes(data), Bytes(rsrc));
    Opened o("v.po", b.bytes());
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(o.image.buffer[entries[i]] >> 4, cases[i].storage);
        EXPECT_EQ(readAll(o, entries[i]), cases[i].data);
    }
    EXPECT_EQ(readAll(o, ext, Fork::Data), data);
    EXPECT_EQ(readAll(o, ext, Fork::Resource), rsrc);
    EXPECT_EQ(readAll(o, entries[1], Fork::Resource), cases[1].data) << "a plain file's one fork";
    EXPECT_TRUE(o.platform.messages.empty());
}

// Index entries past EOF are never read, however wild; a seedling whose EOF runs past its one
// block reads as a sparse file. Neither is damage.
TEST(ReadProdosFile, ReadsByTheEof) {
    ProdosBuilder b(280, "V");
    uint32_t sapling = b.addFile(kVol, "F", 0x04, 0, Bytes(patternBytes(1000)));
    uint32_t seedling = b.addFile(kVol, "S", 0x04, 0, Bytes(patternBytes(512)));
    Opened o("v.po", b.bytes());
    uint8_t* index = &o.image.buffer[le16(&o.image.buffer[sapling + 0x11]) * 512];
    index[2] = index[256 + 2] = index[511] = 0xFF;
    EXPECT_EQ(readAll(o, sapling), patternBytes(1000));
    putLe24(&o.image.buffer[seedling + 0x15], 2000);
    EXPECT_EQ(readAll(o, seedling), padded(patternBytes(512), 2000));
    EXPECT_TRUE(o.platform.messages.empty());
}

// Folders and the volume are refused silently; an entry outside the image and a fork that
// claims to be extended itself are refused aloud.
TEST(ReadProdosFile, RefusesWhatIsNoFile) {
    ProdosBuilder b(280, "V");
    b.addFolder(kVol, "DIR");
    uint32_t ext =
        b.addExtended(kVol, "EXT", 0, 0, Bytes(patternBytes(10)), Bytes(patternBytes(10)));
    Opened o("v.po", b.bytes());
    uint32_t dir = o.tree.item(o.tree.firstChild(o.tree.root()))->entryOffset;
    uint32_t vol = o.tree.item(o.tree.root())->entryOffset;
    for (uint32_t entry : {dir, vol, 0xFFFFFFu}) {
        EXPECT_TRUE(readAll(o, entry).empty());
        EXPECT_FALSE(o.file.fileDataValid);
    }
    EXPECT_EQ(o.platform.messages.size(), 1u);

    uint16_t key = le16(&o.image.buffer[ext + 0x11]);
    o.image.buffer[key * 512 + 256] = 0x05;
    unsigned at = le16(&o.image.buffer[key * 512 + 257]) * 512;
    EXPECT_TRUE(readAll(o, ext, Fork::Resource).empty());
    EXPECT_EQ(o.platform.lastMessage(),
              "Extended file at: " + std::to_string(at) + " ($" + format("%X", at) + ")");
    EXPECT_FALSE(o.file.fileDataValid);
}

// A damaged file reads what it can, leaves the rest zero, and tells the user once.
TEST(ReadProdosFileDamage, BlocksBeyondTheImageReadAsZeros) {
    struct Case {
        const char* what;
        size_t length;
        uint32_t pointer; // offset from the key block of the pointer's high byte
        size_t zeroFrom, zeroTo;
    } cases[] = {
        {"key block", 3000, 0, 0, 3000},
        {"second data block", 3000, 256 + 1, 512, 1024},
        {"second index block of a tree", 140000, 256 + 1, 131072, 140000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProdosBuilder b(1600, "V");
        std::vector<uint8_t> data = patternBytes(c.length, 3);
        uint32_t entry = b.addFile(kVol, "F", 0x04, 0, Bytes(data));
        Opened o("v.po", b.bytes());
        uint8_t* keyPointer = &o.image.buffer[entry + 0x11];
        if (c.pointer == 0)
            putLe16(keyPointer, 50000);
        else
            o.image.buffer[le16(keyPointer) * 512 + c.pointer] = 0xF0;
        std::fill(data.begin() + long(c.zeroFrom), data.begin() + long(c.zeroTo), 0);
        EXPECT_EQ(readAll(o, entry), data);
        EXPECT_EQ(o.platform.messages.size(), 1u);
        EXPECT_EQ(o.platform.lastMessage().rfind("The volume is damaged", 0), 0u);
    }
}

const std::string kHeading =
    "Volume Bit Map\n\n"
    "        00               10               20               30\n"
    "$       0123456789ABCDEF 0123456789ABCDEF 0123456789ABCDEF 0123456789ABCDEF\n\n";

// An image holding only the blocks up to the end of a bit map at block 6.
DiskImage mapImage(uint32_t totalBlocks, uint8_t fill, size_t imageBytes = 0) {
    size_t mapBytes = (totalBlocks + 7) / 8;
    if (imageBytes == 0) imageBytes = 6 * 512 + (mapBytes + 511) / 512 * 512;
    DiskImage image = memoryImage(std::vector<uint8_t>(imageBytes));
    std::fill_n(image.buffer.begin() + 6 * 512, std::min(mapBytes, imageBytes - 6 * 512), fill);
    putLe16(image.buffer.data() + 2 * 512 + 0x29, uint16_t(totalBlocks));
    putLe16(image.buffer.data() + 2 * 512 + 0x27, 6);
    return image;
}

TEST(VolumeBitMap, FloppyVolumeTextAndCount) {
    test::ProdosBuilder b(280);
    test::Opened o("f.po", b.bytes());
    std::string free64(16, '-');
    std::string row = free64 + " " + free64 + " " + free64 + " " + free64 + " ";
    DamageReport damage;
    EXPECT_EQ(bitMapText(o.image, damage), kHeading + "0000    +++++++--------- " + free64 + " " +
                                               free64 + " " + free64 + " \n0040    " + row +
                                               "\n0080    " + row + "\n00C0    " + row +
                                               "\n0100    " + free64 + " --------");
    EXPECT_FALSE(damage.any());
    EXPECT_EQ(countFreeBlocks(o.image), 273u);
}

TEST(VolumeBitMap, LargestVolumeShowsAndCountsEveryBlock) {
    DiskImage image = mapImage(65535, 0xFF);
    EXPECT_EQ(countFreeBlocks(image), 65535u) << "block 65535's bit is not a block";
    DamageReport damage;
    std::string text = bitMapText(image, damage);
    EXPECT_EQ(std::count(text.begin(), text.end(), '-'), 65535);
    std::string free16(16, '-');
    std::string lastRow =
        "\nFFC0    " + free16 + " " + free16 + " " + free16 + " " + std::string(15, '-');
    EXPECT_EQ(text.substr(text.size() - lastRow.size()), lastRow);

    image.buffer[6 * 512 + 8191] = 0xAB; // blocks 65528-65534: free, used, free, ...
    std::fill_n(image.buffer.begin() + 6 * 512, 8191, 0);
    EXPECT_EQ(countFreeBlocks(image), 4u);
}

TEST(VolumeBitMap, MapBeyondTheImageIsNeverRead) {
    // The map starts past the end: nothing is free and nothing is shown.
    DiskImage outside = mapImage(280, 0xFF);
    putLe16(outside.buffer.data() + 2 * 512 + 0x27, 40000);
    EXPECT_EQ(countFreeBlocks(outside), 0u);
    DamageReport damage;
    EXPECT_EQ(bitMapText(outside, damage), kHeading + "0000    ");
    EXPECT_EQ(messageText(damage.notes[0]),
              "its bit map runs past the end of the image from block 0 on");

    // The map is cut by the end of the image after 100 bytes: 800 blocks are covered.
    DiskImage cut = mapImage(65535, 0xFF, 6 * 512 + 100);
    EXPECT_EQ(countFreeBlocks(cut), 800u);
    DamageReport cutDamage;
    std::string text = bitMapText(cut, cutDamage);
    EXPECT_EQ(std::count(text.begin(), text.end(), '-'), 800);
    EXPECT_EQ(messageText(cutDamage.notes[0]),
              "its bit map runs past the end of the image from block 800 on");
}

TEST(VolumeBitMap, MapFollowsTheDataOffset) {
    DiskImage image = mapImage(16, 0);
    image.buffer.insert(image.buffer.begin(), 64, 0xFF);
    image.header.dataOffset = 64;
    image.buffer[64 + 6 * 512] = 0x0F;
    EXPECT_EQ(countFreeBlocks(image), 4u);
    DamageReport damage;
    EXPECT_EQ(bitMapText(image, damage), kHeading + "0000    ++++----++++++++");
}

} // namespace
} // namespace lk::test
