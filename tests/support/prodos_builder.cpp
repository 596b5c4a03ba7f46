#include "prodos_builder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "image/disk_image.h"
#include "open_helpers.h"

namespace lk::test {

namespace {
constexpr uint32_t kVolumeDirBlocks[] = {2, 3, 4, 5};

bool allZero(const uint8_t* p, size_t n) {
    return std::all_of(p, p + n, [](uint8_t b) { return b == 0; });
}

// The storage type and name, access, entry length and entries per block that begin the header
// of a volume directory or a folder.
void putHeader(uint8_t* h, uint8_t storage, const std::string& name) {
    h[0] = uint8_t(storage << 4 | (name.size() & 0x0F));
    std::memcpy(h + 1, name.data(), std::min<size_t>(name.size(), 15));
    h[0x1E] = kDefaultAccess;
    h[0x1F] = 0x27;
    h[0x20] = 0x0D;
}
} // namespace

FileEntry makeEntry(uint8_t storage, const std::string& name, uint8_t type, uint16_t key,
                    uint32_t eof) {
    FileEntry e;
    e.storageTypeNameLength = uint8_t((storage << 4) | (name.size() & 0x0F));
    std::memcpy(e.name.data(), name.data(), std::min<size_t>(name.size(), 15));
    e.fileType = type;
    e.keyPointer = key;
    e.blocksUsed = 1;
    e.eof = eof;
    e.access = kDefaultAccess;
    return e;
}

ProdosBuilder::ProdosBuilder(uint32_t totalBlocks, const std::string& volumeName)
    : total_(totalBlocks), data_(size_t(totalBlocks) * 512, 0) {
    // Every block free in the bit map, then the boot blocks, directory and map itself used.
    uint8_t* map = block(6);
    for (uint32_t b = 0; b < total_; ++b) map[b / 8] |= uint8_t(0x80 >> (b % 8));
    for (uint32_t b = 0; b < 6 + bitMapBlocks(); ++b) markUsed(b);
    for (size_t i = 0; i < 4; ++i) {
        uint8_t* dir = block(kVolumeDirBlocks[i]);
        putLe16(dir, uint16_t(i == 0 ? 0 : kVolumeDirBlocks[i - 1]));
        putLe16(dir + 2, uint16_t(i == 3 ? 0 : kVolumeDirBlocks[i + 1]));
    }
    uint8_t* h = block(2) + 4;
    putHeader(h, 0xF, volumeName);
    putLe16(h + 0x23, 6);
    putLe16(h + 0x25, uint16_t(total_));
}

void ProdosBuilder::markUsed(uint32_t b) {
    block(6)[b / 8] &= uint8_t(~(0x80 >> (b % 8)));
}

uint16_t ProdosBuilder::allocate() {
    const uint8_t* map = block(6);
    for (uint32_t b = nextFree_; b < total_; ++b) {
        if (map[b / 8] & (0x80 >> (b % 8))) {
            markUsed(b);
            nextFree_ = b + 1;
            std::memset(block(b), 0, 512);
            return uint16_t(b);
        }
    }
    throw std::runtime_error("test volume is full");
}

uint32_t ProdosBuilder::freeSlot(uint16_t dir) {
    uint32_t b = dir, last = dir;
    while (b != 0) {
        for (uint32_t k = (b == dir ? 1 : 0); k < 13; ++k) {
            uint32_t off = b * 512 + 4 + 39 * k;
            if ((data_[off] >> 4) == 0) return off;
        }
        last = b;
        b = le16(block(b) + 2);
    }
    // The directory is full: a new block joins its chain.
    uint16_t grown = allocate();
    putLe16(block(last) + 2, grown);
    putLe16(block(grown), uint16_t(last));
    auto folder = folderEntries_.find(dir);
    if (folder != folderEntries_.end()) {
        uint8_t* e = data_.data() + folder->second;
        putLe16(e + entry::kBlocksUsed, uint16_t(le16(e + entry::kBlocksUsed) + 1));
        putLe24(e + entry::kEof, le24(e + entry::kEof) + 512);
    }
    return uint32_t(grown) * 512 + 4;
}

uint32_t ProdosBuilder::addEntry(uint16_t dir, const FileEntry& e) {
    uint32_t off = freeSlot(dir);
    FileEntry copy = e;
    copy.headerPointer = dir;
    entryToBytes(copy, data_.data() + off);
    uint8_t* header = block(dir) + 4;
    putLe16(header + 0x21, uint16_t(le16(header + 0x21) + 1));
    return off;
}

uint16_t ProdosBuilder::addFolder(uint16_t dir, const std::string& name) {
    uint16_t key = allocate();
    FileEntry e = makeEntry(kStorageSubdirectory, name, 0x0F, key, 512);
    uint32_t off = addEntry(dir, e);
    folderEntries_[key] = off;
    uint8_t* h = block(key) + 4;
    putHeader(h, 0xE, name);
    h[0x10] = 0x75;
    putLe16(h + 0x23, uint16_t(off / 512));
    h[0x25] = uint8_t((off % 512 - 4) / 39 + 1);
    h[0x26] = 0x27;
    return key;
}

uint16_t ProdosBuilder::storeIndex(Bytes data, uint32_t from, uint32_t count, bool sparse,
                                   bool sparseFirst, uint16_t& blocks) {
    uint16_t index = allocate();
    ++blocks;
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t at = from + 512 * i;
        size_t n = std::min<size_t>(512, data.size() - at);
        bool first = at == 0;
        if (sparse && (!first || sparseFirst) && allZero(data.data() + at, n)) continue;
        uint16_t b = allocate();
        ++blocks;
        std::memcpy(block(b), data.data() + at, n);
        block(index)[i] = uint8_t(b);
        block(index)[256 + i] = uint8_t(b >> 8);
    }
    return index;
}

