#include <gtest/gtest.h>

#include "open_helpers.h"
#include "platform/format.h"
#include "prodos/read_file.h"
#include "prodos_builder.h"

namespace lk::test {
namespace {

constexpr uint16_t kVol = ProdosBuilder::kVolumeKey;

// Reads the entry and checks the invariants every read keeps: the length, and zero bytes from
// index EOF through the three spare bytes.
std::vector<uint8_t> readAll(Opened& o, uint32_t entry, int fork = kDataFork) {
    int32_t n = readProdosFile(o.image, entry, fork, o.file, o.platform);
    EXPECT_GE(n, 0);
    if (n < 0) return {};
    EXPECT_EQ(o.file.fileLength, n);
    EXPECT_EQ(o.file.fileData.size(), size_t(n) + 4);
    for (size_t i = size_t(n); i < o.file.fileData.size(); ++i) EXPECT_EQ(o.file.fileData[i], 0);
    return std::vector<uint8_t>(o.file.fileData.begin(), o.file.fileData.begin() + n);
}

std::vector<uint8_t> withZeros(size_t length, std::vector<std::pair<size_t, size_t>> filled) {
    std::vector<uint8_t> data(length, 0);
    std::vector<uint8_t> pattern = patternBytes(length, 7);
    for (auto [from, to] : filled)
        std::copy(pattern.begin() + long(from), pattern.begin() + long(to),
                  data.begin() + long(from));
    return data;
}

TEST(ReadProdosFile, AssemblesEveryStorageType) {
    struct Case {
        const char* name;
        std::vector<uint8_t> data;
        bool sparse;
        bool sparseFirst;
        uint8_t storage;
    } cases[] = {
        {"EMPTY", {}, false, false, kStorageSeedling},
        {"ONE", patternBytes(1), false, false, kStorageSeedling},
        {"SEED512", patternBytes(512), false, false, kStorageSeedling},
        {"SAP513", patternBytes(513), false, false, kStorageSapling},
        {"SAP128K", patternBytes(131072), false, false, kStorageSapling},
        {"TREE", patternBytes(200000), false, false, kStorageTree},
        {"SPARSESAP", withZeros(5000, {{0, 10}, {4000, 5000}}), true, false, kStorageSapling},
        // Read right after a full file of its size, so its holes must be zeroed, not left over.
        {"FULL600K", patternBytes(600000, 9), false, false, kStorageTree},
        {"SPARSETREE", withZeros(600000, {{0, 512}, {599000, 600000}}), true, false, kStorageTree},
        {"HOLEFIRST", withZeros(1000, {{600, 1000}}), true, true, kStorageSapling},
    };
    ProdosBuilder b(4000, "V");
    std::vector<uint32_t> entries;
    for (const Case& c : cases)
        entries.push_back(b.addFile(kVol, c.name, 0x06, 0, Bytes(c.data), c.sparse, c.sparseFirst));
    Opened o;
    openBytes(o, "v.po", b.bytes());
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(o.image.buffer[entries[i]] >> 4, cases[i].storage);
        EXPECT_EQ(readAll(o, entries[i]), cases[i].data);
    }
    EXPECT_TRUE(o.platform.messages.empty());
}

TEST(ReadProdosFile, ReadsNoIndexEntryBeyondEof) {
    ProdosBuilder b(280, "V");
    uint32_t e = b.addFile(kVol, "F", 0x04, 0, Bytes(patternBytes(1000)));
    Opened o;
    openBytes(o, "v.po", b.bytes());
    uint16_t index = le16(&o.image.buffer[e + 0x11]);
    // Entries 2 and 255 name blocks beyond the image: they lie past EOF and are never read.
    o.image.buffer[index * 512 + 2] = 0xFF;
    o.image.buffer[index * 512 + 256 + 2] = 0xFF;
    o.image.buffer[index * 512 + 511] = 0xFF;
    EXPECT_EQ(readAll(o, e), patternBytes(1000));
    EXPECT_TRUE(o.platform.messages.empty());
}

TEST(ReadProdosFile, ReadsEitherForkOfAnExtendedFile) {
    ProdosBuilder b(1600, "V");
    std::vector<uint8_t> data = patternBytes(700, 1), rsrc = patternBytes(140000, 2);
    uint32_t ext = b.addExtended(kVol, "EXT", 0xB3, 0, Bytes(data), Bytes(rsrc));
    uint32_t plain = b.addFile(kVol, "PLAIN", 0x04, 0, Bytes(patternBytes(30)));
    Opened o;
    openBytes(o, "v.po", b.bytes());
    EXPECT_EQ(readAll(o, ext, kDataFork), data);
    EXPECT_EQ(readAll(o, ext, kResourceFork), rsrc);
    EXPECT_EQ(readAll(o, plain, kResourceFork), patternBytes(30));
}

TEST(ReadProdosFile, RefusesFoldersAndTheVolumeSilentlyAndAnEntryOutsideTheImageAloud) {
    ProdosBuilder b(280, "V");
    b.addFolder(kVol, "DIR");
    Opened o;
    openBytes(o, "v.po", b.bytes());
    uint32_t dir = o.tree.item(o.tree.firstChild(o.tree.root()))->entryOffset;
    uint32_t vol = o.tree.item(o.tree.root())->entryOffset;
    for (uint32_t entry : {dir, vol, 0xFFFFFFu}) {
        EXPECT_EQ(readProdosFile(o.image, entry, kDataFork, o.file, o.platform), -2);
        EXPECT_EQ(o.file.fileLength, -2);
        EXPECT_FALSE(o.file.fileDataValid);
    }
    EXPECT_EQ(o.platform.messages.size(), 1u);
}

TEST(ReadProdosFile, NamesAForkThatClaimsToBeExtendedItself) {
    ProdosBuilder b(280, "V");
    uint32_t ext =
        b.addExtended(kVol, "EXT", 0, 0, Bytes(patternBytes(10)), Bytes(patternBytes(10)));
    Opened o;
    openBytes(o, "v.po", b.bytes());
    uint16_t key = le16(&o.image.buffer[ext + 0x11]);
    o.image.buffer[key * 512 + 256] = 0x05;
    unsigned at = le16(&o.image.buffer[key * 512 + 257]) * 512;
    EXPECT_EQ(readProdosFile(o.image, ext, kResourceFork, o.file, o.platform), -2);
    EXPECT_EQ(o.platform.lastMessage(),
              "Extended file at: " + std::to_string(at) + " ($" + format("%X", at) + ")");
    EXPECT_FALSE(o.file.fileDataValid);
}

// A seedling whose EOF runs past its one block reads as a sparse file: no damage.
TEST(ReadProdosFile, ReadsASeedlingLongerThanItsBlockAsSparse) {
    ProdosBuilder b(280, "V");
    uint32_t e = b.addFile(kVol, "S", 0x04, 0, Bytes(patternBytes(512)));
    Opened o;
    openBytes(o, "v.po", b.bytes());
    putLe24(&o.image.buffer[e + 0x15], 2000);
    std::vector<uint8_t> expected = patternBytes(512);
    expected.resize(2000, 0);
    EXPECT_EQ(readAll(o, e), expected);
    EXPECT_TRUE(o.platform.messages.empty());
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
        Opened o;
        openBytes(o, "v.po", b.bytes());
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

} // namespace
} // namespace lk::test