ProdosBuilder::Stored ProdosBuilder::store(Bytes data, bool sparse, bool sparseFirst) {
    uint32_t n = uint32_t((data.size() + 511) / 512);
    if (data.size() <= 512) {
        uint16_t key = allocate();
        if (!data.empty()) std::memcpy(block(key), data.data(), data.size());
        return {kStorageSeedling, key, 1};
    }
    uint16_t blocks = 0;
    if (data.size() <= 131072) {
        uint16_t key = storeIndex(data, 0, n, sparse, sparseFirst, blocks);
        return {kStorageSapling, key, blocks};
    }
    uint16_t master = allocate();
    ++blocks;
    for (uint32_t m = 0; m * 256 < n; ++m) {
        uint32_t count = std::min<uint32_t>(256, n - m * 256);
        uint32_t from = m * 131072;
        size_t chunk = std::min<size_t>(131072, data.size() - from);
        if (sparse && m > 0 && allZero(data.data() + from, chunk)) continue;
        uint16_t index = storeIndex(data, from, count, sparse, sparseFirst, blocks);
        block(master)[m] = uint8_t(index);
        block(master)[256 + m] = uint8_t(index >> 8);
    }
    return {kStorageTree, master, blocks};
}

uint32_t ProdosBuilder::addFile(uint16_t dir, const std::string& name, uint8_t type, uint16_t aux,
                                Bytes data, bool sparse, bool sparseFirst) {
    Stored s = store(data, sparse, sparseFirst);
    FileEntry e = makeEntry(s.storage, name, type, s.key, uint32_t(data.size()));
    e.blocksUsed = s.blocks;
    e.auxType = aux;
    return addEntry(dir, e);
}

uint32_t ProdosBuilder::addExtended(uint16_t dir, const std::string& name, uint8_t type,
                                    uint16_t aux, Bytes dataFork, Bytes resourceFork) {
    uint16_t key = allocate();
    Stored d = store(dataFork, false, false);
    Stored r = store(resourceFork, false, false);
    uint8_t* x = block(key);
    const Stored forks[2] = {d, r};
    const size_t sizes[2] = {dataFork.size(), resourceFork.size()};
    for (int f = 0; f < 2; ++f) {
        uint8_t* mini = x + 256 * f;
        mini[0] = forks[f].storage;
        putLe16(mini + 1, forks[f].key);
        putLe16(mini + 3, forks[f].blocks);
        putLe24(mini + 5, uint32_t(sizes[f]));
    }
    FileEntry e = makeEntry(kStorageExtended, name, type, key, 512);
    e.blocksUsed = uint16_t(1 + d.blocks + r.blocks);
    e.auxType = aux;
    return addEntry(dir, e);
}

std::vector<uint8_t> swapSectorOrder(std::vector<uint8_t> bytes) {
    size_t size = bytes.size();
    DiskImage image = memoryImage(std::move(bytes));
    reorderSectors(image, uint32_t(size));
    image.buffer.resize(size);
    return image.buffer;
}

std::vector<uint8_t> withTwoImgHeader(const std::vector<uint8_t>& data, SectorOrder order) {
    TwoImgHeader h;
    h.creator = {'L', 'K', 'S', 'P'};
    h.headerSize = 64;
    h.version = 1;
    h.imageFormat = uint32_t(order);
    h.blockCount = uint32_t(data.size() / 512);
    h.dataOffset = 64;
    h.dataLength = uint32_t(data.size());
    auto header = serializeTwoImgHeader(h);
    std::vector<uint8_t> out(header.begin(), header.end());
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::vector<uint8_t> patternBytes(size_t length, uint8_t seed) {
    std::vector<uint8_t> out(length);
    for (size_t i = 0; i < length; ++i) out[i] = uint8_t((i + seed) % 251);
    return out;
}

std::vector<uint8_t> textBytes(std::string_view text) {
    return {text.begin(), text.end()};
}

} // namespace lk::test
